# Shell settings for the package tests. Source it with $1 the build folder
# and $2 the tests folder; it sets $build, its source folder $src, $tests,
# $version, the package files $deb and $rpm, a scratch folder $work
# (removed at exit), and $fail (0), which check() sets to 1 on a failed
# check.
set -u
build=$(cd "$1" && pwd) tests=$2
src=$(sed -n 's/^CMAKE_HOME_DIRECTORY:[A-Z]*=//p' "$build/CMakeCache.txt")
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

# The tests that install a package on this machine: root_or_skip sets
# $sudo, or skips the test (77) where neither root nor sudo without a
# password is at hand. installed: kalumet is installed. note_paths <.deb>:
# what the package brings, and which of those paths are here before it is
# installed. purge_and_check: purges kalumet (at exit too, should the test
# stop before) and checks that nothing the package brought is left behind.
root_or_skip() {
    sudo=
    if [ "$(id -u)" -ne 0 ]; then
        sudo -n true 2>/dev/null || { echo "needs root or sudo without a password: skipped"; exit 77; }
        sudo="sudo -n"
    fi
}
installed() { dpkg-query -W -f '${Status}' kalumet 2>/dev/null | grep -q "install ok installed"; }
note_paths() {
    installed && echo "note: kalumet was installed before the test; it is reinstalled and purged"
    dpkg-deb -c "$1" | awk '{ sub(/^\./, "", $6); sub(/\/$/, "", $6); if ($6 != "") print $6 }' >"$work/paths"
    while read -r path; do [ -e "$path" ] && echo "$path"; done <"$work/paths" >"$work/before"
    trap 'installed && $sudo env DEBIAN_FRONTEND=noninteractive apt-get -y -q purge kalumet >/dev/null 2>&1; rm -rf "$work"' EXIT INT TERM
}
purge_and_check() {
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get -y -q purge kalumet >"$work/apt.log" 2>&1 \
        || { cat "$work/apt.log"; echo "FAILED: apt-get purge kalumet"; fail=1; }
    installed && { echo "FAILED: kalumet is still installed after the purge"; fail=1; }
    while read -r path; do
        [ -e "$path" ] && ! grep -qxF "$path" "$work/before" && echo "$path"
    done <"$work/paths" >"$work/left"
    check "the purge left behind: $(cat "$work/left")" test ! -s "$work/left"
}
