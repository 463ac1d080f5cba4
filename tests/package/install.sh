#!/bin/sh
# Installs the .deb on this machine with apt-get, starts both programs from
# PATH under Xvfb and closes them by their close boxes, then purges the
# package and checks that nothing it brought is left behind. Needs root, or
# sudo without a password; skipped (77) otherwise.
# usage: install.sh <build folder> <tests folder>
. "$(dirname "$0")/lib.sh"

root_or_skip
apt() { $sudo env DEBIAN_FRONTEND=noninteractive apt-get -y -q "$@" >"$work/apt.log" 2>&1 \
            || { cat "$work/apt.log"; echo "FAILED: apt-get $*"; exit 1; }; }

# apt reads a local package as an unprivileged user: a copy it can read.
chmod 755 "$work"
cp "$deb" "$work/kalumet.deb"
chmod 644 "$work/kalumet.deb"
note_paths "$deb"
apt install --no-install-recommends "$work/kalumet.deb"
check "kalumet is installed" installed
for app in kalumet brivon; do
    check "$app is /usr/bin/$app on PATH" test "$(command -v "$app")" = "/usr/bin/$app"
done
# The smoke test checks the Russian titles, whatever the language of the
# test's environment.
export KALUMET_FACTS="$build/programs" XWINDOW="$build/tests/xwindow" LANGUAGE=ru
check "kalumet starts and closes" sh "$tests/xvfb_smoke.sh" /usr/bin/kalumet kalumet 1
check "brivon starts and closes" sh "$tests/xvfb_smoke.sh" /usr/bin/brivon brivon 1

purge_and_check

[ $fail -eq 0 ] && echo "package install passed"
exit $fail
