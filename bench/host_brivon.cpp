// brivon's start, its command line included, ended at its first frame.

#include "firstframe.h"
#include "sorterprogram.h"

int main(int argc, char *argv[])
{
    return launch::run(argc, argv, sorterProgram(), reportFirstFrame);
}
