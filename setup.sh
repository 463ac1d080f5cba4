#!/bin/sh
# One command for everything, on a fresh Debian 12 machine:
#   ./setup.sh run    installs what is missing, builds, starts kalumet
#   ./setup.sh test   installs what is missing, builds, runs all tests, builds
#                     the .deb and .rpm packages and tests them (installing
#                     and purging the .deb), and the Debian source package
#                     from the release tarball with its tests (autopkgtest
#                     installs and purges it too), then builds the tests again with
#                     the address and undefined behaviour sanitizers and runs
#                     them there too, and then does what "windows" does
#   ./setup.sh windows  installs what is missing, builds Qt for Windows once
#                     (windows/build-qt.sh, kept in a cache), cross builds
#                     both programs and the Windows release in build-windows/
#                     and runs its tests under Wine (label "windows")
#   ./setup.sh web    installs what is missing, builds Qt for WebAssembly once
#                     (web/build-qt.sh, kept in a cache), builds both programs'
#                     pages and the web release in build-web/ and runs its
#                     tests in headless Chromium (label "web")
# Runs apt-get only when a package is missing; needs root or sudo for that.
set -eu
cd "$(dirname "$0")"

case "${1:-}" in
    run | test | windows | web) ;;
    *) echo "usage: $0 run|test|windows|web" >&2; exit 2 ;;
esac

packages="cmake make g++ qt6-base-dev qt6-base-private-dev qt6-base-dev-tools qt6-l10n-tools libgl-dev libx11-dev fonts-wine
          fonts-dejavu-core qt6-translations-l10n xvfb xauth xdotool x11-utils desktop-file-utils"
# The tests (and the accessibility bus they start, and Free Pascal, which
# runs the Pascal listing), and the packages' tools: building (the Debian
# source package too: debhelper), linting, validating, and running the
# Debian package's tests (autopkgtest).
[ "$1" = test ] && packages="$packages valgrind dpkg-dev file rpm cpio lintian rpmlint blhc appstream fp-compiler
                                  man-db dbus-daemon at-spi2-core python3-gi
                                  gir1.2-atspi-2.0 orca openbox x11-xserver-utils
                                  debhelper autopkgtest"
# The Windows release: Qt's source (apt-get source needs dpkg-dev), the
# cross compiler, the installer's maker, Wine (with the X libraries its
# windows need) and the tools its tests use.
{ [ "$1" = test ] || [ "$1" = windows ]; } && packages="$packages dpkg-dev ninja-build g++-mingw-w64-x86-64-posix
                                  mingw-w64-tools nsis wine wine64 libxrender1 libxrandr2
                                  libxi6 libxcursor1 libxfixes3 libxcomposite1 libxinerama1
                                  xclip unzip"
# The web release: Qt's source, Debian's emscripten, brotli for its
# precompressed files, and the browser and DevTools client its tests use.
[ "$1" = web ] && packages="$packages dpkg-dev ninja-build emscripten brotli chromium python3-websocket"
missing=""
for p in $packages; do
    dpkg-query -W -f '${Status}' "$p" 2>/dev/null | grep -q "install ok installed" \
        || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
    # shellcheck disable=SC2086
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
fi

jobs=$(nproc 2>/dev/null || echo 2)

# The tests' builds stop at any compiler warning.
checked=""
[ "$1" != run ] && checked="-DKALUMET_WERROR=ON"

# A release built against its own Qt, and its tests: the Windows release
# under Wine (release windows windows/mingw64.cmake), the web release in
# headless Chromium (release web web/toolchain.cmake).
release() {
    qt=$(sh "$1/build-qt.sh")
    cmake -S . -B "build-$1" -DCMAKE_TOOLCHAIN_FILE="$2" \
        -DCMAKE_PREFIX_PATH="$qt" -DCMAKE_BUILD_TYPE=Release $checked
    cmake --build "build-$1" -j "$jobs"
    cmake --build "build-$1" --target package
    ctest --test-dir "build-$1" -L "$1" --output-on-failure -j "$jobs"
}
case "$1" in
windows) release windows windows/mingw64.cmake; exit ;;
web) release web web/toolchain.cmake; exit ;;
esac

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo $checked
cmake --build build -j "$jobs"

if [ "$1" = run ]; then
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display: start kalumet from a desktop session (or under Xvfb)." >&2
        exit 1
    fi
    exec ./build/demo/kalumet
fi
# The long random walk (label "long") is left to a developer who asks for it.
(cd build && ctest --output-on-failure -j "$jobs" -LE long)
# The tests on an X server once more in the POSIX locale, as containers and
# cron have it: window titles and texts must not need UTF-8 there.
(cd build && env -u LANG -u LC_ALL -u LC_CTYPE ctest --output-on-failure -j "$jobs" -L xvfb)

# The packages of the ordinary build: built, checked, linted, and the .deb
# installed, started and purged; the Debian source package built from the
# release tarball, linted and its tests run by autopkgtest (a CTest project
# of its own, label "package").
cmake -S tests/package -B build/package-tests -DKALUMET_BUILD_DIR="$PWD/build"
ctest --test-dir build/package-tests -L package --output-on-failure

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSANITIZE=address,undefined $checked
cmake --build build-sanitize -j "$jobs"
(cd build-sanitize && ctest --output-on-failure -j "$jobs" -LE long)

release windows windows/mingw64.cmake
