#pragma once

#include "colour.h"
#include "classicfont.h"
#include "twips.h"

#include <QAccessible>
#include <QLine>
#include <QMetaMethod>
#include <QObject>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QStringList>

class QPainter;
class QWidget;

// A control the window draws on its own client area: label, image box,
// shape or line. These are not widgets: the window paints them in their
// stacking order, finds the one under the mouse, shows its tooltip and
// publishes it to assistive technology.
class DrawnControl : public QObject
{
    Q_OBJECT
public:
    enum class Kind { Label, ImageBox, Shape, Line };

    DrawnControl(Kind kind, const QString &name, int index, const QRect &twips, QWidget *surface);

    Kind kind() const { return m_kind; }
    // Name of the control or control array ("Image4", "lbl_alg").
    QString name() const { return m_name; }
    // Index within its control array, -1 for a single control.
    int index() const { return m_index; }
    // "lbl_alg(5)", or the name of a single control.
    QString fullName() const;

    QRect twips() const { return m_twips; }
    // The window pixels the control covers.
    virtual QRect pixels() const { return toPixels(m_twips); }

    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);

    // Labels and image boxes take the mouse over their whole rectangle,
    // transparent or not; shapes and lines never do.
    bool takesMouse() const { return m_kind == Kind::Label || m_kind == Kind::ImageBox; }
    bool hitTest(const QPoint &windowPixel) const
    {
        return m_visible && takesMouse() && pixels().contains(windowPixel);
    }

    virtual QString toolTip() const { return QString(); }
    virtual void paint(QPainter &painter, const QPalette &palette) const = 0;

    // Shapes and lines only draw: assistive technology doesn't see them.
    bool isDecoration() const { return m_kind == Kind::Shape || m_kind == Kind::Line; }
    virtual QAccessible::Role accessibleRole() const { return QAccessible::NoRole; }
    virtual QString accessibleName() const { return QString(); }

protected:
    void repaint();
    void nameChanged();

private:
    QWidget *m_surface;
    Kind m_kind;
    QString m_name;
    int m_index;
    QRect m_twips;
    bool m_visible = true;
};

class Label : public DrawnControl
{
    Q_OBJECT
public:
    Label(const QString &name, int index, const QRect &twips, QWidget *surface);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    Colour foreColor() const { return m_fore; }
    void setForeColor(const Colour &colour);
    // In the highlight colour: the line or block of the step shown; to
    // assistive technology, selected.
    bool isLit() const { return m_fore == kHighlight; }
    Qt::Alignment alignment() const { return m_alignment; }
    FontRole fontRole() const { return m_font; }
    QString tag() const { return m_tag; }
    // The caption's rows as the label shows them, top to bottom; rows that
    // don't fit are cut at the label's edges.
    QStringList captionRows() const;

    // Settings fixed at creation.
    void setBackColor(const Colour &colour) { m_back = colour; }
    void setTransparent(bool transparent) { m_transparent = transparent; }
    void setAlignment(Qt::Alignment alignment) { m_alignment = alignment; }
    void setFontRole(FontRole font) { m_font = font; }
    void setTag(const QString &tag) { m_tag = tag; }

    void paint(QPainter &painter, const QPalette &palette) const override;
    QAccessible::Role accessibleRole() const override { return QAccessible::StaticText; }
    QString accessibleName() const override { return m_caption; }

private:
    QString m_caption;
    Colour m_fore = Colour::Role::ButtonText;
    Colour m_back = Colour::Role::ButtonFace;
    bool m_transparent = false;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    FontRole m_font = FontRole::Text;
    QString m_tag;
};

class ImageBox : public DrawnControl
{
    Q_OBJECT
public:
    ImageBox(const QString &name, const QRect &twips, QWidget *surface);

    const QPixmap &picture() const { return m_picture; }
    void setPicture(const QPixmap &picture) { m_picture = picture; }
    QString toolTip() const override { return m_toolTip; }
    void setToolTip(const QString &tip) { m_toolTip = tip; }
    // Name for assistive technology where the box has no tooltip: what its
    // picture shows, or what a click on it does.
    void setAccessibleName(const QString &name) { m_accessibleName = name; }

    void paint(QPainter &painter, const QPalette &palette) const override;
    QAccessible::Role accessibleRole() const override;
    QString accessibleName() const override;
    // A box the window does something on a click of: a button to assistive
    // technology, whose press action clicks it.
    bool isClickable() const { return isSignalConnected(QMetaMethod::fromSignal(&ImageBox::clicked)); }
    void click() { emit clicked(); }

signals:
    void clicked();

private:
    QPixmap m_picture;
    QString m_toolTip;
    QString m_accessibleName;
};

class Shape : public DrawnControl
{
    Q_OBJECT
public:
    Shape(const QString &name, const QRect &twips, QWidget *surface);

    void setTransparent(bool transparent) { m_transparent = transparent; }
    void setBackColor(const Colour &colour) { m_back = colour; }

    void paint(QPainter &painter, const QPalette &palette) const override;

private:
    bool m_transparent = true;
    Colour m_back = Colour::Role::WindowBackground;
};

// A line from (X1, Y1) to (X2, Y2), in twips.
class Line : public DrawnControl
{
    Q_OBJECT
public:
    Line(const QString &name, const QLine &twips, QWidget *surface);

    QLine ends() const { return m_ends; }
    QLine pixelEnds() const;
    QRect pixels() const override;

    void paint(QPainter &painter, const QPalette &palette) const override;

private:
    QLine m_ends;
};
