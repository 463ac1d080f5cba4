#!/bin/sh
# Fetches Debian's qt6-base source once into a work folder, for the scripts
# that build Qt for another platform (windows/build-qt.sh, web/build-qt.sh):
#   tools/qt-source.sh WORK DEBVERSION
# leaves the unpacked source in WORK/qt6-base-<upstream version>+dfsg. When
# it is there already, nothing is fetched; otherwise WORK is emptied first.
# Everything the tools print goes to standard error. Needs dpkg-dev.
set -eu
work=$1
debversion=$2
src="$work/qt6-base-${debversion%%-*}"
[ -f "$src/CMakeLists.txt" ] && exit 0
exec 1>&2

# Debian's source, from Debian's mirror, through a private apt configuration:
# the system's sources stay as they are, and apt checks the signature.
rm -rf "$work"
mkdir -p "$work/apt/lists/partial" "$work/apt/sources"
cat > "$work/apt/sources/debian-src.sources" <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
apt_private="-o Dir::Etc::SourceParts=$work/apt/sources -o Dir::Etc::SourceList=/dev/null
             -o Dir::State::Lists=$work/apt/lists -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache="
# shellcheck disable=SC2086
apt-get $apt_private -q update
# shellcheck disable=SC2086
(cd "$work" && apt-get $apt_private -q source "qt6-base=$debversion" >/dev/null)
