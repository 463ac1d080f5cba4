#pragma once

#include "colour.h"
#include "demopictures.h"
#include "classicfont.h"

#include <QLine>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

// The fixed look of the demonstrator window: every control with its name,
// kind, place, text, font, colours and initial state. The window makes its
// controls from this table and from nothing else.

enum class ControlKind { Label, ImageBox, Shape, Line, TextBox, PushButton, CheckBox };

struct ControlRow
{
    QString name;
    int index = -1; // within a control array, else -1
    ControlKind kind = ControlKind::Label;
    QRect twips;    // Left, Top, Width, Height
    QLine ends;     // lines only: X1, Y1, X2, Y2
    QString text;   // caption or text
    FontRole font = FontRole::Text;
    Colour fore = Colour::Role::ButtonText;
    Colour back = Colour::Role::ButtonFace;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool transparent = false; // labels and shapes: only the text / border is drawn
    bool visible = true;
    QString tag;
    QString toolTip;
    const RawImage *picture = nullptr; // an image box's bitmap
    QString accessibleName;   // for assistive technology, where no text names the control
    QString labelOf;          // labels: the box the label names
    bool enabled = true;
    bool checked = false;     // check box value
    int tabIndex = -1;        // controls that take the focus

    // Labels, image boxes, shapes and lines: the window paints them itself.
    bool isDrawn() const
    {
        return kind == ControlKind::Label || kind == ControlKind::ImageBox
               || kind == ControlKind::Shape || kind == ControlKind::Line;
    }

    QString fullName() const
    {
        return index < 0 ? name : name + u'(' + QString::number(index) + u')';
    }

    // Chainable settings, so each row of the table reads as one line.
    ControlRow withFont(FontRole f) const { ControlRow r = *this; r.font = f; return r; }
    ControlRow withBack(Colour c) const { ControlRow r = *this; r.back = c; return r; }
    ControlRow centred() const { ControlRow r = *this; r.alignment = Qt::AlignHCenter; return r; }
    ControlRow clear() const { ControlRow r = *this; r.transparent = true; return r; }
    ControlRow opaque() const { ControlRow r = *this; r.transparent = false; return r; }
    ControlRow hidden() const { ControlRow r = *this; r.visible = false; return r; }
    ControlRow disabled() const { ControlRow r = *this; r.enabled = false; return r; }
    ControlRow ticked() const { ControlRow r = *this; r.checked = true; return r; }
    ControlRow withTag(const char *t) const { ControlRow r = *this; r.tag = QString::fromUtf8(t); return r; }
    ControlRow withTip(const char *t) const { ControlRow r = *this; r.toolTip = QString::fromUtf8(t); return r; }
    ControlRow withPicture(const RawImage &p) const { ControlRow r = *this; r.picture = &p; return r; }
    ControlRow withTab(int i) const { ControlRow r = *this; r.tabIndex = i; return r; }
    ControlRow announcedAs(const char *n) const { ControlRow r = *this; r.accessibleName = QString::fromUtf8(n); return r; }
    ControlRow naming(const char *box) const { ControlRow r = *this; r.labelOf = QString::fromUtf8(box); return r; }
};

// All controls of FormDemo, by area of the window.
const std::vector<ControlRow> &controlInventory();

// The drawn controls (labels, image boxes, shapes, lines) front to back:
// a control listed earlier is drawn after, and takes the mouse before,
// every control listed later. Push buttons, the check box and the text
// boxes are child widgets and lie above all of them.
const QStringList &stackingOrder();

// A front-to-back list of full names resolved against the drawn controls of
// `rows`: for each name, the index of its row. Each fault of the list (a
// name with no drawn control, a name listed twice, a drawn control left
// out) adds one line to `problems`; the window refuses to start on any.
std::vector<std::size_t> resolveStacking(const QStringList &order,
                                         const std::vector<ControlRow> &rows,
                                         QStringList &problems);

// The window's own settings.
namespace formdemo {
constexpr int kClientWidthTwips = 11820;
constexpr int kClientHeightTwips = 7965;
constexpr const char *kCaption = "Демонстрация алгоритма сортировки трех чисел";
inline const RawImage &kBackgroundPicture = kFlowchartPicture;
} // namespace formdemo
