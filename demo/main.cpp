// kalumet: shows, step by step, how the sort of three numbers runs.

#include "demoprogram.h"

int main(int argc, char *argv[])
{
    return launch::run(argc, argv, demoProgram());
}
