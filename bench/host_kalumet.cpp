// kalumet's start, its command line included, ended at its first frame.

#include "demoprogram.h"
#include "firstframe.h"

int main(int argc, char *argv[])
{
    return launch::run(argc, argv, demoProgram(), reportFirstFrame);
}
