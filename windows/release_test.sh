#!/bin/sh
# Checks the Windows release under Wine, in a fresh private Wine prefix on a
# private Xvfb server, driven by real X input:
#   installer  the installer installs silently, with its Start menu entries
#              and uninstall entry; both installed programs run and close by
#              their close box with status 0; the silent uninstall leaves
#              neither a file nor the uninstall entry behind
#   portable   both programs run from the unpacked .zip in a folder whose
#              path has spaces and Cyrillic letters, and write nothing
#              beside themselves nor into the registry; --version and a
#              refused option answer with Linux's texts and status
# usage: release_test.sh installer|portable <package folder> <version> <xwindow>
set -u
mode=$1 packages=$2 version=$3 xwindow=$4
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../tests/xvfb_lib.sh"
for tool in wine wineserver xclip unzip; do
    command -v "$tool" >/dev/null 2>&1 || { echo "missing $tool"; exit 1; }
done

setup="$packages/kalumet-$version-win64-setup.exe"
zip="$packages/kalumet-$version-win64.zip"
for f in "$setup" "$zip"; do
    [ -f "$f" ] || { echo "missing $f: build the package target first"; exit 1; }
done
kalumet_title="Демонстрация алгоритма сортировки трех чисел"
brivon_title="Сортировка трех чисел (по возрастанию)"

scratch=$(mktemp -d)
export WINEPREFIX="$scratch/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine_cleanup() {
    wineserver -k 2>/dev/null
    cleanup
    rm -rf "$scratch"
}
trap wine_cleanup EXIT INT TERM

fail() { echo "$*"; exit 1; }

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
    find_window "$kalumet_title"
    size=$(xwininfo -id "$win" | sed -n 's/^ *Width: *//p; s/^ *Height: *//p' | paste -sd x)
    [ "$size" = 788x531 ] || fail "kalumet's client area is $size, want 788x531"
    "$xwindow" close "$win" || fail "could not send the close request"
    expect_clean_exit "kalumet's close box"
}

# brivon sorts three numbers typed into it, and closes by its close box.
click() { xdotool mousemove --window "$win" "$1" "$2" click 1; sleep 0.3; }
boxes="196 17
196 49
196 81"
check_brivon() {
    run_program "$1"
    find_window "$brivon_title"
    xdotool windowfocus --sync "$win" 2>/dev/null
    set -- 3 1 2
    echo "$boxes" | while read -r x y; do
        click "$x" "$y"
        xdotool key ctrl+a type "$1"
        shift
    done
    click 140 116 # "Сортировать числа по возрастанию"
    sorted=$(echo "$boxes" | while read -r x y; do
        click "$x" "$y"
        xdotool key ctrl+a ctrl+c
        sleep 0.3
        xclip -o -selection clipboard </dev/null
        echo
    done | paste -sd ' ')
    [ "$sorted" = "1 2 3" ] || fail "brivon sorted 3 1 2 into '$sorted'"
    "$xwindow" close "$win" || fail "could not send the close request"
    expect_clean_exit "brivon's close box"
}

uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\kalumet'

case "$mode" in
installer)
    wine "$setup" /S && wineserver -w || fail "the silent install failed"
    dir="$WINEPREFIX/drive_c/Program Files/kalumet"
    # The installed files are the .zip's and the uninstaller.
    (cd "$dir" && find . -type f | sed 's|^\./||' | sort) > "$scratch/installed"
    { unzip -Z1 "$zip" | grep -v '/$' | sed 's|^[^/]*/||'; echo Uninstall.exe; } \
        | sort > "$scratch/packaged"
    diff "$scratch/packaged" "$scratch/installed" || fail "installed files differ from the package's"

    menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/kalumet"
    for link in "$kalumet_title" "$brivon_title"; do
        [ -f "$menu/$link.lnk" ] || fail "no Start menu entry '$link'"
        projector="$menu/$link — Для проектора.lnk"
        [ -f "$projector" ] || fail "no Start menu entry '$link — Для проектора'"
        strings -e l "$projector" | grep -qx -- '--scale fit' \
            || fail "'$link — Для проектора' does not start with --scale fit"
    done
    entry=$(wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r')
    for value in "DisplayName REG_SZ kalumet" "DisplayVersion REG_SZ $version" \
                 "Publisher REG_SZ The kalumet project" "DisplayIcon REG_SZ C:\\Program Files\\kalumet\\kalumet.exe"; do
        echo "$entry" | sed 's/^ *//; s/    / /g' | grep -qxF "$value" \
            || fail "uninstall entry lacks '$value'; it reads: $entry"
    done

    check_kalumet "$dir/kalumet.exe"
    check_brivon "$dir/brivon.exe"

    wine "$dir/Uninstall.exe" /S && wineserver -w || fail "the silent uninstall failed"
    left=$(find "$dir" "$menu" 2>/dev/null)
    [ -z "$left" ] || fail "the uninstall left: $left"
    wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "the uninstall entry is left"
    ;;
portable)
    folder="$scratch/Программы учителя/kalumet $version"
    mkdir -p "$folder"
    unzip -q "$zip" -d "$folder"
    program_dir="$folder/kalumet-$version-win64"
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
    fail "usage: $0 installer|portable <package folder> <version> <xwindow>"
    ;;
esac
echo "Windows $mode test passed"
