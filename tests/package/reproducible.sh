#!/bin/sh
# The same sources built in other folders make the same packages, byte for
# byte: the build folder's .deb and .rpm against those made here from a copy
# of its source folder at another path, configured alike (first without
# dpkg-buildflags, then with it) and built apart from it. The .deb's files
# carry SOURCE_DATE_EPOCH, or else the time of the changelog's top entry.
# The copy is built verbosely, and blhc checks that every compile and link
# line of that log carries the distribution's flags (dpkg-buildflags).
# usage: reproducible.sh <build folder> <tests folder>
. "$(dirname "$0")/lib.sh"
. "$tests/build_elsewhere.sh"

cache() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
# The copy, configured as the build folder was. cpack then installs what
# "packaged" built, without first building all the rest (the tests, the
# tools).
copy_elsewhere "$build" "$work"
configure() {
    nice cmake -S "$copy" -B "$other" -G "$(cache CMAKE_GENERATOR)" -C "$work/cache.cmake" \
        -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >"$work/configure.log" 2>&1 \
        || { cat "$work/configure.log"; echo "FAILED: configuring the copy"; exit 1; }
}
# First configured where dpkg-buildflags is missing, as on a fresh machine
# before dpkg-dev is installed (./setup.sh run), then again where it is
# (./setup.sh test): the second time takes the distribution's flags, which
# blhc finds on every line of the build below. The PATH without it has the
# folders that hold it replaced by links to everything else in them.
bare_path=
for dir in $(echo "$PATH" | tr : ' '); do
    if [ -e "$dir/dpkg-buildflags" ]; then
        mkdir -p "$work/bare$dir"
        for f in "$dir"/*; do
            [ "${f##*/}" = dpkg-buildflags ] || ln -s "$f" "$work/bare$dir/"
        done
        dir=$work/bare$dir
    fi
    bare_path=$bare_path${bare_path:+:}$dir
done
(PATH=$bare_path && configure) || exit 1
check "configured without dpkg-buildflags, the copy leaves the distribution's flags out" \
    grep -q "dpkg-buildflags: not found" "$work/configure.log"
configure
check "configured again with dpkg-buildflags, the copy takes the distribution's flags" \
    grep -q "dpkg-buildflags: the distribution's flags are taken" "$work/configure.log"
# blhc reads a package build's log from dpkg-buildpackage's first line on.
echo "dpkg-buildpackage: info: host architecture $(dpkg --print-architecture)" >"$work/build.log"
nice cmake --build "$other" --target packaged --verbose -j "$(nproc)" >>"$work/build.log" 2>&1 \
    || { tail -n 30 "$work/build.log"; echo "FAILED: building the copy"; exit 1; }
(cd "$other" && cpack >"$work/cpack.log" 2>&1) \
    || { cat "$work/cpack.log"; echo "FAILED: packaging the copy"; exit 1; }

if ! cmp "$deb" "$other/$(basename "$deb")"; then
    echo "FAILED: the .deb differs when built elsewhere; its files that differ:"
    dpkg-deb -R "$deb" "$work/here"
    dpkg-deb -R "$other/$(basename "$deb")" "$work/there"
    diff -rq "$work/here" "$work/there"
    fail=1
fi
if ! cmp "$rpm" "$other/$(basename "$rpm")"; then
    echo "FAILED: the .rpm differs when built elsewhere; its files' sizes, times and digests:"
    rpm -qp --dump "$rpm" >"$work/here.dump"
    rpm -qp --dump "$other/$(basename "$rpm")" | diff "$work/here.dump" -
    fail=1
fi

epoch=${SOURCE_DATE_EPOCH:-$(dpkg-parsechangelog -l "$src/packaging/changelog" -STimestamp)}
dpkg-deb --fsys-tarfile "$deb" | TZ=UTC0 tar -tv --full-time | awk '{ print $4 "T" $5 }' | sort -u >"$work/times"
check "the .deb's files carry the time $epoch: $(cat "$work/times")" \
    test "$(cat "$work/times")" = "$(TZ=UTC0 date -d "@$epoch" +%Y-%m-%dT%H:%M:%S)"

blhc "$work/build.log" \
    || { echo "FAILED: blhc finds compile or link lines without the distribution's flags"; fail=1; }

[ $fail -eq 0 ] && echo "package reproducible passed"
exit $fail
