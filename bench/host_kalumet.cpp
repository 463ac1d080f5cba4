// kalumet's start sequence, ended at its first frame.

#include "demostart.h"
#include "firstframe.h"
#include "formdemo.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const std::unique_ptr<FormDemo> form = startDemo();
    return reportFirstFrame(form.get());
}
