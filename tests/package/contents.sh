#!/bin/sh
# Each package holds exactly what `cmake --install` installs for it (the
# programs with everything that comes with them, and the licence file of
# its format), owns no folder of the system, and depends on what its
# binaries were linked with, as computed by dpkg-shlibdeps and rpmbuild.
# usage: contents.sh <build folder> <tests folder>
. "$(dirname "$0")/lib.sh"

# install_list <component...>: what those components install under /usr,
# the packages' prefix, sorted.
install_list() {
    for c in "$@"; do
        DESTDIR="$work/stage" cmake --install "$build" --prefix /usr --component "$c" >/dev/null \
            || { echo "cmake --install failed"; exit 1; }
        awk 1 "$build/install_manifest_$c.txt" # the paths under the prefix, each on a line
    done | sort -u
}
# rpm_entries d|-: the folders or the files of the .rpm.
rpm_entries() {
    rpm -qp --qf '[%{FILEMODES:perms} %{FILENAMES}\n]' "$rpm" | awk -v t="$1" 'substr($1, 1, 1) == t { print $2 }' | sort
}
# lacks <list> <key list>: the keys that the list lacks; none prints nothing.
lacks() { sort "$2" | comm -13 "$1" -; }

install_list kalumet deb >"$work/deb.want"
install_list kalumet rpm >"$work/rpm.want"
dpkg-deb -c "$deb" | awk 'substr($1, 1, 1) != "d" { sub(/^\./, "", $6); print $6 }' | sort >"$work/deb.has"
rpm_entries - >"$work/rpm.has"
check ".deb holds the install list" diff -u "$work/deb.want" "$work/deb.has"
check ".rpm holds the install list" diff -u "$work/rpm.want" "$work/rpm.has"

{ key_files; for f in copyright changelog.gz changelog.Debian.gz; do echo "/usr/share/doc/kalumet/$f"; done; } \
    >"$work/deb.key"
{ key_files; echo /usr/share/licenses/kalumet/LICENSE; echo /usr/share/licenses/kalumet/NOTICE; } >"$work/rpm.key"
for format in deb rpm; do
    missing=$(lacks "$work/$format.has" "$work/$format.key")
    check ".$format lacks: $missing" test -z "$missing"
done

owned=$(rpm_entries d | grep -vx -e /usr/share/licenses/kalumet -e /usr/share/kalumet \
    -e /usr/share/kalumet/translations)
check ".rpm owns folders of the system: $owned" test -z "$owned"
check ".rpm marks its licence files" test "$(rpm -qpL "$rpm" | sort | tr '\n' ' ')" = \
    "/usr/share/licenses/kalumet/LICENSE /usr/share/licenses/kalumet/NOTICE "

# What the packages unpack to: the licence's full text, copied from the
# build machine, and programs that carry no run path.
dpkg-deb -x "$deb" "$work/deb"
mkdir "$work/rpm"
rpm2cpio "$rpm" | (cd "$work/rpm" && cpio -idm --quiet)
gpl=$(sed -n 's/^KALUMET_GPL_TEXT:FILEPATH=//p' "$build/CMakeCache.txt")
check ".rpm's LICENSE is $gpl" cmp "$gpl" "$work/rpm/usr/share/licenses/kalumet/LICENSE"
check "$gpl is the licence's full text" grep -q "END OF TERMS AND CONDITIONS" "$gpl"
for program in "$work"/deb/usr/bin/* "$work"/rpm/usr/bin/*; do
    path=$(readelf -d "$program" | grep -E 'R(UN)?PATH')
    check "${program#"$work"/} has no run path: $path" test -z "$path"
done

# Requirements found in the binaries: Qt's libraries by their sonames.
rpm -qpR "$rpm" >"$work/rpm.req"
depends=$(dpkg-deb -f "$deb" Depends)
check ".rpm requires the icon theme it installs into" grep -qx hicolor-icon-theme "$work/rpm.req"
for lib in Core Gui Widgets; do
    check ".rpm requires libQt6$lib" grep -q "^libQt6$lib\.so\.6(" "$work/rpm.req"
    lower=$(echo "$lib" | tr '[:upper:]' '[:lower:]')
    check ".deb depends on libqt6${lower}6: $depends" \
        sh -c 'echo "$1" | grep -q "libqt6${2}6\b"' sh "$depends" "$lower"
done
check ".deb recommends the fonts and Qt's translations" \
    test "$(dpkg-deb -f "$deb" Recommends)" = "fonts-wine, qt6-translations-l10n"

[ $fail -eq 0 ] && echo "package contents passed"
exit $fail
