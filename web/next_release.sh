#!/bin/sh
# Builds the web release a site gets next: the same sources with a version
# one patch level higher (and an entry for it in the changelog and the
# Debian package's, as a release has them), built for the web
# as the web build folder is, for the end-to-end test's updates.
#   next_release.sh <source folder> <web build folder> <folder for it>
# The release ends up in <folder>/build/kalumet-<version>-web. The copy of
# the sources keeps their times and its build folder stays, so that a later
# run builds only what changed since.
set -eu
source=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
mkdir -p "$3/source" "$3/bumped"
next=$(cd "$3" && pwd)

(cd "$source" && tar --exclude=./.git --exclude='./build' --exclude='./build-*' -cf - .) |
    (cd "$next/source" && tar -xf -)

version=$(sed -n 's/^project(kalumet VERSION \([0-9.]*\)$/\1/p' "$source/CMakeLists.txt")
patch=${version##*.}
bumped="${version%.*}.$((patch + 1))"
# The bumped files, put in place with the times of the last run's where
# they are the same, which the copy's build then doesn't configure anew for.
sed "s/^project(kalumet VERSION $version\$/project(kalumet VERSION $bumped/" \
    "$source/CMakeLists.txt" > "$next/CMakeLists.txt"
{
    echo "kalumet ($bumped) unstable; urgency=medium"
    echo
    echo "  * The release after $version."
    echo
    grep -m 1 '^ -- ' "$source/packaging/changelog"
    echo
    cat "$source/packaging/changelog"
} > "$next/changelog"
{
    echo "kalumet ($bumped-1) unstable; urgency=medium"
    echo
    echo "  * The release after $version."
    echo
    grep -m 1 '^ -- ' "$source/debian/changelog"
    echo
    cat "$source/debian/changelog"
} > "$next/debian-changelog"
for file in CMakeLists.txt changelog debian-changelog; do
    if cmp -s "$next/$file" "$next/bumped/$file"; then
        rm "$next/$file"
    else
        mv "$next/$file" "$next/bumped/$file"
    fi
done
cp -p "$next/bumped/CMakeLists.txt" "$next/source/CMakeLists.txt"
cp -p "$next/bumped/changelog" "$next/source/packaging/changelog"
cp -p "$next/bumped/debian-changelog" "$next/source/debian/changelog"

qt=$(sed -n 's/^CMAKE_PREFIX_PATH:[A-Z]*=//p' "$build/CMakeCache.txt")
cmake -S "$next/source" -B "$next/build" -DCMAKE_TOOLCHAIN_FILE="$next/source/web/toolchain.cmake" \
      -DCMAKE_PREFIX_PATH="$qt" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$next/build" -j 2 --target web-release
test -f "$next/build/kalumet-$bumped-web/serviceworker.js"
