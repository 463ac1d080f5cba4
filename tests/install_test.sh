#!/bin/sh
# Installs the build into a temporary prefix and checks that both programs
# arrive with their desktop entries, icons and metainfo, and start from
# there.
# usage: install_test.sh <build folder> <tests source folder>
set -eu
build=$1 here=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT INT TERM

cmake --install "$build" --prefix "$prefix" >/dev/null

fail=0
for f in bin/kalumet bin/brivon \
         share/applications/kalumet.desktop share/applications/brivon.desktop \
         share/metainfo/kalumet.metainfo.xml share/metainfo/brivon.metainfo.xml; do
    [ -s "$prefix/$f" ] || { echo "missing $f"; fail=1; }
done
for app in kalumet brivon; do
    for size in 16 32 48 64 128 256; do
        f=share/icons/hicolor/${size}x${size}/apps/$app.png
        [ -s "$prefix/$f" ] || { echo "missing $f"; fail=1; }
    done
    desktop=$prefix/share/applications/$app.desktop
    grep -qx "Categories=Education;" "$desktop" || { echo "$app.desktop: no Education category"; fail=1; }
    grep -qx "Exec=$app" "$desktop" || { echo "$app.desktop: Exec is not $app"; fail=1; }
    grep -qx "Icon=$app" "$desktop" || { echo "$app.desktop: Icon is not $app"; fail=1; }
    if command -v desktop-file-validate >/dev/null 2>&1; then
        desktop-file-validate "$desktop" || fail=1
    fi
done
grep -qx "Name=Демонстрация алгоритма сортировки трех чисел" \
    "$prefix/share/applications/kalumet.desktop" || { echo "kalumet.desktop: Name"; fail=1; }
grep -qx "Name=Сортировка трех чисел (по возрастанию)" \
    "$prefix/share/applications/brivon.desktop" || { echo "brivon.desktop: Name"; fail=1; }
[ $fail -eq 0 ] || exit 1

# The installed programs run from the prefix.
sh "$here/xvfb_smoke.sh" "$prefix/bin/kalumet" "Демонстрация алгоритма сортировки трех чисел" 788 531
sh "$here/xvfb_smoke.sh" "$prefix/bin/brivon" "Сортировка трех чисел (по возрастанию)" 280 136
echo "install test passed"
