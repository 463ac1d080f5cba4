#include "sourcetree.h"

QString sourcePath(const QString &relative)
{
    return QStringLiteral(SOURCE_DIR "/") + relative;
}
