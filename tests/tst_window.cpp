// The demonstrator window as it opens: its controls at their stated
// places, with their stated texts and fonts, stacked as they must be, the
// labels on the blocks of its pictures and the listing on the rows of the
// flowchart, captions that don't fit, the pictures drawn in their places
// at any scale factor, and the English captions within their controls.

#include "fixtures.h"
#include "form1.h"
#include "formdemo.h"
#include "inventory.h"
#include "pixelrules.h"
#include "stated.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTranslator>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <map>

Q_DECLARE_METATYPE(FontRole)

class WindowTest : public QObject
{
    Q_OBJECT
private slots:
    void window();
    void checkBoxBackground();
    void statedPlaces();
    void statedTexts();
    void tagsAsTheLessonLights();
    void flowchartLabelsOnBlocks();
    void controlsOnPicturedWindow();
    void listingSharesRowsWithFlowchart();
    void fonts_data();
    void fonts();
    void stacking();
    void captionWrap_data();
    void captionWrap();
    void captionAsQtDrawsIt_data();
    void captionAsQtDrawsIt();
    void picturesInWindow();
    void scaledText();
    void englishCaptionsFit();
    void listingsFit_data();
    void listingsFit();
};

namespace {

const ControlRow *row(const QString &fullName)
{
    for (const ControlRow &r : controlInventory())
        if (r.fullName() == fullName)
            return &r;
    return nullptr;
}

// The window's client area as the program is declared.
const QSize kClient(toPixels(kalumet_program::kClientWidthTwips),
                    toPixels(kalumet_program::kClientHeightTwips));

// The outline of the flowchart block around a picture pixel: its outer
// rows above and below, its inner columns left and right (on a decision's
// middle row the branch lines join the outline). Null where no outline
// surrounds the pixel.
QRect outlineAround(const QImage &picture, const QPoint &p)
{
    const auto black = [&picture](int x, int y) {
        return picture.rect().contains(x, y) && picture.pixel(x, y) == colours::Black;
    };
    int top = p.y(), bottom = p.y(), left = p.x(), right = p.x();
    while (top >= 0 && !black(p.x(), top))
        --top;
    while (black(p.x(), top - 1))
        --top;
    while (bottom < picture.height() && !black(p.x(), bottom))
        ++bottom;
    while (black(p.x(), bottom + 1))
        ++bottom;
    while (left >= 0 && !black(left, p.y()))
        --left;
    while (right < picture.width() && !black(right, p.y()))
        ++right;
    if (top < 0 || left < 0 || bottom >= picture.height() || right >= picture.width())
        return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

void WindowTest::window()
{
    FormDemo form;
    QCOMPARE(form.windowTitle(), QString::fromUtf8(kalumet_program::kTitle));
    QCOMPARE(form.size(), kClient);
    const Qt::WindowFlags f = form.windowFlags();
    QVERIFY(f & Qt::WindowCloseButtonHint);
    QVERIFY(!(f & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(f & Qt::WindowMaximizeButtonHint));
    QCOMPARE(form.palette().color(QPalette::Window), form.palette().color(QPalette::Button));
    QVERIFY(form.autoFillBackground());
    // Centred on the screen.
    const QPoint screenCentre = form.screen()->availableGeometry().center();
    QVERIFY((form.geometry().center() - screenCentre).manhattanLength() <= 2);

    // A resize moves and scales nothing.
    const QRect before = form.Command1()->geometry();
    const QRect labelBefore = form.lbl_alg(0)->pixels();
    form.resize(400, 300);
    form.resize(1000, 700);
    QCOMPARE(form.Command1()->geometry(), before);
    QCOMPARE(form.lbl_alg(0)->pixels(), labelBefore);
}

// "Пошаговый режим" stands on the white run-control panel in its own
// background, the active caption text colour, enabled or not.
void WindowTest::checkBoxBackground()
{
    FormDemo form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(Colour(Colour::Role::ActiveCaptionText).resolve(form.palette()).rgb(), colours::White);
    for (bool enabled : {true, false}) {
        form.Check1()->setEnabled(enabled);
        const QImage shot = form.Check1()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int right = shot.width() - 1, bottom = shot.height() - 1;
        // The top row, and the strip beyond the caption.
        for (const QRect &area : {span(0, 0, right, 0), span(right - 20, 0, right, bottom)}) {
            const QString why = broken(shot, fill(area, colours::White));
            QVERIFY2(why.isEmpty(), qPrintable(QStringLiteral("enabled %1: %2").arg(enabled).arg(why)));
        }
    }
}

// Every control at the place stated for it, whatever its table says; a
// control of the window without a stated place is one too many.
void WindowTest::statedPlaces()
{
    FormDemo form;
    std::map<QString, QRect> stated; // lines: the rectangle (X1, Y1)-(X2, Y2)
    const QRegularExpression space(QStringLiteral("\\s+"));
    for (const QString &entry : QString::fromLatin1(kDemoPlaces).split(space, Qt::SkipEmptyParts)) {
        const QStringList v = entry.section(u':', 1).split(u',');
        QCOMPARE(v.size(), 4);
        stated[entry.section(u':', 0, 0)] = QRect(v[0].toInt(), v[1].toInt(), v[2].toInt(), v[3].toInt());
    }
    for (const QObject *c : form.controls()) {
        const auto *drawn = qobject_cast<const DrawnControl *>(c);
        const QString name = drawn ? drawn->fullName() : c->objectName();
        const auto it = stated.find(name);
        QVERIFY2(it != stated.end(), qPrintable(name + " has no stated place"));
        const QRect r = it->second;
        if (const auto *line = qobject_cast<const Line *>(c))
            QCOMPARE(line->ends(), QLine(r.left(), r.top(), r.width(), r.height()));
        else if (drawn)
            QCOMPARE(drawn->pixels(), toPixels(r));
        else
            QCOMPARE(static_cast<const QWidget *>(c)->geometry(), toPixels(r));
    }
    QCOMPARE(form.controls().size(), stated.size());
}

void WindowTest::statedTexts()
{
    for (const auto &[name, text] : kDemoTexts) {
        const ControlRow *r = row(QString::fromLatin1(name));
        QVERIFY2(r, name);
        QCOMPARE(r->kind == ControlKind::ImageBox ? r->toolTip : r->text, QString::fromUtf8(text));
    }
    for (int i = 0; i < 3; ++i)
        QCOMPARE(row(QStringLiteral("Label%1").arg(25 + i))->text, QString::fromUtf8(kBoxLabels[i]));
}

// The step each flowchart label's Tag names is the step the lesson lights
// it at (0: none lights it as its own, as the «Нет» of a comparison).
void WindowTest::tagsAsTheLessonLights()
{
    int labels = 0;
    for (const ControlRow &r : controlInventory())
        if (r.name == QLatin1String("lbl_alg")) {
            ++labels;
            QVERIFY2(r.tag.toShort() == lesson::stepLighting(r.index), qPrintable(r.fullName()));
        }
    QCOMPARE(labels, lesson::kBlocks);
}

// Every flowchart label on its block of the flowchart picture, drawn at the
// client origin: on the block's middle row, across its middle column, within
// its rows. "Да" and "Нет" stand on bare paper above their decision's
// branches, right and left of it.
void WindowTest::flowchartLabelsOnBlocks()
{
    FormDemo form;
    const QImage picture = form.picture().toImage().convertToFormat(QImage::Format_RGB32);
    for (int i = 0; i <= 26; ++i) {
        const Label *l = form.lbl_alg(i);
        const QRect box = l->pixels();
        const QByteArray name = l->fullName().toUtf8();
        if (!l->isVisible())
            continue;
        if (l->caption() == QStringLiteral("Да") || l->caption() == QStringLiteral("Нет")) {
            const QString paper = broken(picture, fill(box, colours::White));
            QVERIFY2(paper.isEmpty(), qPrintable(name + ": " + paper));
            const Label *decision = nullptr;
            for (int j = 0; j <= 26; ++j)
                if (form.lbl_alg(j)->pixels().top() == box.top() + 16)
                    decision = form.lbl_alg(j);
            QVERIFY2(decision, name.constData());
            QCOMPARE(box.center().x() > decision->pixels().center().x(),
                     l->caption() == QStringLiteral("Да"));
            continue;
        }
        const QRect block = outlineAround(picture, box.center());
        QVERIFY2(!block.isNull(), name.constData());
        QVERIFY2(block.top() + block.bottom() == box.top() + box.bottom(), name.constData());
        QVERIFY2(qAbs(block.left() + block.right() - box.left() - box.right()) <= 4, name.constData());
        QVERIFY2(block.top() <= box.top() && box.bottom() <= block.bottom(), name.constData());
    }
}

// The labels, boxes and button laid over the picture of the sorter's window
// lie on its empty client area: the picture is of one colour under each.
void WindowTest::controlsOnPicturedWindow()
{
    FormDemo form;
    const auto *pictured = static_cast<const ImageBox *>(form.drawn(QStringLiteral("Image2")));
    const QImage picture = pictured->picture().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb client = picture.pixel(picture.rect().center());
    const QRect window = form.drawn(QStringLiteral("Image6"))->twips();
    int overlays = 0;
    for (const ControlRow &r : controlInventory()) {
        if (!window.contains(r.twips) || r.kind == ControlKind::ImageBox)
            continue;
        ++overlays;
        const QRect area = toPixels(r.twips).translated(-pictured->pixels().topLeft());
        const QString why = broken(picture, fill(area, client));
        QVERIFY2(why.isEmpty(), qPrintable(r.fullName() + QStringLiteral(": ") + why));
    }
    QCOMPARE(overlays, 7);
}

// Each comparison, exchange and output line of the listing stands on the
// row of a flowchart label that lights with it (one whose tag is the line's
// step); the listing is one column, top to bottom.
void WindowTest::listingSharesRowsWithFlowchart()
{
    FormDemo form;
    int paired = 0;
    for (int step = 6; step <= 24; ++step) {
        QList<int> tops;
        for (int i = 0; i <= 26; ++i)
            if (form.lbl_alg(i)->tag().toInt() == step)
                tops << form.lbl_alg(i)->twips().top();
        if (tops.isEmpty())
            continue; // "End If"
        ++paired;
        QVERIFY2(tops.contains(form.Lbl_List(step - 1)->twips().top()),
                 qPrintable(QStringLiteral("step %1").arg(step)));
    }
    QCOMPARE(paired, 16);
    for (int i = 1; i < 24; ++i) {
        const QRect line = form.Lbl_List(i)->twips(), above = form.Lbl_List(i - 1)->twips();
        QCOMPARE(line.left(), above.left());
        QCOMPARE(line.size(), above.size());
        QVERIFY(line.top() > above.top());
    }
}

// The classic fonts by role: size and weight, the face at 1x and scaled
// (run without the faces too: the application's font in their place), and
// Cyrillic glyphs whichever face is in use.
void WindowTest::fonts_data()
{
    QTest::addColumn<FontRole>("role");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("scaledFace");

    QTest::newRow("text") << FontRole::Text << 11 << false << "MS Sans Serif" << "Tahoma";
    QTest::newRow("bold") << FontRole::Bold << 11 << true << "Tahoma" << "Tahoma";
    QTest::newRow("heading") << FontRole::Heading << 24 << false << "Tahoma" << "Tahoma";
    QTest::newRow("scalable") << FontRole::ScalableText << 11 << false << "Tahoma" << "Tahoma";
}
void WindowTest::fonts()
{
    QFETCH(FontRole, role);
    QFETCH(int, pixels);
    QFETCH(bool, bold);
    QFETCH(QString, face);
    QFETCH(QString, scaledFace);

    const QFont font = classicFont(role);
    QCOMPARE(font.pixelSize(), pixels);
    QCOMPARE(QFontInfo(font).bold(), bold);
    if (classicFamily(role).isEmpty())
        QCOMPARE(font.family(), QGuiApplication::font().family());
    else
        QCOMPARE(font.family(), qGuiApp->devicePixelRatio() == 1.0 ? face : scaledFace);
    QVERIFY(QFontMetrics(font).inFontUcs4(U'Ж'));

    FormDemo form;
    QCOMPARE(form.font(), classicFont(FontRole::Text));
    QCOMPARE(form.label(QStringLiteral("Lbl_Mem"))->fontRole(), FontRole::Heading);
}

void WindowTest::stacking()
{
    FormDemo form;
    const auto &stack = form.drawnControls();
    // Every drawn control once.
    int drawnRows = 0;
    for (const ControlRow &r : controlInventory())
        if (r.kind == ControlKind::Label || r.kind == ControlKind::ImageBox
            || r.kind == ControlKind::Shape || r.kind == ControlKind::Line)
            ++drawnRows;
    QCOMPARE(int(stack.size()), drawnRows);
    std::map<QString, int> depth;
    for (std::size_t i = 0; i < stack.size(); ++i) {
        QVERIFY(stack[i]);
        QVERIFY(depth.emplace(stack[i]->fullName(), int(i)).second);
    }
    auto inFront = [&](const char *a, const QString &b) {
        return depth.at(QString::fromLatin1(a)) < depth.at(b);
    };

    // The image boxes without a bitmap lie in front of every label.
    for (const char *box : {"Image3", "Image4", "Image5", "Image6"})
        for (DrawnControl *c : stack)
            if (c->kind() == DrawnControl::Kind::Label)
                QVERIFY2(inFront(box, c->fullName()), qPrintable(c->fullName()));
    // Every opaque panel lies behind what sits on it.
    for (const char *panel : {"Shape1", "Shape3", "Shape4", "Shape5"}) {
        const QRect area = form.drawn(QString::fromLatin1(panel))->twips();
        for (DrawnControl *c : stack)
            if (c->kind() != DrawnControl::Kind::Line && c->kind() != DrawnControl::Kind::Shape
                && area.contains(c->twips()))
                QVERIFY2(!inFront(panel, c->fullName()),
                         qPrintable(QStringLiteral("%1 over %2").arg(panel, c->fullName())));
    }
    QVERIFY(inFront("Image2", QStringLiteral("Image1")));
    QVERIFY(inFront("Image1", QStringLiteral("Shape1")));
    for (const char *l : {"Label25", "Label26", "Label27"})
        QVERIFY(depth.at(QString::fromLatin1(l)) < depth.at(QStringLiteral("Image2")));
    QCOMPARE(stack.back()->fullName(), QStringLiteral("Line43"));
    QCOMPARE(stack.front()->fullName(), QStringLiteral("Image3"));
}

// A flowchart caption wider than its label breaks between words only,
// never inside a number; a row wider than the label starts at its left
// edge, and what doesn't fit is cut at the label's edges.
void WindowTest::captionWrap_data()
{
    QTest::addColumn<int>("index"); // of lbl_alg
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("rows"); // separated by '|'
    QTest::addColumn<int>("wide");     // the row that runs from edge to edge, -1 none
    QTest::newRow("fits") << 5 << "5 > 4" << "5 > 4" << -1;
    QTest::newRow("long numbers") << 5 << "0.333333333333333 > -123456.789"
                                  << "0.333333333333333|> -123456.789" << 0;
    QTest::newRow("decimal comma") << 17 << "0,333333333333333 > 0,5"
                                   << "0,333333333333333|> 0,5" << 0;
    QTest::newRow("exponent") << 11 << "5 > 1.23456789012346e+19"
                              << "5 >|1.23456789012346e+19" << 1;
    QTest::newRow("no spaces") << 7 << "-123456.7890123456" << "-123456.7890123456" << 0;
}
void WindowTest::captionWrap()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QString, rows);
    QFETCH(int, wide);
    FormDemo form;
    Label *label = form.lbl_alg(index);
    label->setCaption(caption);
    QCOMPARE(label->captionRows().join(QLatin1Char('|')), rows);

    QImage image(form.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    label->paint(painter, form.palette());
    painter.end();
    const QRect r = label->pixels();
    const int rowHeight = QFontMetrics(classicFont(label->fontRole())).lineSpacing();
    int outside = 0;
    QMap<int, int> left, right; // ink near the edges, by row
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                outside += !r.contains(x, y);
                left[(y - r.top()) / rowHeight] += x - r.left() < 3;
                right[(y - r.top()) / rowHeight] += r.right() - x < 3;
            }
    QCOMPARE(outside, 0);
    for (int row = 0; row < 2; ++row)
        QCOMPARE(left.value(row) > 0 && right.value(row) > 0, row == wide);
}

// A caption that fits is drawn with the very pixels QPainter::drawText()
// gives its rectangle, in any script and at any scale.
void WindowTest::captionAsQtDrawsIt_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");
    QTest::newRow("listing") << "Lbl_List(2)" << "A = CDbl(Text1.Text)";
    QTest::newRow("memory, centred") << "Lbl_NameA" << "-1 234,5";
    QTest::newRow("Cyrillic") << "Lbl_List(0)" << "Сортировать числа: Ёлка";
    QTest::newRow("right to left") << "Lbl_List(1)" << "A = \u05E9\u05DC\u05D5\u05DD 12";
    QTest::newRow("no face of its own") << "Lbl_NameB" << "\u6570 7";
    QTest::newRow("flowchart, bold") << "lbl_alg(5)" << "AVATAR > 4";
    QTest::newRow("too wide") << "lbl_alg(5)" << "0,333333333333333 > 0,5";
}

void WindowTest::captionAsQtDrawsIt()
{
    QFETCH(QString, label);
    QFETCH(QString, caption);
    FormDemo form;
    Label *l = form.label(label);
    QVERIFY(l);
    const qreal dpr = qGuiApp->devicePixelRatio();
    if (l->fontRole() == FontRole::Bold && dpr != 1.0)
        return; // drawn twice, a pixel apart, to look bold
    l->setCaption(caption);
    l->setTransparent(true); // its text alone
    const QRect r = l->pixels();
    QImage drawn(form.size() * dpr, QImage::Format_RGB32);
    drawn.setDevicePixelRatio(dpr);
    drawn.fill(Qt::white);
    QImage expected = drawn;
    QPainter painter(&drawn);
    l->paint(painter, form.palette());
    painter.end();
    painter.begin(&expected);
    const QFont font = classicFont(l->fontRole());
    painter.setFont(font);
    painter.setPen(l->foreColor().resolve(form.palette()));
    painter.setClipRect(r);
    const int fits = QFontMetrics(font).horizontalAdvance(caption) <= r.width();
    painter.drawText(QRectF(r.left(), r.top(), r.width(), QFontMetrics(font).lineSpacing()),
                     int((fits ? l->alignment() : Qt::AlignLeft) | Qt::AlignTop | Qt::TextDontClip),
                     caption);
    painter.end();
    // A caption too wide for its label is broken between words instead.
    QCOMPARE(drawn == expected, bool(fits) || !caption.contains(QLatin1Char(' ')));
}

// The pictures at their places, unscaled: with every control hidden the
// client area is the flowchart at the origin, the desktop at Image1 and
// the sorter's window at Image2. At a whole scale factor every picture
// pixel is a square block of one colour.
void WindowTest::picturesInWindow()
{
    FormDemo form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (DrawnControl *c : form.drawnControls())
        if (c->kind() != DrawnControl::Kind::ImageBox)
            c->setVisible(false);
    for (QWidget *w : form.findChildren<QWidget *>())
        w->hide();

    const QImage shot = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal dpr = form.devicePixelRatioF();
    QCOMPARE(shot.size(), (QSizeF(kClient) * dpr).toSize());

    struct Placed { const char *name; const RawImage &picture; QPoint at; QRect visible; };
    const Placed pictures[] = {
        {"flowchart", kFlowchartPicture, QPoint(0, 0), QRect(0, 0, 266, 531)},
        {"sorter window", kSorterWindowPicture, QPoint(520, 56), QRect(0, 0, 243, 163)},
        // The desktop shows around the sorter's window only.
        {"desktop", kDesktopPicture, QPoint(480, 16), QRect(0, 0, 296, 40)},
        {"desktop", kDesktopPicture, QPoint(480, 16), QRect(0, 203, 296, 19)},
    };
    const bool whole = dpr == std::floor(dpr);
    const int k = int(dpr);
    for (const Placed &p : pictures) {
        const QImage picture = builtInImage(p.picture);
        int mismatches = 0;
        for (int y = p.visible.top(); y <= p.visible.bottom(); ++y)
            for (int x = p.visible.left(); x <= p.visible.right(); ++x) {
                const QRgb want = picture.pixel(x, y);
                const QPoint w = p.at + QPoint(x, y);
                if (whole) {
                    for (int dy = 0; dy < k; ++dy)
                        for (int dx = 0; dx < k; ++dx)
                            if (shot.pixel(w.x() * k + dx, w.y() * k + dy) != want)
                                ++mismatches;
                } else {
                    // Smoothed, but still in place: the centre of each picture
                    // pixel stays near its colour.
                    const QPoint s((w.x() + 0.5) * dpr, (w.y() + 0.5) * dpr);
                    const QColor got = shot.pixelColor(s);
                    const QColor exp = QColor(want);
                    if (std::abs(got.red() - exp.red()) > 160
                        || std::abs(got.green() - exp.green()) > 160
                        || std::abs(got.blue() - exp.blue()) > 160)
                        ++mismatches;
                }
            }
        QVERIFY2(mismatches == 0, qPrintable(QStringLiteral("%1: %2 pixels differ at scale %3")
                                                 .arg(QLatin1String(p.name)).arg(mismatches).arg(dpr)));
    }

    // The exit hot spot lies on the cross of the pictured close button.
    const QRect hotSpot = form.drawn(QStringLiteral("Image3"))->pixels();
    QCOMPARE(hotSpot.size(), QSize(9, 9));
    int black = 0;
    for (int y = hotSpot.top(); y <= hotSpot.bottom(); ++y)
        for (int x = hotSpot.left(); x <= hotSpot.right(); ++x)
            if (qGray(shot.pixel(QPoint((x + 0.5) * dpr, (y + 0.5) * dpr))) < 60)
                ++black;
    QVERIFY2(black >= 20, qPrintable(QString::number(black)));
}

// At any scale factor the window's text comes from faces that scale, so
// letters keep their spacing.
void WindowTest::scaledText()
{
    FormDemo form;
    for (FontRole role : {FontRole::Text, FontRole::Bold, FontRole::Heading}) {
        const QFontInfo info(classicFont(role));
        if (qGuiApp->devicePixelRatio() != 1.0)
            QVERIFY2(QFontDatabase::isScalable(info.family(), info.styleName()),
                     qPrintable(info.family()));
        QCOMPARE(info.pixelSize() >= 11, true);
    }
    // Bold stays bold: as the window paints them, the strokes of a bold
    // flowchart label are clearly wider than those of a listing line with
    // the same text (about twice at the window's own size).
    const qreal dpr = qGuiApp->devicePixelRatio();
    QImage image(form.size() * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    Label *bold = form.lbl_alg(0), *regular = form.Lbl_List(0);
    regular->setCaption(bold->caption());
    QPainter painter(&image);
    bold->paint(painter, form.palette());
    regular->paint(painter, form.palette());
    painter.end();
    // The median run of dark pixels along the rows of a label: its stroke width.
    const auto strokeWidth = [&image, dpr](const Label *label) {
        const QRect area = label->pixels();
        std::vector<int> runs;
        for (int y = int(area.top() * dpr); y < int((area.bottom() + 1) * dpr); ++y)
            for (int x = int(area.left() * dpr), run = 0; x <= int((area.right() + 1) * dpr); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    ++run;
                else if (run > 0)
                    runs.push_back(std::exchange(run, 0));
        std::sort(runs.begin(), runs.end());
        return runs.empty() ? 0 : runs[runs.size() / 2];
    };
    const int boldWidth = strokeWidth(bold), regularWidth = strokeWidth(regular);
    QVERIFY2(boldWidth >= 1.5 * regularWidth,
             qPrintable(QStringLiteral("bold %1 against regular %2 at scale %3")
                            .arg(boldWidth).arg(regularWidth).arg(dpr)));

    const QString text = QStringLiteral("Private Sub Command1_Click()");
    const int width = QFontMetrics(classicFont(FontRole::Text)).horizontalAdvance(text);
    // The listing's longest line fits its label at every scale.
    QVERIFY2(width <= form.Lbl_List(0)->pixels().width(), qPrintable(QString::number(width)));
}

// Under the English translation (its .qm given in KALUMET_ENGLISH, as the
// test window_english gives it) every caption of both windows, longer than
// the Russian or not, fits its control at scale 1: a label's rows within
// its rectangle, a button's or the check box's text within the room the
// style leaves it. Tooltips lay themselves out.
void WindowTest::englishCaptionsFit()
{
    const QString file = qEnvironmentVariable("KALUMET_ENGLISH");
    if (file.isEmpty())
        QSKIP("run as window_english, with the English translation");
    QTranslator english;
    QVERIFY2(english.load(file), qPrintable(file));
    QCoreApplication::installTranslator(&english);
    FormDemo demo;
    Form1 sorter;
    QCoreApplication::removeTranslator(&english);

    QStringList overflows;
    const QRegularExpression russian(QStringLiteral("[А-яЁё]"));
    // A text that needs more pixels across (or down) than its control has.
    const auto check = [&](const QString &name, const QString &text, int needs, int has,
                           const char *across = "across") {
        if (text.contains(russian))
            overflows << name + QStringLiteral(": untranslated \"") + text + u'"';
        else if (needs > has)
            overflows << QStringLiteral("%1: \"%2\" needs %3 px %4, has %5")
                             .arg(name, text).arg(needs).arg(QLatin1String(across)).arg(has);
    };
    const TableWindow *const windows[] = {&demo, &sorter};
    for (const TableWindow *window : windows)
        for (const QObject *control : window->controls()) {
            const QString name =
                QLatin1String(window->metaObject()->className()) + u'.' + control->objectName();
            if (const auto *label = qobject_cast<const Label *>(control)) {
                const QFontMetrics metrics(classicFont(label->fontRole()));
                const QRect r = label->pixels();
                const QStringList rows = label->captionRows();
                for (const QString &row : rows)
                    check(label->fullName(), row, metrics.horizontalAdvance(row), r.width());
                check(label->fullName(), label->caption(), int(rows.size()) * metrics.lineSpacing(),
                      r.height(), "down");
            } else if (const auto *label = qobject_cast<const QLabel *>(control)) {
                check(name, label->text(), label->fontMetrics().horizontalAdvance(label->text()),
                      label->contentsRect().width());
            } else if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
                QStyleOptionButton option;
                option.initFrom(button);
                option.text = button->text();
                const bool box = qobject_cast<const QCheckBox *>(button);
                const QRect room = button->style()->subElementRect(
                    box ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, button);
                check(name, button->text(), button->fontMetrics().horizontalAdvance(button->text()),
                      room.width());
            }
        }
    QVERIFY2(overflows.isEmpty(), qPrintable(overflows.join(u'\n')));
}

void WindowTest::listingsFit_data()
{
    QTest::addColumn<lesson::Language>("language");
    for (const lesson::Language language : lesson::kLanguages)
        QTest::newRow(qPrintable(lesson::codeName(language))) << language;
}

// Every line of every listing on one row of its label at 1x, in the
// window's language (the English translation too, where it runs as
// window_english), as the window shows it.
void WindowTest::listingsFit()
{
    QFETCH(lesson::Language, language);
    QTranslator english;
    if (const QString file = qEnvironmentVariable("KALUMET_ENGLISH"); !file.isEmpty()) {
        QVERIFY2(english.load(file), qPrintable(file));
        QCoreApplication::installTranslator(&english);
    }
    FormDemo form(lesson::kDefaultPace, language);
    const std::array<QString, lesson::kSteps> lines = lesson::listing(language);
    QCoreApplication::removeTranslator(&english);
    for (int i = 0; i < lesson::kSteps; ++i) {
        const Label *line = form.Lbl_List(i);
        if (language != lesson::Language::VisualBasic)
            QCOMPARE(line->caption(), lines[std::size_t(i)]);
        const int needs = QFontMetrics(classicFont(line->fontRole())).horizontalAdvance(line->caption());
        QVERIFY2(needs <= line->pixels().width() && line->captionRows().size() <= 1,
                 qPrintable(QStringLiteral("\"%1\" needs %2 px, has %3")
                                .arg(line->caption()).arg(needs).arg(line->pixels().width())));
    }
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
