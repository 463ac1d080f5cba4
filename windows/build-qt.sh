#!/bin/sh
# Builds Qt for 64-bit Windows once, from Debian's own qt6-base source, and
# keeps it in a cache folder outside the source tree:
#   windows/build-qt.sh           prints the Qt prefix when done
# The prefix is ${KALUMET_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kalumet}/
# qt-6.4.2-mingw64. It holds a stamp of the configure options and toolchain;
# a later run with the same stamp builds nothing. Only what the programs and
# their tests load is built, as shared libraries: Core, Gui, Widgets, Test,
# the windows and offscreen platform plugins and the windowsvista style.
# Needs: cmake, ninja-build, g++-mingw-w64-x86-64-posix, qt6-base-dev-tools
# (the host's moc, rcc and uic), dpkg-dev (apt-get source).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
toolchain="$here/mingw64.cmake"

version=6.4.2
debversion=6.4.2+dfsg-10
cache=${KALUMET_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kalumet}
prefix="$cache/qt-$version-mingw64"
work="$cache/qt-$version-mingw64-build"

# Debian leaves the tablet headers out of its source, so no tablet events.
# OpenGL stays on: the windows plugin of this Qt needs it to build; so does
# Direct2D, without which Qt's DirectWrite font database is left out while
# the windows plugin still refers to it.
options="-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
 -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
 -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
 -DFEATURE_tabletevent=OFF
 -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF
 -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
 -DFEATURE_vulkan=OFF
 -DFEATURE_imageformatplugin=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
 -DFEATURE_system_zlib=OFF"
stamp="qtbase $debversion
$options
$(cat "$toolchain")
$(x86_64-w64-mingw32-g++-posix --version | head -n 1)"

# Built already, or Debian's source fetched (tools/qt-cache.sh).
. "$here/../tools/qt-cache.sh"
qt_cache_begin "Qt for Windows"
src="$work/qt6-base-$version+dfsg"

# Configured anew each time, so that the options are exactly these; what an
# earlier run built with them is reused.
rm -f "$work/build/CMakeCache.txt"
# shellcheck disable=SC2086
cmake -S "$src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$prefix" $options
jobs=$(nproc 2>/dev/null || echo 2)
cmake --build "$work/build" -j "$jobs"
rm -rf "$prefix"
cmake --install "$work/build" >/dev/null
qt_cache_done "Qt for Windows"
