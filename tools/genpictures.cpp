// Draws the demonstrator's three pictures, those with texts in them in
// each language the programs speak:
//   genpictures <folder>          writes flowchart.bmp, sorter_window.bmp,
//                                 desktop.bmp, and the English
//                                 en/sorter_window.bmp and en/desktop.bmp
//   genpictures --check <folder>  fails unless the files there are identical

#include "output.h"
#include "pictures.h"

namespace {

QList<picturekit::OutputFile> generate()
{
    using namespace picturekit;
    return {
        {QStringLiteral("flowchart.bmp"), bmpFile(flowchartPicture())},
        {QStringLiteral("sorter_window.bmp"), bmpFile(sorterWindowPicture(Language::Russian))},
        {QStringLiteral("desktop.bmp"), bmpFile(desktopPicture(Language::Russian))},
        {QStringLiteral("en/sorter_window.bmp"), bmpFile(sorterWindowPicture(Language::English))},
        {QStringLiteral("en/desktop.bmp"), bmpFile(desktopPicture(Language::English))},
    };
}

} // namespace

int main(int argc, char *argv[])
{
    return picturekit::writeOrCheck("genpictures", argc, argv, generate);
}
