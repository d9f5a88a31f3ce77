#!/bin/sh
# Fails when a folder of the program includes a folder above it. The layers,
# bottom to top: model; evolution; platform; windows; report, relsize and
# stardb side by side; diagram (which may use report and relsize); app, which
# uses them all and the resources. Each line below names a folder and what it may include.
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
check evolution 'evolution|model'
check platform 'platform|evolution|model'
check windows 'windows|platform|evolution|model'
check report 'report|windows|platform|evolution|model'
check relsize 'relsize|windows|platform|evolution|model'
check stardb 'stardb|windows|platform|evolution|model'
check diagram 'diagram|report|relsize|windows|platform|evolution|model'
check resources 'resources'
check app 'app|diagram|stardb|relsize|report|windows|platform|evolution|model|resources'
exit $status
