#pragma once

#include <QString>

namespace launch {

// Notice: a remark that needs no answer, on standard error.
enum class Channel { Output, Error, Notice };

// Shows a text of the command line (the help, the version, a refusal) where
// the user sees it: on standard output or error. A Windows program with
// windows has them only where it was started with them redirected; there it
// writes into the console it was started from, and where there is none
// (started from the Start menu or Explorer) shows the text in a message
// box titled `title`, but for a notice, which goes nowhere then.
void showText(Channel channel, const QString &text, const QString &title);

} // namespace launch
