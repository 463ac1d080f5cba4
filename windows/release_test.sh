#!/bin/sh
# Checks the Windows release. Under Wine, in a fresh private Wine prefix on a
# private Xvfb server, driven by real X input:
#   installer     the installer installs silently, with its Start menu
#                 entries and uninstall entry (its folder and size too); both
#                 installed programs run and close by their close box with
#                 status 0; installed again into another folder, it removes
#                 the first install, folder and all; installed again without
#                 a folder, it keeps the previous one; the silent uninstall
#                 in place (_?=, as the README shows it) has removed all but
#                 itself when it returns, and leaves no Start menu entry and
#                 no registry key that names the project
#   portable      the .zip holds the licence and the notice, and the
#                 programs their title (FileDescription) and manifest; both
#                 programs run from it unpacked in a folder whose path has
#                 spaces and Cyrillic letters, and write nothing beside
#                 themselves nor into the registry; --version and a refused
#                 option answer with Linux's texts and status
# Without Wine:
#   reproducible  the release built again from a copy of the sources in
#                 other folders holds the same .exe and .dll files, byte for
#                 byte
# The programs are started, found and closed with tests/xvfb_lib.sh, which
# reads their declared facts (KALUMET_FACTS) and closes windows with the
# xwindow tool (XWINDOW).
# usage: release_test.sh installer|portable|reproducible <build folder> <version>
set -u
mode=$1 packages=$2 version=$3
here=$(cd "$(dirname "$0")" && pwd)
setup="$packages/kalumet-$version-win64-setup.exe"
zip="$packages/kalumet-$version-win64.zip"
for f in "$setup" "$zip"; do
    [ -f "$f" ] || { echo "missing $f: build the package target first"; exit 1; }
done
# Wine reads its arguments and names files in the locale's encoding: the
# Cyrillic folders need UTF-8, whatever the locale the test is run in.
export LC_ALL=C.UTF-8
# Russian, the programs' own language: Wine's display language under this
# locale is English, which would choose the English translation.
export LANGUAGE=ru
scratch=$(mktemp -d)
fail() { echo "$*"; exit 1; }
cache() { sed -n "s/^$1:[A-Z]*=//p" "$packages/CMakeCache.txt"; }

if [ "$mode" = reproducible ]; then
    trap 'rm -rf "$scratch"' EXIT INT TERM
    # The copy, configured as the build folder was (but for the toolchain
    # file, which is in the source folder). cpack then packs what "packaged"
    # built, without first building all the rest (the tests).
    . "$here/../tests/build_elsewhere.sh"
    copy_elsewhere "$packages" "$scratch"
    nice cmake -S "$copy" -B "$other" -G "$(cache CMAKE_GENERATOR)" -C "$scratch/cache.cmake" \
        -DCMAKE_TOOLCHAIN_FILE="$copy/windows/mingw64.cmake" -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
        >"$scratch/build.log" 2>&1 \
        && nice cmake --build "$other" --target packaged -j "$(nproc)" >>"$scratch/build.log" 2>&1 \
        && (cd "$other" && cpack -G ZIP) >>"$scratch/build.log" 2>&1 \
        || { tail -n 30 "$scratch/build.log"; fail "building the copy failed"; }

    # Every program and library of the two, compared.
    mkdir "$scratch/here" "$scratch/there"
    unzip -q "$zip" -d "$scratch/here"
    unzip -q "$other/$(basename "$zip")" -d "$scratch/there"
    (cd "$scratch/here" && find . -type f \( -name '*.exe' -o -name '*.dll' \) | sort) >"$scratch/binaries"
    [ -s "$scratch/binaries" ] || fail "no .exe or .dll in $zip"
    differ=$(cd "$scratch" && while read -r f; do cmp -s "here/$f" "there/$f" || echo "$f"; done <binaries)
    [ -z "$differ" ] || fail "built elsewhere, these differ: $differ"
    bytes=$(cd "$scratch/here" && xargs -d '\n' cat <../binaries | wc -c)
    echo "the same $(wc -l <"$scratch/binaries") .exe and .dll files, $bytes bytes, built in two folders"
    echo "Windows $mode test passed"
    exit
fi

. "$here/../tests/xvfb_lib.sh"
for tool in wine wineserver xclip unzip x86_64-w64-mingw32-windres perl; do
    command -v "$tool" >/dev/null 2>&1 || { echo "missing $tool"; exit 1; }
done

# Wine's menu builder is left out: it would copy the Start menu entries into
# the desktop menus of the user running the test.
export WINEPREFIX="$scratch/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine_cleanup() {
    wineserver -k 2>/dev/null
    cleanup
    rm -rf "$scratch"
}
trap wine_cleanup EXIT INT TERM

start_xvfb
wineboot -i >/dev/null 2>&1 && wineserver -w || fail "no Wine prefix"

# run_program <exe> [args...]: starts it; $app, $log, $win as for the X tests.
run_program() {
    start_program env -u QT_QPA_PLATFORM wine "$@"
}

# kalumet's window comes up with its client area in full, and closes by its
# close box with status 0.
check_kalumet() {
    run_program "$1"
    find_window kalumet
    size=$(xwininfo -id "$win" | sed -n 's/^ *Width: *//p; s/^ *Height: *//p' | paste -sd ' ')
    [ "$size" = "$(fact client)" ] || fail "kalumet's client area is $size, want $(fact client)"
    "$XWINDOW" close "$win" || fail "could not send the close request"
    expect_clean_exit "kalumet's close box"
}

# brivon sorts three numbers typed into it with the keyboard, from the
# first box on in the tab order, and closes by its close box.
check_brivon() {
    run_program "$1"
    find_window brivon
    xdotool windowfocus --sync "$win" 2>/dev/null
    for number in 3 1 2; do
        xdotool key ctrl+a type "$number"
        xdotool key Tab
    done
    xdotool key space # "Сортировать числа по возрастанию"; Tab goes on to the first box
    sorted=
    for box in 1 2 3; do
        xdotool key Tab
        printf '-' | xclip -selection clipboard
        xdotool key ctrl+a ctrl+c
        wait_until "box $box's text on the clipboard" copied
        sorted="$sorted${sorted:+ }$(timeout 5 xclip -o -selection clipboard </dev/null)"
    done
    [ "$sorted" = "1 2 3" ] || fail "brivon sorted 3 1 2 into '$sorted'"
    "$XWINDOW" close "$win" || fail "could not send the close request"
    expect_clean_exit "brivon's close box"
}
# (A request for the clipboard while its owner changes may go unanswered:
# each is given 5 s.)
copied() { [ "$(timeout 5 xclip -o -selection clipboard </dev/null)" != - ]; }

# The folders the installer is sent to, and where they are on this side.
# /D= and _?= take the rest of the command line as it is, without quotes,
# while Wine quotes an argument that holds a space: such a folder is given
# to Wine unquoted, as words.
default_dir='C:\Program Files\kalumet'
other_dir='C:\Школа 5\kalumet'
host() { printf '%s\n' "$WINEPREFIX/drive_c/$(printf '%s' "${1#C:\\}" | tr '\\' /)"; }
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/kalumet"

# The values of the uninstall entry, one "name=value" a line.
uninstall_entry() {
    wine reg export 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\kalumet' \
        "Z:$(echo "$scratch/entry.reg" | tr / '\\')" /y >/dev/null 2>&1 || return
    iconv -f UTF-16 -t UTF-8 "$scratch/entry.reg" | tr -d '\r' \
        | sed -n 's/^"\([^"]*\)"="\(.*\)"$/\1=\2/p; s/^"\([^"]*\)"=dword:/\1=0x/p' | sed 's/\\\\/\\/g'
}

# check_installed <folder>: the one install is there: the .zip's files, the
# same bytes, and the uninstaller, the Start menu entries, and the uninstall
# entry, which names the folder and gives the files' size in KiB (each file
# counted in whole KiB, as the installer counts it).
check_installed() {
    in=$(host "$1")
    [ -f "$in/Uninstall.exe" ] || fail "no uninstaller in $1"
    diff -r -x Uninstall.exe "$scratch/zip/kalumet-$version-win64" "$in" \
        || fail "the files installed in $1 are not the .zip's"
    for link in "$kalumet_title" "$brivon_title"; do
        [ -f "$menu/$link.lnk" ] || fail "no Start menu entry '$link'"
        projector="$menu/$link — Для проектора.lnk"
        [ -f "$projector" ] || fail "no Start menu entry '$link — Для проектора'"
        strings -e l "$projector" | grep -qx -- '--scale fit' \
            || fail "'$link — Для проектора' does not start with --scale fit"
    done
    kib=$(cd "$in" && find . -type f ! -name Uninstall.exe -printf '%s\n' \
        | awk '{ k += int(($1 + 1023) / 1024) } END { printf "0x%08x", k }')
    entry=$(uninstall_entry)
    for value in "DisplayName=kalumet" "DisplayVersion=$version" "Publisher=$kalumet_maker" \
                 "DisplayIcon=$1\\kalumet.exe" "InstallLocation=$1" "EstimatedSize=$kib"; do
        printf '%s\n' "$entry" | grep -qxF "$value" || fail "uninstall entry lacks '$value'; it reads: $entry"
    done
}

case "$mode" in
installer)
    unzip -q "$zip" -d "$scratch/zip"
    wine "$setup" /S && wineserver -w || fail "the silent install failed"
    check_installed "$default_dir"
    default_host=$(host "$default_dir") other_host=$(host "$other_dir")
    check_kalumet "$default_host/kalumet.exe"
    check_brivon "$default_host/brivon.exe"

    # Installed again into another folder: the first install goes, all of
    # it. Installed once more without a folder: the previous one is kept.
    # shellcheck disable=SC2086
    wine "$setup" /S /D=$other_dir && wineserver -w || fail "the silent install into $other_dir failed"
    [ ! -e "$default_host" ] || fail "installed into $other_dir, the installer left $default_dir: $(ls "$default_host")"
    check_installed "$other_dir"
    wine "$setup" /S && wineserver -w || fail "the silent reinstall failed"
    [ ! -e "$default_host" ] || fail "installed again, the installer took $default_dir, not the previous folder"
    check_installed "$other_dir"

    # Uninstalled in place, as the README shows: all but the uninstaller is
    # gone when it returns; the folder is the script's to remove.
    # shellcheck disable=SC2086
    wine "$other_host/Uninstall.exe" /S _?=$other_dir || fail "the silent uninstall failed"
    left=$(cd "$other_host" && find . -mindepth 1 | sed 's|^\./||')
    [ "$left" = Uninstall.exe ] || fail "when the uninstaller returned, $other_dir held: $left"
    rm "$other_host/Uninstall.exe" && rmdir "$other_host" || fail "could not remove $other_dir"
    # Wine writes the registry's files when its server ends.
    wineserver -w
    left=$(find "$menu" 2>/dev/null)
    [ -z "$left" ] || fail "the uninstall left: $left"
    keys=$(grep -ih '^\[Software\\\\[^]]*kalumet' "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg")
    [ -z "$keys" ] || fail "the uninstall left registry keys: $keys"
    ;;
portable)
    folder="$scratch/Программы учителя/kalumet $version"
    mkdir -p "$folder"
    unzip -q "$zip" -d "$folder"
    program_dir="$folder/kalumet-$version-win64"
    # The licence's full text, as the build machine has it, and the notice.
    gpl=$(cache KALUMET_GPL_TEXT)
    cmp "$program_dir/LICENSE.txt" "$gpl" || fail "LICENSE.txt is not $gpl"
    cmp "$program_dir/NOTICE.txt" "$here/../packaging/NOTICE" || fail "NOTICE.txt is not packaging/NOTICE"
    # Each program's resources, as windres reads them back: the version's
    # description is the program's title (non-ASCII letters come as \xNNNN,
    # turned back into text), and the manifest, as Windows looks for it
    # (resource 1 of type 24), names the systems, the DPI awareness and long
    # paths.
    for program in "kalumet $kalumet_title" "brivon $brivon_title"; do
        name=${program%% *} title=${program#* }
        x86_64-w64-mingw32-windres -i "$program_dir/$name.exe" -O rc >"$scratch/$name.rc" \
            || fail "windres can't read $name.exe's resources"
        description=$(sed -n 's/^ *VALUE "FileDescription", L\{0,1\}"\(.*\)"$/\1/p' "$scratch/$name.rc" \
            | perl -CS -pe 's/\\x([0-9a-fA-F]{4})/chr(hex($1))/ge')
        [ "$description" = "$title" ] || fail "$name.exe's FileDescription is '$description', want '$title'"
        manifest=$(sed -n '/^1 24 /,/^END/ s/^ *"\(.*\)"$/\1/p' "$scratch/$name.rc" | sed 's/""/"/g; s/\\n$//')
        eval "id=\$${name}_id"
        for element in "name=\"$id\"" '<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>' \
                       '>PerMonitorV2, PerMonitor</dpiAwareness>' '>true</longPathAware>'; do
            printf '%s\n' "$manifest" | grep -qF -- "$element" \
                || fail "$name.exe's manifest lacks $element; it reads: $manifest"
        done
    done
    # The values under HKCU and HKLM\Software, one line each, under their
    # key's name. Empty keys are left out: Wine's own libraries make some
    # that Windows has from the start (the fonts', DirectWrite's).
    export_registry() {
        for key in HKCU HKLM; do
            wine reg export "$key\\Software" "Z:$(echo "$scratch/$key.reg" | tr / '\\')" /y >/dev/null 2>&1
            iconv -f UTF-16 -t UTF-8 "$scratch/$key.reg" | tr -d '\r' \
                | awk '/^\[/ { key = $0; next } NF { print key " " $0 }'
        done
    }
    # The command line answers on the output it is given, with Linux's status.
    out=$(wine "$program_dir/kalumet.exe" --version | tr -d '\r')
    [ "$out" = "kalumet $version" ] || fail "kalumet --version printed '$out'"
    wine "$program_dir/brivon.exe" --bogus 2>"$scratch/refused"
    status=$?
    [ $status -eq 2 ] && grep -q -- "--bogus" "$scratch/refused" \
        || fail "brivon --bogus ended with $status: $(cat "$scratch/refused")"
    wineserver -w
    (cd "$folder" && find . | sort) > "$scratch/files-before"
    export_registry > "$scratch/registry-before"
    (cd "$scratch" && check_kalumet "$program_dir/kalumet.exe" && check_brivon "$program_dir/brivon.exe") \
        || exit 1
    wineserver -w
    (cd "$folder" && find . | sort) > "$scratch/files-after"
    export_registry > "$scratch/registry-after"
    diff "$scratch/files-before" "$scratch/files-after" || fail "files appeared beside the programs"
    diff "$scratch/registry-before" "$scratch/registry-after" || fail "the programs wrote to the registry"
    ;;
*)
    fail "usage: $0 installer|portable|reproducible <package folder> <version>"
    ;;
esac
echo "Windows $mode test passed"
