// brivon: sorts three numbers in ascending order.

#include "form1.h"
#include "sorterstart.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const std::unique_ptr<Form1> form = startSorter();
    return app.exec();
}
