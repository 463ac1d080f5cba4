// brivon: sorts three numbers in ascending order.

#include "sorterprogram.h"

int main(int argc, char *argv[])
{
    return launch::run(argc, argv, sorterProgram());
}
