# Sourced by the scripts that build with Debian's emscripten (web/build-qt.sh).
# Qt's CMake finds emscripten through the layout of an Emscripten SDK: the
# folder named by EMSDK holds a .emscripten file that names
# upstream/emscripten, where emcc, em++ and emscripten's CMake files are.
# emsdk_layout DIR makes that layout in DIR from Debian's emscripten and
# exports the variables the build reads: EMSDK, EMSCRIPTEN (for emscripten's
# toolchain file) and NODE_PATH (Debian's acorn, which emcc's JavaScript
# optimizer loads, is found there whichever node comes first on PATH).
emsdk_layout() {
    mkdir -p "$1/upstream/emscripten"
    echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" > "$1/.emscripten"
    ln -sfn /usr/bin/emcc "$1/upstream/emscripten/emcc"
    ln -sfn /usr/bin/em++ "$1/upstream/emscripten/em++"
    ln -sfn /usr/share/emscripten/cmake "$1/upstream/emscripten/cmake"
    EMSDK=$1
    EMSCRIPTEN=/usr/share/emscripten
    NODE_PATH=/usr/share/nodejs
    export EMSDK EMSCRIPTEN NODE_PATH
}
