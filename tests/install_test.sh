#!/bin/sh
# Installs the build into a temporary prefix and checks that both programs
# arrive with their desktop entries (each with its projector action),
# icons, metainfo, manual pages, licence files and English translation, and
# start from there, in Russian or, asked for it, in English.
# usage: install_test.sh <build folder> <tests source folder>
set -eu
build=$1 here=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT INT TERM

cmake --install "$build" --prefix "$prefix" >/dev/null
# The programs as they are declared: $kalumet_id, $brivon_title, ...
for facts in "$KALUMET_FACTS"/*.env; do
    . "$facts"
done

# The licence files of the package formats the build installs them for
# (KALUMET_PACKAGE_FORMATS).
formats=";$(sed -n 's/^KALUMET_PACKAGE_FORMATS:[A-Z]*=//p' "$build/CMakeCache.txt");"
licence_files=
case $formats in *";deb;"*)
    licence_files="share/doc/kalumet/copyright share/doc/kalumet/changelog.gz share/doc/kalumet/changelog.Debian.gz" ;;
esac
case $formats in *";rpm;"*) licence_files="$licence_files share/licenses/kalumet/LICENSE" ;; esac

fail=0
for f in bin/kalumet bin/brivon $licence_files share/kalumet/translations/kalumet_en.qm; do
    [ -s "$prefix/$f" ] || { echo "missing $f"; fail=1; }
done
for app in kalumet brivon; do
    eval "id=\$${app}_id"
    for f in share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
             share/man/man1/$app.1.gz share/man/ru/man1/$app.1.gz; do
        [ -s "$prefix/$f" ] || { echo "missing $f"; fail=1; }
    done
    for size in 16 32 48 64 128 256; do
        f=share/icons/hicolor/${size}x${size}/apps/$id.png
        [ -s "$prefix/$f" ] || { echo "missing $f"; fail=1; }
    done
    desktop=$prefix/share/applications/$id.desktop
    for line in "Categories=Education;ComputerScience;" "Exec=$app" "Icon=$id" \
                "Actions=projector;" "Name=For a projector" "Name[ru]=Для проектора" \
                "Exec=$app --scale fit"; do
        grep -qxF "$line" "$desktop" || { echo "$id.desktop: no line $line"; fail=1; }
    done
    grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
        "$prefix/share/metainfo/$id.metainfo.xml" || { echo "$id.metainfo.xml: launchable"; fail=1; }
    if command -v desktop-file-validate >/dev/null 2>&1; then
        desktop-file-validate "$desktop" || fail=1
    fi
done
# The Russian names are the windows' titles.
grep -qxF "Name[ru]=$kalumet_title" "$prefix/share/applications/$kalumet_id.desktop" \
    || { echo "kalumet entry: Name"; fail=1; }
grep -qxF "Name[ru]=$brivon_title" "$prefix/share/applications/$brivon_id.desktop" \
    || { echo "brivon entry: Name"; fail=1; }
[ $fail -eq 0 ] || exit 1

# The installed programs find their translation: English where it is asked
# for, numbers as the locale writes them.
for app in kalumet brivon; do
    LANGUAGE=en LANG=ru_RU.UTF-8 LC_ALL= LC_MESSAGES= "$prefix/bin/$app" --help | grep -qx "Usage: $app \[options\]" \
        || { echo "$app: --help is not in English under LANGUAGE=en"; exit 1; }
done

# The installed programs run from the prefix, with the Russian titles the
# smoke test checks, whatever the language of the test's environment.
export LANGUAGE=ru
sh "$here/xvfb_smoke.sh" "$prefix/bin/kalumet" kalumet 1
sh "$here/xvfb_smoke.sh" "$prefix/bin/brivon" brivon 1
echo "install test passed"
