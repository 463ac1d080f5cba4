#pragma once

#include "builtinimages.h"
#include "classicfont.h"
#include "colour.h"

#include <QLine>
#include <QRect>
#include <QString>

#include <optional>

// One control of a window's table: its name, kind, place, text, font,
// colours and initial state. Both windows describe their whole look in a
// table of these and make their controls from it (TableWindow).

enum class ControlKind { Label, ImageBox, Shape, Line, TextBox, PushButton, CheckBox };

struct ControlRow
{
    QString name;
    int index = -1; // within a control array, else -1
    ControlKind kind = ControlKind::Label;
    // Drawn controls: the place in the stack, from 0 at the front. A control
    // lies in front of (is drawn after, and takes the mouse before) every
    // control of a higher rank. Child widgets lie above all of them.
    int stack = -1;
    QRect twips;    // Left, Top, Width, Height
    QLine ends;     // lines only: X1, Y1, X2, Y2
    QString text;   // caption or text, in the programs' source language
    FontRole font = FontRole::Text;
    Colour fore = Colour::Role::ButtonText;
    Colour back = Colour::Role::ButtonFace;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool transparentBack = false; // labels and shapes: only the text / border is drawn
    bool visible = true;
    QString tag;
    QString toolTip;
    const RawImage *picture = nullptr; // an image box's bitmap
    const RawImage *pictureEn = nullptr; // the same with its texts in English, where it has texts
    QString accessibleName;   // for assistive technology, where no text names the control
    QString labelOf;          // labels: the box the label names
    bool enabled = true;
    bool checked = false;     // check box value
    int tabIndex = -1;        // controls that take the focus
    // Flowchart labels that the steps write values into: the caption that
    // alg_caption_CLS restores.
    std::optional<QString> restored;

    // Labels, image boxes, shapes and lines: a window that draws its
    // controls itself paints them.
    bool isDrawn() const
    {
        return kind == ControlKind::Label || kind == ControlKind::ImageBox
               || kind == ControlKind::Shape || kind == ControlKind::Line;
    }

    // The bitmap an image box shows where the window's texts are in
    // `language` ("ru" or "en").
    const RawImage *pictureIn(const QString &language) const
    {
        return language == QLatin1String("en") && pictureEn ? pictureEn : picture;
    }

    QString fullName() const
    {
        return index < 0 ? name : name + u'(' + QString::number(index) + u')';
    }

    // Chainable settings, so each row of a table reads as one line.
    ControlRow withFont(FontRole f) const { ControlRow r = *this; r.font = f; return r; }
    ControlRow withBack(Colour c) const { ControlRow r = *this; r.back = c; return r; }
    ControlRow aligned(Qt::Alignment a) const { ControlRow r = *this; r.alignment = a; return r; }
    ControlRow centred() const { return aligned(Qt::AlignHCenter); }
    ControlRow transparent() const { ControlRow r = *this; r.transparentBack = true; return r; }
    ControlRow opaque() const { ControlRow r = *this; r.transparentBack = false; return r; }
    ControlRow hidden() const { ControlRow r = *this; r.visible = false; return r; }
    ControlRow disabled() const { ControlRow r = *this; r.enabled = false; return r; }
    ControlRow ticked() const { ControlRow r = *this; r.checked = true; return r; }
    ControlRow withTag(const char *t) const { ControlRow r = *this; r.tag = QString::fromUtf8(t); return r; }
    ControlRow withTip(const char *t) const { ControlRow r = *this; r.toolTip = QString::fromUtf8(t); return r; }
    ControlRow withPicture(const RawImage &p) const { ControlRow r = *this; r.picture = &p; return r; }
    ControlRow withPicture(const RawImage &p, const RawImage &en) const
    {
        ControlRow r = withPicture(p);
        r.pictureEn = &en;
        return r;
    }
    ControlRow withTab(int i) const { ControlRow r = *this; r.tabIndex = i; return r; }
    ControlRow announcedAs(const char *n) const { ControlRow r = *this; r.accessibleName = QString::fromUtf8(n); return r; }
    ControlRow naming(const char *box) const { ControlRow r = *this; r.labelOf = QString::fromUtf8(box); return r; }
    ControlRow restoredAs(const char *c) const { ControlRow r = *this; r.restored = QString::fromUtf8(c); return r; }
};

// A control of a table, with the defaults of its kind: a text box writes
// in the window text colour on the window background, a shape is a
// transparent frame until it is made opaque.
ControlRow controlRow(ControlKind kind, const char *name, int index, int stack, int left, int top,
                      int width, int height, const char *text);
