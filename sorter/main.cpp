// brivon: sorts three numbers in ascending order.

#include "form1.h"
#include "sorterstart.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The command line first: --help, --version and a wrong option end
    // here, with no display needed.
    if (const std::optional<int> status = launch::handleCommandLine(argc, argv, sorterProgram()))
        return *status;
    QApplication app(argc, argv);
    const std::unique_ptr<Form1> form = startSorter();
    return app.exec();
}
