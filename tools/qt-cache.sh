# Qt built once into the project's cache folder: what windows/build-qt.sh
# and web/build-qt.sh share. They source this file, having set prefix (the
# Qt to install), work (the build's folder), stamp (what the Qt is built
# from and with) and debversion (Debian's qt6-base version).

# qt_cache_begin NAME: when the prefix holds a Qt with this stamp, prints
# the prefix and ends the script. Otherwise from here on what the tools
# print goes to standard error, standard output (kept as descriptor 3)
# carrying the prefix alone for the caller to read, and Debian's source is
# fetched into the work folder (tools/qt-source.sh).
qt_cache_begin() {
    if [ -f "$prefix/kalumet-stamp" ] && [ "$(cat "$prefix/kalumet-stamp")" = "$stamp" ]; then
        echo "$1 is built already: $prefix (0 s)" >&2
        echo "$prefix"
        exit 0
    fi
    qt_cache_start=$(date +%s)
    exec 3>&1 1>&2
    sh "$(dirname "$0")/../tools/qt-source.sh" "$work" "$debversion"
}

# qt_cache_done NAME: stamps the installed Qt, removes the work folder, and
# prints the time it took and the prefix.
qt_cache_done() {
    printf '%s\n' "$stamp" > "$prefix/kalumet-stamp"
    rm -rf "$work"
    echo "$1 built in $(( $(date +%s) - qt_cache_start )) s: $prefix"
    echo "$prefix" >&3
}
