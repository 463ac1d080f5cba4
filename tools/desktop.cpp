// The desktop around the pictured sorter window: a whole 4:3 screen with
// desktop icons, the small sorter window and the taskbar, reduced with
// smoothing to 296 x 222 (see desktop.h for the grid it is laid out on).

#include "classicwindow.h"
#include "desktop.h"
#include "fonts.h"
#include "form1table.h"
#include "pictograms.h"
#include "pictures.h"
#include "twips.h"

namespace picturekit {

namespace {

constexpr int PictureWidth = 296;
constexpr int PictureHeight = 222;

const QRect SorterFrame(68, 56, 248, 148);

// ---------------------------------------------------------------------------
// Desktop icons: 32 x 32 pictograms, painted smooth.

struct Caption
{
    const char *line1;
    const char *line2;
};

struct DesktopIcon
{
    Caption russian; // the caption's two lines
    Caption english; // the same in as little room
    Pictogram draw;
};

QList<DesktopIcon> desktopIcons()
{
    using namespace pictogram;
    return {
        {{"Компьютер", "класса"}, {"Class", "computer"}, monitor()},
        {{"Документы", "ученика"}, {"Student", "documents"}, folder(QColor(240, 200, 70))},
        {{"Удалённые", "файлы"}, {"Deleted", "files"}, bin()},
        {{"Общие", "папки"}, {"Shared", "folders"}, globe()},
        {{"Сортировка", "чисел"}, {"Sort", "numbers"}, programIcon()},
        {{"Алгоритмы", "сортировки"}, {"Sorting", "algorithms"}, folder(QColor(120, 180, 240))},
        {{"Блок-схемы", "уроков"}, {"Lesson", "flowcharts"}, document(QColor(40, 80, 200))},
        {{"Задачи", "9 класса"}, {"Grade 9", "problems"}, document(QColor(200, 60, 60))},
        {{"Текстовый", "редактор"}, {"Text", "editor"}, notepad()},
        {{"Графический", "редактор"}, {"Graphics", "editor"}, pictogram::palette()},
        {{"Таблицы", "расчётов"}, {"Calculation", "sheets"}, chart()},
        {{"Инженерный", "калькулятор"}, {"Scientific", "calculator"}, calculator()},
        {{"Справочник", "по языку"}, {"Language", "reference"}, book(QColor(170, 30, 40))},
        {{"Словарь", "терминов"}, {"Glossary", "of terms"}, book(QColor(30, 110, 60))},
        {{"Журнал", "оценок"}, {"Grade", "book"}, chart()},
        {{"Архив", "работ"}, {"Work", "archive"}, box()},
        {{"Фото", "класса"}, {"Class", "photo"}, photo()},
        {{"Запись", "урока"}, {"Lesson", "recording"}, music()},
        {{"Часы и", "будильник"}, {"Clock and", "alarm"}, clock()},
        {{"Тесты", "по теме"}, {"Topic", "tests"}, document(QColor(30, 140, 140))},
    };
}

// Icons stand in columns from the top-left corner, five to a column.
void drawDesktopIcons(QPainter &p, Language language)
{
    const int columnPitch = 67;
    const int rowPitch = 76;
    const int perColumn = 5;
    const QList<DesktopIcon> icons = desktopIcons();
    for (int i = 0; i < icons.size(); ++i) {
        const int cellX = 2 + (i / perColumn) * columnPitch;
        const int cellY = 2 + (i % perColumn) * rowPitch;
        drawPictogram(p, icons[i].draw, QRectF(cellX + (columnPitch - 32) / 2, cellY + 2, 32, 32));

        p.setFont(smoothed(textFont()));
        p.setPen(Qt::white);
        const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip;
        const Caption &caption =
            language == Language::English ? icons[i].english : icons[i].russian;
        p.drawText(QRect(cellX, cellY + 37, columnPitch, 13), flags, QString::fromUtf8(caption.line1));
        p.drawText(QRect(cellX, cellY + 50, columnPitch, 13), flags, QString::fromUtf8(caption.line2));
    }
}

// ---------------------------------------------------------------------------
// The sorter's window as it stands on the screen: the sorter's own controls,
// laid out in its client area at the scale of this screen.

void drawSorterControl(QPainter &p, const ControlRow &row, const QRect &place, Language language)
{
    const QString text = sorterText(row.text, language);
    const int align = (row.alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter;
    switch (row.kind) {
    case ControlKind::Label:
        p.drawText(place, align, text);
        break;
    case ControlKind::TextBox:
        drawSunkenBox(p, place);
        p.drawText(place.adjusted(6, 0, -2, 0), align, text);
        break;
    case ControlKind::PushButton:
        drawRaisedBox(p, place);
        p.drawText(place, align, text);
        break;
    default: // the sorter's window has no other kind of control
        break;
    }
}

void drawSorterWindow(QPainter &p, Language language)
{
    drawClassicWindow(p, SorterFrame, sorterText(QString::fromUtf8(form1::kCaption), language));

    // The client area of the window on this screen, and the sorter's own
    // client area scaled to fit it.
    const QRect client(SorterFrame.left() + 4, SorterFrame.top() + 23, SorterFrame.width() - 8,
                       SorterFrame.height() - 27);
    const qreal sx = qreal(client.width()) / toPixels(form1::kClientWidthTwips);
    const qreal sy = qreal(client.height()) / toPixels(form1::kClientHeightTwips);
    p.setFont(smoothed(textFont()));
    p.setPen(Qt::black);
    for (const ControlRow &row : form1::controlInventory()) {
        const QRect r = toPixels(row.twips);
        drawSorterControl(p, row,
                          QRect(client.left() + qRound(r.left() * sx),
                                client.top() + qRound(r.top() * sy), qRound(r.width() * sx),
                                qRound(r.height() * sy)),
                          language);
    }
}

} // namespace

QImage desktopPicture(Language language)
{
    QImage screen(GridWidth * PaintScale, GridHeight * PaintScale, QImage::Format_RGB32);
    screen.fill(classic::Teal);
    {
        QPainter p(&screen);
        p.scale(PaintScale, PaintScale);
        drawDesktopIcons(p, language);
        drawSorterWindow(p, language);
        drawTaskbar(p, language);
    }
    return screen
        .scaled(PictureWidth, PictureHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace picturekit
