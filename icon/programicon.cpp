#include "programicon.h"

#include "programiconpixels.h"

QIcon programWindowIcon()
{
    QIcon icon;
    for (const RawImage *size : {&kProgramIcon16, &kProgramIcon32, &kProgramIcon48})
        icon.addPixmap(builtInPixmap(*size));
    return icon;
}
