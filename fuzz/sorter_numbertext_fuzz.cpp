// Fuzz target of brivon's number text: NumberText::read and write. Its
// message about refused text is built by the window, Form1.

#include "harness.h"
#include "numbertext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzing::checkInput(data, size, {&NumberText::read, &NumberText::write, nullptr});
    return 0;
}
