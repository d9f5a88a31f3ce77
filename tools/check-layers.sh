#!/bin/sh
# Fails when a folder of the program includes a folder above it. The layers,
# bottom to top: model; platform; windows; report, relsize and stardb side by
# side; diagram (which may use report and relsize); app, which uses them all
# and the resources. Each line below names a folder and what it may include.
set -eu
cd "$(dirname "$0")/.."

status=0
check() {
    folder=$1
    allowed=$2
    wrong=$(git grep -nE '^#include "[a-z_]+/' -- "$folder" | grep -vE "#include \"($allowed)/" || true)
    if [ -n "$wrong" ]; then
        echo "$folder/ includes a folder above it:" >&2
        echo "$wrong" >&2
        status=1
    fi
}

check model 'model'
check platform 'platform|model'
check windows 'windows|platform|model'
check report 'report|windows|platform|model'
check relsize 'relsize|windows|platform|model'
check stardb 'stardb|windows|platform|model'
check diagram 'diagram|report|relsize|windows|platform|model'
check resources 'resources'
check app 'app|diagram|stardb|relsize|report|windows|platform|model|resources'
exit $status
