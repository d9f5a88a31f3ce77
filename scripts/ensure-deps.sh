#!/bin/sh
# Installs the Debian packages the build, the tests or the program need.
# As root it installs what is missing; otherwise it prints the apt-get line.
# Usage: scripts/ensure-deps.sh build|run|fuzz|package
set -eu

build_packages="cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev
libxkbcommon-dev libxcb1-dev libbenchmark-dev fp-utils-3.2.2 fonts-urw-base35 fonts-liberation2 fonts-dejavu-core
locales xvfb xauth qt6-tools-dev qt6-l10n-tools qt6-translations-l10n clang-format"
run_packages="xchm xdg-utils"
fuzz_packages="clang-14 libclang-rt-14-dev"
package_packages="desktop-file-utils appstream dpkg-dev file xvfb xdotool"

case "${1:-build}" in
    build) wanted="$build_packages" ;;
    run) wanted="$build_packages $run_packages" ;;
    fuzz) wanted="$build_packages $fuzz_packages" ;;
    package) wanted="$build_packages $package_packages" ;;
    *) echo "usage: $0 build|run|fuzz|package" >&2; exit 2 ;;
esac

missing=""
for p in $wanted; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    echo "Installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $missing
else
    echo "Missing Debian packages. Install them with:" >&2
    echo "  sudo apt-get install -y$missing" >&2
    exit 1
fi
