#!/bin/sh
# The release tarball, kalumet-<version>.tar.xz: the files git tracks in
# this checkout, as they are in its work tree, under kalumet-<version>/,
# and nothing else (no build folder, no git data). The same files make the
# same bytes: names sorted, owner and group root (0), modes 644 and 755,
# every file's time SOURCE_DATE_EPOCH or, where it is unset, the release's
# (the top entry of packaging/changelog), and xz on one thread.
# usage: sh packaging/tarball.sh [output folder]   (the current folder by default)
set -eu
src=$(cd "$(dirname "$0")/.." && pwd)
out=$(cd "${1:-.}" && pwd)
version=$(sed -n 's/^project(kalumet VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
[ -n "$version" ] || { echo "no version in project() of $src/CMakeLists.txt" >&2; exit 1; }
epoch=${SOURCE_DATE_EPOCH:-$(dpkg-parsechangelog -l "$src/packaging/changelog" -STimestamp)}
name=kalumet-$version

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT INT TERM
mkdir "$stage/$name"
git -C "$src" ls-files -z | tar -C "$src" --null --no-recursion -T - -cf - | tar -C "$stage/$name" -xf -
tar -C "$stage" --sort=name --mtime="@$epoch" --owner=0 --group=0 --numeric-owner \
    --mode=u=rwX,go=rX --format=posix --pax-option=exthdr.name=%d/PaxHeaders/%f,delete=atime,delete=ctime \
    -cf - "$name" | xz -6 -T1 >"$stage/$name.tar.xz"
mv "$stage/$name.tar.xz" "$out/$name.tar.xz"
echo "$out/$name.tar.xz"
