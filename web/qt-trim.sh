#!/bin/sh
# What the web build of Qt leaves out beyond its features
# (web/build-qt.sh), edited into Debian's unpacked qt6-base source:
#   web/qt-trim.sh SOURCE
# Each edit can run twice. A page downloads every byte of the program, and
# these bytes are ones no page of ours shows:
# - the wasm platform's DejaVu Sans and DejaVu Sans Mono, 1 MB of faces:
#   every control of both programs, the message boxes, menus and the trace
#   table included, is drawn in the faces the programs embed themselves
#   (fontfaces/). Bitstream Vera Sans stays, Qt's default face on the web.
#   The platform then loads the faces it has rather than stopping at the
#   first it lacks;
# - the common style's pictures, 330 kB of PNG icons for file dialogs,
#   dock and tool bars, media players and standard buttons that show no
#   icons on the web. The Fusion group box's frame stays. A message box's
#   icons are drawn from pictures in the code;
# - an include of the MIME database, which the wasm platform's drag and
#   drop never uses and which the build has no more;
# - Qt Widgets' forwarding header of the file system model, which the
#   module's all-in-one header <QtWidgets> includes whether the model is
#   built or not: kept to the model's feature, as the model's header is.
set -eu
src=$1

wasm="$src/src/plugins/platforms/wasm"
sed -i '/3rdparty\/wasm\/DejaVuSans\(Mono\)\?\.ttf"/d' "$wasm/CMakeLists.txt"
sed -i '/theFont.open(QIODevice::ReadOnly)/{n;s/break;/continue;/}' "$wasm/qwasmfontdatabase.cpp"
sed -i '/^#include <QMimeDatabase>$/d' "$wasm/qwasmdrag.cpp"
sed -i '/^set(qstyle_resource_files/,/^)/{/"styles\/images\//{/fusion_groupbox/!d}}' \
    "$src/src/widgets/CMakeLists.txt"
model="$src/src/widgets/dialogs/qfilesystemmodel.h"
grep -q 'QT_CONFIG(filesystemmodel)' "$model" ||
    sed -i 's|^#include <QtGui/QFileSystemModel>$|#include <QtGui/qtguiglobal.h>\n#if QT_CONFIG(filesystemmodel)\n&\n#endif|' "$model"

# Each edit is checked: a source that changed shape fails here, not later.
unchanged() { echo "web/qt-trim.sh: $1 is not as expected in $src" >&2; exit 1; }
if grep -q 'DejaVuSans' "$wasm/CMakeLists.txt"; then unchanged "the wasm platform's faces"; fi
grep -q 'continue;' "$wasm/qwasmfontdatabase.cpp" || unchanged "the wasm platform's font loading"
if grep -q 'QMimeDatabase' "$wasm/qwasmdrag.cpp"; then unchanged "the wasm platform's drag and drop"; fi
[ "$(sed -n '/^set(qstyle_resource_files/,/^)/p' "$src/src/widgets/CMakeLists.txt" | grep -c png)" = 1 ] ||
    unchanged "the common style's pictures"
grep -q '^#if QT_CONFIG(filesystemmodel)$' "$model" || unchanged "the file system model's header"
