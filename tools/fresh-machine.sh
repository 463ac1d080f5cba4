#!/bin/sh
# The README's two commands, in their order, on a fresh Debian 12, timed: a
# minimal Debian 12 made with debootstrap in <folder>, the project's
# committed sources copied into it (git archive of HEAD), and then, as root
# inside it, `./setup.sh run` and `./setup.sh test`, one after the other,
# each with its wall time and status printed. Without a display, `run`
# builds and then ends with status 1, saying so: that is its expected end.
# The system's apt sources give the mirror. With --qt-cache the host's Qt
# for Windows (~/.cache/kalumet) is copied in, which saves building it
# (about 25 minutes on 2 cores); without it the whole takes hours.
# usage (as root): tools/fresh-machine.sh <new folder> [--qt-cache]
set -eu
[ "$(id -u)" -eq 0 ] || { echo "run it as root" >&2; exit 2; }
[ $# -ge 1 ] || { echo "usage: $0 <new folder> [--qt-cache]" >&2; exit 2; }
root=$1
project=$(cd "$(dirname "$0")/.." && pwd)
[ ! -e "$root" ] || { echo "$root exists: give a new folder" >&2; exit 2; }
mirror=$(sed -n 's/^URIs: *\([^ ]*\).*/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n 1)
[ -n "$mirror" ] || mirror=$(awk '$1 == "deb" { print $2; exit }' /etc/apt/sources.list)

start=$(date +%s)
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 \
    || { tail -n 20 "$root.debootstrap.log"; exit 1; }
echo "debootstrap: $(($(date +%s) - start)) s"
# No services are started by the packages installed inside.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod +x "$root/usr/sbin/policy-rc.d"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mkdir -p "$root/root/kalumet"
git -C "$project" archive HEAD | tar -C "$root/root/kalumet" -xf -
if [ "${2:-}" = --qt-cache ]; then
    mkdir -p "$root/root/.cache"
    cp -a "$HOME/.cache/kalumet" "$root/root/.cache/"
fi

for fs in proc sys dev; do
    mount --rbind "/$fs" "$root/$fs"
done
trap 'for fs in dev sys proc; do umount -R -l "$root/$fs"; done' EXIT INT TERM

for command in run test; do
    start=$(date +%s)
    status=0
    chroot "$root" env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
        sh -c "cd /root/kalumet && ./setup.sh $command" >"$root.$command.log" 2>&1 || status=$?
    echo "./setup.sh $command: $(($(date +%s) - start)) s, status $status (log: $root.$command.log)"
done
