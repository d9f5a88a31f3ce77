#!/bin/bash
# CI: validates the desktop entry and the AppStream metadata, builds the Debian
# package in the build folder of `make test`, installs it, checks the installed
# layout, starts the installed program offscreen and removes the package again.
# Usage: packaging/ci-package.sh [build folder, default build, relative to the repository]   (as root)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$(cd "${1:-build}" && pwd)
app_id=org.veltrane.Veltrane
program_dir=/usr/lib/veltrane

tools/ensure-deps.sh package

echo "== Desktop entry and AppStream metadata"
desktop-file-validate packaging/$app_id.desktop
appstreamcli validate --no-net "$build/packaging/$app_id.metainfo.xml"

echo "== Debian package"
rm -f "$build"/veltrane_*.deb
(cd "$build" && cpack -G DEB > cpack.log) || { cat "$build/cpack.log"; exit 1; }
debs=("$build"/veltrane_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "expected one veltrane_*.deb in $build" >&2
    exit 1
fi
deb=${debs[0]}
dpkg-deb --field "$deb" Package Version Section Depends Recommends
depends=$(dpkg-deb --field "$deb" Depends)
for needed in libqt6widgets6 libqt6sql6 libqt6sql6-sqlite fonts-urw-base35 fonts-liberation2 fonts-dejavu-core; do
    grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || { echo "Depends lacks $needed" >&2; exit 1; }
done

if dpkg-query -W -f='${db:Status-Status}' veltrane 2>/dev/null | grep -q '^installed$'; then
    echo "veltrane is installed already; not touching it" >&2
    exit 1
fi

work=$(mktemp -d)
program_pid=""
cleanup() {
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
    if dpkg-query -W -f='${db:Status-Status}' veltrane 2>/dev/null | grep -q '^installed$'; then
        apt-get remove -y -qq -o DPkg::Lock::Timeout=300 veltrane > /dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

echo "== Installing $(basename "$deb")"
export DEBIAN_FRONTEND=noninteractive
# Recommends (the CHM viewer, xdg-utils) are left out so that removing the
# package leaves the machine as it was.
apt-get install -y -qq -o DPkg::Lock::Timeout=300 --no-install-recommends "$deb" > "$work/apt.log" || { cat "$work/apt.log"; exit 1; }

echo "== Installed layout"
for f in veltrane stars.vlt vlt.chm fdbk.eml; do
    [ -f "$program_dir/$f" ] || { echo "missing $program_dir/$f" >&2; exit 1; }
done
[ -x "$program_dir/veltrane" ] || { echo "$program_dir/veltrane is not executable" >&2; exit 1; }
[ "$(readlink /usr/bin/veltrane)" = ../lib/veltrane/veltrane ] || { echo "/usr/bin/veltrane is not the launcher link" >&2; exit 1; }
[ "$(readlink -f /usr/bin/veltrane)" = "$program_dir/veltrane" ] || { echo "/usr/bin/veltrane does not reach the program" >&2; exit 1; }
for f in /usr/share/applications/$app_id.desktop /usr/share/metainfo/$app_id.metainfo.xml \
         /usr/share/icons/hicolor/scalable/apps/$app_id.svg; do
    [ -f "$f" ] || { echo "missing $f" >&2; exit 1; }
done
for size in 16 32 48 64 128 256; do
    icon=/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    [ -f "$icon" ] || { echo "missing $icon" >&2; exit 1; }
    file -b "$icon" | grep -q "PNG image data, $size x $size," || { echo "$icon is not $size px: $(file -b "$icon")" >&2; exit 1; }
done
desktop-file-validate /usr/share/applications/$app_id.desktop
appstreamcli validate --no-net /usr/share/metainfo/$app_id.metainfo.xml

echo "== Starting the installed program"
before=$(cd "$program_dir" && find . -printf '%p %s %T@ %m\n' | sort)
(cd "$work" && HOME="$work" QT_QPA_PLATFORM=offscreen exec veltrane > "$work/program.log" 2>&1) &
program_pid=$!
sleep 3
if ! kill -0 "$program_pid" 2>/dev/null; then
    wait "$program_pid" || true
    program_pid=""
    echo "the installed program did not stay up for 3 s:" >&2
    cat "$work/program.log" >&2
    exit 1
fi
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
program_pid=""
after=$(cd "$program_dir" && find . -printf '%p %s %T@ %m\n' | sort)
if [ "$before" != "$after" ]; then
    echo "the program wrote into $program_dir:" >&2
    diff <(echo "$before") <(echo "$after") >&2 || true
    exit 1
fi

echo "== Removing the package"
apt-get remove -y -qq -o DPkg::Lock::Timeout=300 veltrane > /dev/null
if [ -e "$program_dir" ] || [ -e /usr/bin/veltrane ]; then
    echo "the package left files behind" >&2
    exit 1
fi
cd "$root"
echo "Package check passed: $(basename "$deb")"
