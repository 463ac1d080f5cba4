# Shell settings for the package tests. Source it with $1 the build folder
# and $2 the tests folder; it sets $build, $tests, $version, the package
# files $deb and $rpm, a scratch folder $work (removed at exit), and
# $fail (0), which check() sets to 1 on a failed check.
set -u
build=$(cd "$1" && pwd) tests=$2
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb=$(ls "$build"/kalumet_"$version"-*_*.deb 2>/dev/null | head -n 1)
rpm=$(ls "$build"/kalumet-"$version"-*.rpm 2>/dev/null | head -n 1)
[ -n "$deb" ] && [ -n "$rpm" ] || { echo "no kalumet $version packages in $build"; exit 1; }
# The programs as they are declared: $kalumet_id, $brivon_title, ...
for facts in "$build"/programs/*.env; do
    . "$facts"
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
fail=0

# check "<what>" <command...>: runs the command, reports and records a failure.
check() {
    what=$1; shift
    "$@" || { echo "FAILED: $what"; fail=1; }
}

# The files (not folders) every package must hold, with the licence file of
# its format last.
key_files() {
    for app in kalumet brivon; do
        eval "id=\$${app}_id"
        echo "/usr/bin/$app"
        echo "/usr/share/applications/$id.desktop"
        echo "/usr/share/metainfo/$id.metainfo.xml"
        for size in 16 32 48 64 128 256; do
            echo "/usr/share/icons/hicolor/${size}x$size/apps/$id.png"
        done
        echo "/usr/share/man/man1/$app.1.gz"
        echo "/usr/share/man/ru/man1/$app.1.gz"
    done
    echo /usr/share/kalumet/translations/kalumet_en.qm
}
