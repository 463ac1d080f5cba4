#!/bin/sh
# The Debian source package, as a distribution takes it: the release
# tarball made by packaging/tarball.sh (the same bytes when made again,
# holding the files git tracks), unpacked in a scratch folder and built
# there by dpkg-buildpackage, source and binary, with the project's tests
# run by dh_auto_test. Then, on what that build made: lintian on the
# .changes, autopkgtest with debian/tests against the .deb, and the .deb's
# files, name and recommendations against the .deb of the build folder.
# The scratch folder is $KALUMET_DEBIAN_DIR, kept from "build" to "clean".
# usage: debian.sh <build folder> <tests folder> build|lint|autopkgtest|contents|clean
. "$(dirname "$0")/lib.sh"

dir=$KALUMET_DEBIAN_DIR
tarball=kalumet-$version.tar.xz tree=$dir/kalumet-$version
debian_version=$(dpkg-parsechangelog -l "$src/debian/changelog" -SVersion)
arch=$(dpkg --print-architecture)
changes=$dir/kalumet_${debian_version#*:}_$arch.changes
built_deb=$dir/kalumet_${debian_version#*:}_$arch.deb

build() {
    rm -rf "$dir"
    mkdir -p "$dir/again"
    sh "$src/packaging/tarball.sh" "$dir" >/dev/null || { echo "FAILED: packaging/tarball.sh"; exit 1; }
    # Made again where the work tree reads otherwise: another umask, time
    # zone and locale.
    (umask 077 && TZ=Asia/Tokyo LC_ALL=C.UTF-8 sh "$src/packaging/tarball.sh" "$dir/again" >/dev/null)
    check "the tarball is the same bytes when made again" cmp "$dir/$tarball" "$dir/again/$tarball"
    tar -tJf "$dir/$tarball" | sed -n "s|^kalumet-$version/\(.*[^/]\)$|\1|p" | LC_ALL=C sort >"$work/tarball"
    git -C "$src" ls-files | LC_ALL=C sort >"$work/tracked"
    check "the tarball holds the files git tracks" diff -u "$work/tracked" "$work/tarball"

    tar -C "$dir" -xJf "$dir/$tarball"
    ln -s "$tarball" "$dir/kalumet_$version.orig.tar.xz"
    start=$(date +%s)
    if ! (cd "$tree" && nice dpkg-buildpackage -us -uc -j"$(nproc)") >"$dir/build.log" 2>&1; then
        # The tests' reports come before the summary; the log outlives the
        # scratch folder.
        cp "$dir/build.log" "$dir.log"
        grep -E '^[0-9]+/[0-9]+ Test +#' "$dir.log" | grep -v ' Passed '
        tail -n 80 "$dir.log"
        echo "FAILED: dpkg-buildpackage; its log: $dir.log"
        exit 1
    fi
    echo "dpkg-buildpackage took $(($(date +%s) - start)) s; dh_auto_test: $(grep 'tests passed' "$dir/build.log")"
    check "the .changes has the source and the $arch package" \
        grep -qx "Architecture: source $arch" "$changes"
    # All the build folder's tests but the long ones, each passed.
    total=$(ctest --test-dir "$build" -N -LE long | sed -n 's/^Total Tests: //p')
    check "dh_auto_test ran the $total tests: $(grep 'tests passed' "$dir/build.log")" \
        grep -q "^100% tests passed, 0 tests failed out of $total\$" "$dir/build.log"
    (cd "$tree" && DEB_BUILD_OPTIONS=nocheck debian/rules override_dh_auto_test) >"$work/nocheck.log" 2>&1
    check "DEB_BUILD_OPTIONS=nocheck runs no test: $(cat "$work/nocheck.log")" \
        sh -c '! grep -q ctest "$1"' sh "$work/nocheck.log"
    blhc "$dir/build.log" \
        || { echo "FAILED: blhc finds compile or link lines without the distribution's flags"; fail=1; }

    # Configuring stops where debian/changelog is for another release.
    mkdir "$work/other"
    tar -C "$work/other" -xJf "$dir/$tarball"
    sed -i "1s/(.*)/(9.9.9-1)/" "$work/other/kalumet-$version/debian/changelog"
    cmake -S "$work/other/kalumet-$version" -B "$work/other/build" >"$work/other.log" 2>&1
    check "configuring stops where debian/changelog is for 9.9.9" \
        grep -q "debian/changelog: the top entry is not for version $version" "$work/other.log"
}

lint() {
    lintian --pedantic --display-info "$changes" >"$work/lintian" 2>&1
    status=$?
    echo "lintian --pedantic --display-info $(basename "$changes"):"
    grep -v "running with root privileges" "$work/lintian"
    check "lintian exits with $status" test $status -eq 0
    tags=$(grep -E '^[EWIPX]: ' "$work/lintian")
    check "lintian reports no tag" test -z "$tags"
}

# autopkgtest's null testbed is this machine: it installs the .deb and the
# tests' dependencies, and leaves them installed; the package is then
# purged as in install.sh.
run_autopkgtest() {
    root_or_skip
    note_paths "$built_deb"
    $sudo autopkgtest "$changes" -- null >"$work/autopkgtest.log" 2>&1
    status=$?
    awk '/@@@@ summary/ { on = 1 } on && !/^(autopkgtest \[.*\]: [^@]|Get:|Fetched|Reading)/' \
        "$work/autopkgtest.log" >"$work/summary"
    [ $status -eq 0 ] || cat "$work/autopkgtest.log"
    cat "$work/summary"
    check "autopkgtest exits with $status" test $status -eq 0
    for t in commandline windows demonstration; do
        check "autopkgtest: $t passed" grep -Eq "^$t +PASS" "$work/summary"
    done
    purge_and_check
}

contents() {
    entries() { dpkg-deb -c "$1" | awk '{ sub(/^\./, "", $6); if ($6 != "/") print $6 }' | sort; }
    entries "$deb" >"$work/cpack"
    entries "$built_deb" >"$work/debian"
    check "the Debian package holds the files of $(basename "$deb")" diff -u "$work/cpack" "$work/debian"
    echo "$(wc -l <"$work/debian") files and folders in the Debian package, as in the build folder's .deb"
    for field in Package Version Section Priority Recommends Description; do
        check "the Debian package's $field is that of $(basename "$deb")" \
            test "$(dpkg-deb -f "$built_deb" "$field")" = "$(dpkg-deb -f "$deb" "$field")"
    done
}

case ${3:-} in
    build) build ;;
    lint) lint ;;
    autopkgtest) run_autopkgtest ;;
    contents) contents ;;
    clean) rm -rf "$dir" ;;
    *) echo "usage: $0 <build folder> <tests folder> build|lint|autopkgtest|contents|clean"; exit 2 ;;
esac
[ $fail -eq 0 ] && echo "package debian $3 passed"
exit $fail
