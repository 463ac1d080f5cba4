// kalumet: shows, step by step, how the sort of three numbers runs.

#include "demostart.h"
#include "formdemo.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const std::unique_ptr<FormDemo> form = startDemo();
    return app.exec();
}
