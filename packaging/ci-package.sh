#!/bin/bash
# CI: validates the desktop entry and the AppStream metadata, builds the Debian
# package in the build folder of `make test`, installs it, checks the installed
# layout, runs the installed program as root on a virtual X display, adds a
# star to the catalogue through the star database window, checks that the
# program folder stayed byte for byte as installed, and removes the package.
# Usage: packaging/ci-package.sh [build folder, default build, relative to the repository]   (as root)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$(cd "${1:-build}" && pwd)
app_id=org.veltrane.Veltrane
program_dir=/usr/lib/veltrane
doc_dir=/usr/share/doc/veltrane
screenshots_dir=/usr/share/veltrane/screenshots
screenshots=(general-diagram.png star-database.png introduction.png)

if [ "$(id -u)" -ne 0 ]; then
    echo "run $0 as root: it installs the package and runs the program as root" >&2
    exit 1
fi
scripts/ensure-deps.sh package

# The AppStream metadata, pedantically. The one remark left is on the
# component id's capital letter: org.veltrane.Veltrane is also the name of the
# desktop entry and the icons, and an id, once published, is not changed.
validate_metainfo() {
    local report unexpected
    report=$(appstreamcli validate --pedantic --no-net "$1" 2>&1) || { echo "$report" >&2; return 1; }
    echo "$report"
    unexpected=$(grep -E '^[EWIP]: ' <<<"$report" | grep -v 'cid-contains-uppercase-letter' || true)
    if [ -n "$unexpected" ]; then
        echo "unexpected remarks on $1" >&2
        return 1
    fi
}

echo "== Desktop entry and AppStream metadata"
desktop-file-validate packaging/$app_id.desktop
validate_metainfo "$build/packaging/$app_id.metainfo.xml"

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
contents=$(dpkg-deb --contents "$deb")
for f in $doc_dir/copyright "${screenshots[@]/#/$screenshots_dir/}"; do
    grep -q " \.$f\$" <<<"$contents" || { echo "the package lacks $f" >&2; exit 1; }
done

if dpkg-query -W -f='${db:Status-Status}' veltrane 2>/dev/null | grep -q '^installed$'; then
    echo "veltrane is installed already; not touching it" >&2
    exit 1
fi

work=$(mktemp -d)
program_pid=""
xvfb_pid=""
cleanup() {
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
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
for f in veltrane stars.vlt vlt.chm vlt.de.chm vlt.fr.chm vlt.es.chm fdbk.eml; do
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
validate_metainfo /usr/share/metainfo/$app_id.metainfo.xml
# The licence: Debian's machine-readable copyright file, GPL-3.0-or-later as
# the AppStream metadata says, with the licence text every Debian system has.
head -n 1 $doc_dir/copyright | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    || { echo "$doc_dir/copyright is not in the machine-readable format" >&2; exit 1; }
grep -qx 'License: GPL-3+' $doc_dir/copyright || { echo "$doc_dir/copyright does not say GPL-3+" >&2; exit 1; }
grep -q '<project_license>GPL-3.0-or-later</project_license>' /usr/share/metainfo/$app_id.metainfo.xml \
    || { echo "the AppStream metadata does not say GPL-3.0-or-later" >&2; exit 1; }
[ -f /usr/share/common-licenses/GPL-3 ] || { echo "missing /usr/share/common-licenses/GPL-3" >&2; exit 1; }
for s in "${screenshots[@]}"; do
    file -b "$screenshots_dir/$s" | grep -q '^PNG image data' || { echo "$screenshots_dir/$s is no PNG picture" >&2; exit 1; }
done

echo "== Running the installed program as root and adding a star"
# Root can write into the program folder, but the catalogue there is the
# package's: the star must go to root's own copy, and the folder stay byte for
# byte as installed.
fingerprint() {
    (cd "$program_dir" && find . -printf '%p %y %s %m %U:%G %T@\n' | sort && find . -type f -print0 | sort -z | xargs -0 sha256sum)
}
before=$(fingerprint)
home=$work/home
mkdir -p "$home"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 50); do
    [ -s "$work/display" ] && break
    sleep 0.2
done
[ -s "$work/display" ] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
DISPLAY=":$(head -n 1 "$work/display")"
export DISPLAY
(cd "$work" && exec env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" QT_QPA_PLATFORM=xcb veltrane > "$work/program.log" 2>&1) &
program_pid=$!

fail() {
    echo "$1" >&2
    echo "the program's output:" >&2
    cat "$work/program.log" >&2
    exit 1
}
# The first visible window that `xdotool search` finds with the arguments
# after $1, waited for up to $1 seconds. Names match without regard to case.
window() {
    local seconds=$1 id
    shift
    for _ in $(seq $((seconds * 5))); do
        kill -0 "$program_pid" 2>/dev/null || fail "the installed program ended unexpectedly"
        id=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.2
    done
    return 1
}
# The startup window, the program's only one at first and without a title:
# "I Don't Need Introduction About Veltrane", then "&OK".
startup=$(window 10 --class '^veltrane$') || fail "no startup window"
sleep 0.5
xdotool windowfocus --sync "$startup" key Tab space alt+o
general=$(window 10 --name '^Veltrane$') || fail "no general diagram window"
# File, Import Data, with the mouse: without a window manager the keys do
# not always reach an open menu. "File" lies at the left end of the menu bar,
# "Import Data" is the first item of its menu.
database=""
for _ in 1 2 3; do
    xdotool mousemove --window "$general" 19 8 click 1
    sleep 0.5
    xdotool mousemove --window "$general" 69 28 click 1
    database=$(window 3 --name '^Star Database$') && break
    xdotool key Escape
done
[ -n "$database" ] || fail "File, Import Data did not open the star database window"
sleep 0.5
# "&Update Database", "&Add", the three boxes of DATA (name, temperature,
# magnitude, clicked at their centres), "&OK".
star="Root star $$"
xdotool windowfocus --sync "$database" key alt+u
sleep 0.3
xdotool key alt+a
sleep 0.3
xdotool mousemove --window "$database" 484 36 click 1 type "$star"
xdotool mousemove --window "$database" 484 76 click 1 type 5000
xdotool mousemove --window "$database" 484 116 click 1 type 4.5
xdotool key alt+o
copy=$home/.local/share/veltrane/stars.vlt
for _ in $(seq 25); do
    grep -aq "$star" "$copy" 2>/dev/null && break
    sleep 0.2
done
if ! grep -aq "$star" "$copy" 2>/dev/null; then
    fail "the new star is not in root's own catalogue $copy"
fi
# "Clo&se", then "&EXIT" of the general diagram ends the program.
xdotool key alt+s
sleep 0.5
xdotool windowfocus --sync "$general" key alt+e
for _ in $(seq 50); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$program_pid" 2>/dev/null && fail "EXIT did not end the program"
status=0
wait "$program_pid" || status=$?
program_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
kill "$xvfb_pid" 2>/dev/null || true
wait "$xvfb_pid" 2>/dev/null || true
xvfb_pid=""
unset DISPLAY
after=$(fingerprint)
if [ "$before" != "$after" ]; then
    echo "the program changed $program_dir:" >&2
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
