// The three pictures of the demonstrator window, drawn pixel by pixel:
// the flowchart behind the flowchart labels, the empty sorter window behind
// the live input boxes and button, and the desktop around that window.
#pragma once

#include <QImage>
#include <QString>

namespace picturekit {

// The language of the texts in a picture: Russian, the programs' own, or
// English. Only the texts differ; every position and size is the same.
enum class Language { Russian, English };

QImage flowchartPicture();                       // 266 x 531, no text
QImage sorterWindowPicture(Language language);   // 243 x 163
QImage desktopPicture(Language language);        // 296 x 222

// A text of the sorter's window (its title, labels, button, input boxes)
// as the sorter shows it in `language`: in English as the English
// translation (translations/kalumet_en.ts) has it. Throws
// std::runtime_error for a text that it has no English for, so that no
// English picture keeps a Russian word.
QString sorterText(const QString &source, Language language);

} // namespace picturekit
