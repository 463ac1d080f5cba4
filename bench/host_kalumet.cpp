// kalumet's start sequence, its command line included, ended at its first
// frame.

#include "demostart.h"
#include "firstframe.h"
#include "formdemo.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = launch::handleCommandLine(argc, argv, demoProgram()))
        return *status;
    QApplication app(argc, argv);
    const std::unique_ptr<FormDemo> form = startDemo();
    return reportFirstFrame(form.get());
}
