// Draws the program icon:
//   genicon <folder>          writes program.ico and program-<size>.png: the
//                             sizes a Linux desktop asks for, and 192 and 512
//                             for the web release's manifest
//   genicon --check <folder>  fails unless the files there are identical

#include "output.h"
#include "icondrawing.h"

namespace {

QList<picturekit::OutputFile> generate()
{
    using namespace picturekit;
    QList<OutputFile> files{
        {QStringLiteral("program.ico"), icoFile({programIcon32Mono(), programIcon32(), programIcon16()})}};
    for (int size : {16, 32, 48, 64, 128, 192, 256, 512})
        files.append({QStringLiteral("program-%1.png").arg(size), pngFile(programIconPng(size))});
    return files;
}

} // namespace

int main(int argc, char *argv[])
{
    return picturekit::writeOrCheck("genicon", argc, argv, generate);
}
