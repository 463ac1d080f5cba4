# The web build: Qt for WebAssembly as web/build-qt.sh builds it, with
# Debian's emscripten.
#   cmake -S . -B build-web -DCMAKE_TOOLCHAIN_FILE=web/toolchain.cmake \
#         -DCMAKE_PREFIX_PATH=<the prefix web/build-qt.sh prints>
# Qt's own toolchain file does the rest; it finds emscripten through the SDK
# layout that web/build-qt.sh leaves in the prefix (web/emsdk.sh). The
# variables are kept in the environment, where the checks CMake compiles in
# folders of their own (try_compile) find them too.
# (The prefix is read from the cache: Qt's toolchain file prepends to the
# variable.)
if(DEFINED CACHE{CMAKE_PREFIX_PATH})
    set(qt "$CACHE{CMAKE_PREFIX_PATH}")
    list(GET qt 0 qt)
    set(ENV{KALUMET_WASM_QT} "${qt}")
endif()
set(qt "$ENV{KALUMET_WASM_QT}")
if(NOT EXISTS "${qt}/lib/cmake/Qt6/qt.toolchain.cmake" OR NOT EXISTS "${qt}/emsdk/.emscripten")
    message(FATAL_ERROR "No Qt for WebAssembly in \"${qt}\": give its prefix, as "
                        "web/build-qt.sh prints it, with -DCMAKE_PREFIX_PATH=")
endif()
set(ENV{EMSDK} "${qt}/emsdk")
set(ENV{EMSCRIPTEN} /usr/share/emscripten)
include("${qt}/lib/cmake/Qt6/qt.toolchain.cmake")
