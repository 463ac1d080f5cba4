// Writing the generated files, or checking that the files on disk are
// exactly what the generator draws now.
#pragma once

#include <QByteArray>
#include <QString>

namespace picturekit {

struct OutputFile
{
    QString name;
    QByteArray bytes;
};

// Command line: <tool> <folder> writes the files into folder;
// <tool> --check <folder> compares them with the files there and reports
// each one that differs. Returns the process exit code.
int writeOrCheck(const char *tool, int argc, char *argv[],
                 QList<OutputFile> (*generate)());

} // namespace picturekit
