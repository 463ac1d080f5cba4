#!/bin/sh
# lintian on the .deb and rpmlint on the .rpm, then the desktop's validators
# on what the .deb holds: the desktop entries, the AppStream metainfo and the
# manual pages. A warning fails as an error does, but rpmlint's: its
# warnings and lintian's information tags are shown. The .rpm is unsigned
# (whoever publishes it signs it).
# usage: lint.sh <build folder> <tests folder>
. "$(dirname "$0")/lib.sh"

# clean "<what>" <command...>: the command succeeds and warns of nothing.
clean() {
    what=$1; shift
    out=$("$@" 2>&1) || { echo "$out"; echo "FAILED: $what"; fail=1; return; }
    if echo "$out" | grep -Eq '^[EW]: |(warning|error)'; then
        echo "$out"; echo "FAILED: $what"; fail=1
    fi
}

echo "lintian $(basename "$deb"):"
lintian --display-info --fail-on error,warning "$deb" || { echo "FAILED: lintian"; fail=1; }

echo "rpmlint $(basename "$rpm"):"
rpmlint -c "$(dirname "$0")/rpmlint.toml" "$rpm" >"$work/rpmlint" 2>&1
cat "$work/rpmlint"
errors=$(grep ': E: ' "$work/rpmlint" | grep -v ': E: no-signature$')
check "rpmlint: $errors" test -z "$errors"

dpkg-deb -x "$deb" "$work/root"
for entry in "$work"/root/usr/share/applications/*.desktop; do
    clean "desktop-file-validate $(basename "$entry")" desktop-file-validate "$entry"
done
for info in "$work"/root/usr/share/metainfo/*.xml; do
    clean "appstreamcli validate $(basename "$info")" appstreamcli validate --no-net "$info"
done
for page in "$work"/root/usr/share/man/man1/*.gz "$work"/root/usr/share/man/ru/man1/*.gz; do
    clean "man --warnings ${page#"$work"/root}" \
        sh -c 'man --warnings -E UTF-8 -l "$1" >/dev/null' sh "$page"
done
# The English pages in a plain terminal too, their Russian captions spelt
# in Latin letters.
for page in "$work"/root/usr/share/man/man1/*.gz; do
    clean "LANG=C man --warnings ${page#"$work"/root}" \
        env -u LANGUAGE LC_ALL=C LANG=C sh -c 'man --warnings -l "$1" >/dev/null' sh "$page"
done

[ $fail -eq 0 ] && echo "package lint passed"
exit $fail
