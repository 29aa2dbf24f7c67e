#!/bin/sh
# Builds the Debian package of Hexloom: build-deb/hexloom_VERSION_amd64.deb, with
# both programs, the desktop entry, the AppStream metadata and the icons.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/install-deps.sh" build
for tool in dpkg-shlibdeps fakeroot; do
    command -v "$tool" >/dev/null || missing="${missing:-} $tool"
done
if [ -n "${missing:-}" ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends dpkg-dev fakeroot
fi

build=$top/build-deb
# Only what the package holds: the tests and benchmarks stay out of this build.
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
      -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
cmake --build "$build" --target hexloom hexloom-format
(cd "$build" && cpack -G DEB)
ls "$build"/hexloom_*_amd64.deb
