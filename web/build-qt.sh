#!/bin/sh
# Builds Qt for WebAssembly once, from Debian's own qt6-base source with
# Debian's emscripten, and keeps it in a cache folder outside the source tree:
#   web/build-qt.sh           prints the Qt prefix when done
# The prefix is ${KALUMET_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kalumet}/
# qt-6.4.2-wasm. It holds a stamp of the configure options and the compiler;
# a later run with the same stamp builds nothing. Only what the programs and
# their tests need is built, static and single-threaded, as Qt builds for the
# web: Core, Gui, Widgets, OpenGL (the wasm platform draws through it), Test
# and the wasm platform plugin.
# Needs: cmake, ninja-build, emscripten, qt6-base-dev-tools (the host's moc,
# rcc and uic), dpkg-dev (apt-get source).
set -eu
here=$(cd "$(dirname "$0")" && pwd)

version=6.4.2
debversion=6.4.2+dfsg-10
cache=${KALUMET_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kalumet}
prefix="$cache/qt-$version-wasm"
work="$cache/qt-$version-wasm-build"
toolchain=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
emcc_version=$(emcc --version | sed -n '1s/.* \([0-9][0-9.]*\) .*/\1/p')

# Qt's CMake expects the layout of an Emscripten SDK: EMSDK names a folder
# whose .emscripten file says where emcc is (web/emsdk.sh). What Qt checks
# is done here by hand: Debian's emscripten is older than the one Qt asks
# for, and builds it all the same. Emscripten implements EGL in JavaScript
# and ships no libEGL, while the wasm platform's OpenGL context is compiled
# against EGL's headers: an empty libEGL.a stands in for the library.
#
# A page downloads all of a program, so Qt is compiled for size (-Os) and
# without what the programs and their tests never use: besides modules and
# image formats, the widgets, dialogs and styles that no window of theirs
# shows (graphics view, text edit, list and tree views, combo and spin
# boxes, calendars, the Windows and style sheet styles, ...), QTextDocument's
# Markdown and ODF, QPicture, QMovie, PDF, undo, What's This, MIME types,
# gestures and two calendars. Each is one of Qt's own features, which Qt's
# code leaves out where it is off; a feature that others need (the item
# views of the trace table, the Fusion style, the message box, the menu,
# accessibility, the clipboard, drag and drop, rich text) stays. Two that
# Qt 6.4 doesn't build without stay too: the main window (its removed API
# still includes the tool bar's header) and the tab bar (the dock widgets
# need it). web/qt-trim.sh leaves out what no feature covers.
options="-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
 -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
 -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten -DQT_AUTODETECT_WASM_IS_DONE=TRUE
 -DEMCC_VERSION=$emcc_version -DQT_EMCC_RECOMMENDED_VERSION=3.1.14
 -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
 -DFEATURE_thread=OFF -DFEATURE_egl=ON
 -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF
 -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
 -DFEATURE_vulkan=OFF
 -DFEATURE_imageformatplugin=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
 -DFEATURE_optimize_size=ON
 -DFEATURE_style_windows=OFF -DFEATURE_style_stylesheet=OFF
 -DFEATURE_graphicsview=OFF -DFEATURE_mdiarea=OFF
 -DFEATURE_textedit=OFF -DFEATURE_listview=OFF -DFEATURE_treeview=OFF
 -DFEATURE_combobox=OFF -DFEATURE_completer=OFF -DFEATURE_spinbox=OFF
 -DFEATURE_calendarwidget=OFF -DFEATURE_colordialog=OFF -DFEATURE_progressdialog=OFF
 -DFEATURE_wizard=OFF -DFEATURE_dial=OFF -DFEATURE_lcdnumber=OFF
 -DFEATURE_splashscreen=OFF -DFEATURE_commandlinkbutton=OFF
 -DFEATURE_keysequenceedit=OFF -DFEATURE_toolbox=OFF -DFEATURE_datawidgetmapper=OFF
 -DFEATURE_scroller=OFF -DFEATURE_splitter=OFF
 -DFEATURE_textodfwriter=OFF -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
 -DFEATURE_picture=OFF -DFEATURE_movie=OFF -DFEATURE_pdf=OFF
 -DFEATURE_imageformat_ppm=OFF -DFEATURE_imageformat_xbm=OFF
 -DFEATURE_undocommand=OFF -DFEATURE_whatsthis=OFF -DFEATURE_standarditemmodel=OFF
 -DFEATURE_filesystemmodel=OFF -DFEATURE_systemtrayicon=OFF
 -DFEATURE_mimetype=OFF -DFEATURE_gestures=OFF -DFEATURE_sha3_fast=OFF
 -DFEATURE_jalalicalendar=OFF -DFEATURE_islamiccivilcalendar=OFF"
stamp="qtbase $debversion
$options
$(cat "$here/qt-trim.sh")
$toolchain
$(emcc --version | head -n 1)"

# Built already, or Debian's source fetched (tools/qt-cache.sh).
. "$here/../tools/qt-cache.sh"
qt_cache_begin "Qt for WebAssembly"
src="$work/qt6-base-$version+dfsg"
sh "$here/qt-trim.sh" "$src"

. "$here/emsdk.sh"
emsdk_layout "$work/emsdk"
mkdir -p "$work/egl"
rm -f "$work/egl/libEGL.a"
emar rcs "$work/egl/libEGL.a"

# Configured anew each time, so that the options are exactly these; what an
# earlier run built with them is reused.
rm -f "$work/build/CMakeCache.txt"
# shellcheck disable=SC2086
cmake -S "$src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DEGL_LIBRARY="$work/egl/libEGL.a" $options
jobs=$(nproc 2>/dev/null || echo 2)
cmake --build "$work/build" -j "$jobs"
rm -rf "$prefix"
cmake --install "$work/build" >/dev/null
# What a program's build needs beside Qt: the stand-in libEGL, found where
# Qt's CMake looks for it, and the SDK layout.
cp "$work/egl/libEGL.a" "$prefix/lib/"
emsdk_layout "$prefix/emsdk"
qt_cache_done "Qt for WebAssembly"
