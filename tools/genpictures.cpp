// Draws the demonstrator's three pictures:
//   genpictures <folder>          writes flowchart.bmp, sorter_window.bmp, desktop.bmp
//   genpictures --check <folder>  fails unless the files there are identical

#include "output.h"
#include "pictures.h"

namespace {

QList<picturekit::OutputFile> generate()
{
    using namespace picturekit;
    return {
        {QStringLiteral("flowchart.bmp"), bmpFile(flowchartPicture())},
        {QStringLiteral("sorter_window.bmp"), bmpFile(sorterWindowPicture())},
        {QStringLiteral("desktop.bmp"), bmpFile(desktopPicture())},
    };
}

} // namespace

int main(int argc, char *argv[])
{
    return picturekit::writeOrCheck("genpictures", argc, argv, generate);
}
