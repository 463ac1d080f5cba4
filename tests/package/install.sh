#!/bin/sh
# Installs the .deb on this machine with apt-get, starts both programs from
# PATH under Xvfb and closes them by their close boxes, then purges the
# package and checks that nothing it brought is left behind. Needs root, or
# sudo without a password; skipped (77) otherwise.
# usage: install.sh <build folder> <tests folder>
. "$(dirname "$0")/lib.sh"

sudo=
if [ "$(id -u)" -ne 0 ]; then
    sudo -n true 2>/dev/null || { echo "needs root or sudo without a password: skipped"; exit 77; }
    sudo="sudo -n"
fi
apt() { $sudo env DEBIAN_FRONTEND=noninteractive apt-get -y -q "$@" >"$work/apt.log" 2>&1 \
            || { cat "$work/apt.log"; echo "FAILED: apt-get $*"; exit 1; }; }
installed() { dpkg-query -W -f '${Status}' kalumet 2>/dev/null | grep -q "install ok installed"; }

installed && echo "note: kalumet was installed before the test; it is reinstalled and purged"
# apt reads a local package as an unprivileged user: a copy it can read.
chmod 755 "$work"
cp "$deb" "$work/kalumet.deb"
chmod 644 "$work/kalumet.deb"
# What the package brings, and which of those paths were here before it.
dpkg-deb -c "$deb" | awk '{ sub(/^\./, "", $6); sub(/\/$/, "", $6); if ($6 != "") print $6 }' >"$work/paths"
while read -r path; do [ -e "$path" ] && echo "$path"; done <"$work/paths" >"$work/before"

trap 'installed && $sudo env DEBIAN_FRONTEND=noninteractive apt-get -y -q purge kalumet >/dev/null 2>&1; rm -rf "$work"' EXIT INT TERM
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

apt purge kalumet
installed && { echo "FAILED: kalumet is still installed after the purge"; fail=1; }
while read -r path; do
    [ -e "$path" ] && ! grep -qxF "$path" "$work/before" && echo "$path"
done <"$work/paths" >"$work/left"
check "the purge left behind: $(cat "$work/left")" test ! -s "$work/left"

[ $fail -eq 0 ] && echo "package install passed"
exit $fail
