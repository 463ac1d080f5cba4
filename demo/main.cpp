// kalumet: shows, step by step, how the sort of three numbers runs.

#include "demostart.h"
#include "formdemo.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The command line first: --help, --version and a wrong option end
    // here, with no display needed.
    if (const std::optional<int> status = launch::handleCommandLine(argc, argv, demoProgram()))
        return *status;
    QApplication app(argc, argv);
    const std::unique_ptr<FormDemo> form = startDemo();
    return app.exec();
}
