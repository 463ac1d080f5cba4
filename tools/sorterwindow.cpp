// The empty sorter window that the demonstrator lays its live input boxes
// and button on.

#include "classicwindow.h"
#include "form1table.h"
#include "inventory.h"
#include "pictures.h"
#include "twips.h"

#include <QFile>
#include <QHash>
#include <QXmlStreamReader>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace picturekit {

namespace {

// The sorter's texts in English as its window shows them: the translations
// of its context in the English catalogue (passed in by the build), so that
// the pictures say what the window says.
QHash<QString, QString> sorterEnglish()
{
    QFile file(QStringLiteral(ENGLISH_CATALOGUE));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + file.fileName().toStdString());
    QHash<QString, QString> english;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (context == u"Form1" && finished && !text.isEmpty())
                english.insert(source, text);
        }
    }
    if (xml.hasError())
        throw std::runtime_error(file.fileName().toStdString() + ": "
                                 + xml.errorString().toStdString());
    return english;
}

} // namespace

QString sorterText(const QString &source, Language language)
{
    const bool latin = std::all_of(source.begin(), source.end(),
                                   [](QChar c) { return c.unicode() < 0x80; });
    if (language == Language::Russian || latin) // numbers stay as typed
        return source;
    static const QHash<QString, QString> english = sorterEnglish();
    const auto found = english.constFind(source);
    if (found == english.constEnd())
        throw std::runtime_error("no English for the sorter's text \"" + source.toStdString()
                                 + "\" in " ENGLISH_CATALOGUE);
    return *found;
}

QImage sorterWindowPicture(Language language)
{
    // As large as the image box that shows it in the demonstrator.
    const auto &rows = controlInventory();
    const auto box = std::find_if(rows.begin(), rows.end(), [](const ControlRow &row) {
        return row.name == QLatin1String("Image2");
    });
    QImage img(toPixels(box->twips).size(), QImage::Format_RGB32);
    img.fill(classic::Face);
    QPainter p(&img);
    drawClassicWindow(p, img.rect(), sorterText(QString::fromUtf8(form1::kCaption), language));
    p.end();
    return img;
}

} // namespace picturekit
