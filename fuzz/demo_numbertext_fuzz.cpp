// Fuzz target of kalumet's number text: numbertext::parse and format, and
// the message that quotes refused text.

#include "harness.h"
#include "numbertext.h"

namespace {

void refused(const QString &typed, const QLocale &locale)
{
    const QString message = numbertext::refusal(QStringLiteral("Число А="), typed, locale);
    if (!message.contains(numbertext::example(locale)))
        fuzzing::fail("the refusal message gives no example", typed, locale);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzing::checkInput(data, size, {&numbertext::parse, &numbertext::format, &refused});
    return 0;
}
