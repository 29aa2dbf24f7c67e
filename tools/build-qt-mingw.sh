#!/bin/sh
# Builds Qt's qtbase for 64-bit Windows with mingw-w64, once, into a cache folder
# outside the clone, from Debian's own qt6-base source: the same 6.4.2 as the host
# tools (moc, rcc, uic) that the cross build borrows from qt6-base-dev-tools.
# Usage: tools/build-qt-mingw.sh   (HEXLOOM_QT_MINGW names the cache folder)
# It takes about an hour on two cores, so it runs at the lowest priority.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
prefix=${HEXLOOM_QT_MINGW:-/var/cache/hexloom/qt6-mingw}
work=${HEXLOOM_QT_MINGW_WORK:-/var/cache/hexloom/qt6-mingw-build}
version=6.4.2+dfsg-10
jobs=${HEXLOOM_QT_JOBS:-2}

if [ -f "$prefix/.complete" ]; then
    echo "Qt for Windows: using $prefix"
    exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo

# apt-get source needs a deb-src entry; add one for the mirror this machine
# already uses, once.
if ! grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    echo "Adding a deb-src entry for the Debian mirror in use"
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
        $sudo tee /etc/apt/sources.list.d/hexloom-deb-src.sources >/dev/null
    $sudo apt-get update -qq
fi

source_dir=$work/qt6-base-6.4.2+dfsg
if [ ! -f "$source_dir/CMakeLists.txt" ]; then
    rm -rf "$work"
    mkdir -p "$work"
    (cd "$work" && apt-get source -q "qt6-base=$version")
fi

# Only what Hexloom uses. Debian's source lacks the Wintab headers (their
# licence forbids changes), so tablet events are off; nothing here needs them.
# Without Direct2D, Qt 6.4 builds no DirectWrite 3 font database but the windows
# plugin still asks for one: it uses the DirectWrite engine of the GDI one instead.
nice -n 19 cmake -S "$source_dir" -B "$work/build" -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_INSTALL_PREFIX="$prefix" \
      -DQT_HOST_PATH=/usr \
      -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
      -DBUILD_SHARED_LIBS=ON \
      -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
      -DQT_GENERATE_SBOM=OFF \
      -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF \
      -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF \
      -DFEATURE_printsupport=OFF -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF \
      -DFEATURE_testlib_selfcover=OFF \
      -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF \
      -DFEATURE_sql_sqlite=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF \
      -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF \
      -DFEATURE_system_harfbuzz=OFF -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF \
      -DFEATURE_zstd=OFF -DFEATURE_icu=OFF -DFEATURE_glib=OFF \
      -DFEATURE_androiddeployqt=OFF

# Ninja's status line shows the progress: [done/total].
NINJA_STATUS="Qt for Windows [%f/%t %p] " \
    nice -n 19 cmake --build "$work/build" --parallel "$jobs"
cmake --install "$work/build"
touch "$prefix/.complete"
rm -rf "$work"
echo "Qt for Windows: built into $prefix"
