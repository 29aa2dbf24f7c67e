#!/bin/sh
# Installs the Debian 12 packages Hexloom needs that are not installed yet.
# Usage: tools/install-deps.sh build|test
set -eu
packages="build-essential cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
          qt6-translations-l10n fonts-noto-cjk fonts-dejavu-core"
if [ "${1:-build}" = test ]; then
    packages="$packages googletest libgtest-dev clang libclang-rt-14-dev
              xvfb xauth x11-utils xdotool xclip xxd python3 procps
              binutils-mingw-w64-x86-64 icoutils desktop-file-utils appstream"
fi
missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $package"
done
[ -z "$missing" ] && exit 0
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
        echo "These Debian packages are missing:$missing" >&2
        echo "Installing them needs root, and there is no sudo: run" >&2
        echo "    su -c '$0 ${1:-build}'" >&2
        echo "then this command again." >&2
        exit 1
    fi
    sudo=sudo
fi
echo "Installing:$missing"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
