// brivon's start sequence, its command line included, ended at its first
// frame.

#include "firstframe.h"
#include "form1.h"
#include "sorterstart.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = launch::handleCommandLine(argc, argv, sorterProgram()))
        return *status;
    QApplication app(argc, argv);
    const std::unique_ptr<Form1> form = startSorter();
    return reportFirstFrame(form.get());
}
