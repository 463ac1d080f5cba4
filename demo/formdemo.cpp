#include "formdemo.h"

#include "accessibility.h"
#include "builtinimages.h"
#include "inventory.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <type_traits>

FormDemo::FormDemo(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    installDemoAccessibility();
    loadClassicFaces({FontRole::Text, FontRole::Bold, FontRole::Heading});
    setWindowTitle(tr(formdemo::kCaption));

    // The pictures are drawn in the standard colour scheme, so the window
    // keeps it whatever the desktop's theme: button face background.
    QPalette pal = style()->standardPalette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(classicFont(FontRole::Text));
    // The window's message boxes and the boxes' context menu in its face.
    QApplication::setFont(font(), "QMessageBox");
    QApplication::setFont(font(), "QMenu");

    m_picture = builtInPixmap(formdemo::kBackgroundPicture);
    createControls();

    // The client area; a resize moves and scales nothing.
    resize(toPixels(formdemo::kClientWidthTwips), toPixels(formdemo::kClientHeightTwips));
    // Centred on the screen; a window larger than the screen's available
    // area opens with its top-left corner, and so its title bar, on it.
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        QRect frame(QPoint(), size());
        frame.moveCenter(area.center());
        move(std::max(frame.left(), area.left()), std::max(frame.top(), area.top()));
    }

    Form_Load(); // which puts the focus on the sort button
}

namespace {

// A text of the table as the user reads it: in the programs' language.
QString shown(const QString &text)
{
    return text.isEmpty() ? text : FormDemo::tr(text.toUtf8().constData());
}

Label *makeLabel(const ControlRow &row, QWidget *surface)
{
    auto *l = new Label(row.name, row.index, row.twips, surface);
    l->setCaption(shown(row.text));
    l->setForeColor(row.fore);
    l->setBackColor(row.back);
    l->setTransparent(row.transparentBack);
    l->setAlignment(row.alignment);
    l->setFontRole(row.font);
    l->setTag(row.tag);
    return l;
}

DrawnControl *makeDrawn(const ControlRow &row, QWidget *surface)
{
    if (row.kind == ControlKind::Label)
        return makeLabel(row, surface);
    if (row.kind == ControlKind::ImageBox) {
        auto *img = new ImageBox(row.name, row.twips, surface);
        if (row.picture)
            img->setPicture(builtInPixmap(*row.picture));
        img->setToolTip(shown(row.toolTip));
        img->setAccessibleName(shown(row.accessibleName));
        return img;
    }
    if (row.kind == ControlKind::Shape) {
        auto *s = new Shape(row.name, row.twips, surface);
        s->setTransparent(row.transparentBack);
        s->setBackColor(row.back);
        return s;
    }
    return new Line(row.name, row.ends, surface);
}

QWidget *makeWidget(const ControlRow &row, QWidget *parent)
{
    if (row.kind == ControlKind::TextBox) {
        // The text goes in once the box has the window's font: given to the
        // constructor, it would be shaped in the application's font first.
        auto *box = new QLineEdit(parent);
        box->setText(row.text);
        return box;
    }
    if (row.kind == ControlKind::CheckBox) {
        auto *c = new QCheckBox(shown(row.text), parent);
        c->setChecked(row.checked);
        QPalette cp = c->palette();
        cp.setColor(QPalette::Window, row.back.resolve(parent->palette()));
        c->setPalette(cp);
        c->setBackgroundRole(QPalette::Window); // a button's own role is the button face
        c->setAutoFillBackground(true);
        return c;
    }
    // Enter presses the focused button, as Space does; no button is pressed
    // by Enter elsewhere, and none by Esc.
    auto *b = new QPushButton(shown(row.text), parent);
    b->setAutoDefault(true);
    return b;
}

// The window's control of that name and kind. The inventory names every
// control the window binds, so a miss is a fault of the build.
template <typename T>
T *namedControl(const FormDemo *window, const QString &name)
{
    T *control = nullptr;
    if constexpr (std::is_base_of_v<DrawnControl, T>)
        control = qobject_cast<T *>(window->drawn(name)); // by the stacking's index
    else
        control = window->findChild<T *>(name, Qt::FindDirectChildrenOnly);
    if (control)
        return control;
    qFatal("FormDemo has no control named \"%s\" of the expected kind", qPrintable(name));
}

} // namespace

void FormDemo::createControls()
{
    const std::vector<QObject *> made = makeControls();
    // Assistive technology reads them in the table's order, which is the
    // reading order; shapes and lines are decoration.
    for (QObject *control : made)
        if (const auto *d = qobject_cast<DrawnControl *>(control); !d || !d->isDecoration())
            m_presented.push_back(control);
    stackDrawnControls(made);
    bindMembers();
    setTabOrderAndKeyPreview(made);
    nameBoxesByTheirLabels();
    connectHandlers();
    guardBoxesDuringRuns();
}

// One control for each row of the inventory, in the table's order, and the
// timer.
std::vector<QObject *> FormDemo::makeControls()
{
    std::vector<QObject *> made;
    for (const ControlRow &row : controlInventory()) {
        if (row.isDrawn()) {
            DrawnControl *drawn = makeDrawn(row, this);
            drawn->setVisible(row.visible);
            made.push_back(drawn);
        } else {
            QWidget *widget = makeWidget(row, this);
            widget->setObjectName(row.name);
            widget->setGeometry(toPixels(row.twips));
            widget->setEnabled(row.enabled);
            widget->setVisible(row.visible);
            made.push_back(widget);
        }
    }
    m_Timer1 = new IntervalTimer(this);
    m_Timer1->setObjectName(QStringLiteral("Timer1"));
    return made;
}

// The drawn controls front to back, by their rank in the table.
void FormDemo::stackDrawnControls(const std::vector<QObject *> &made)
{
    const std::vector<ControlRow> &rows = controlInventory();
    std::vector<std::pair<int, DrawnControl *>> ranked;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].isDrawn())
            continue;
        auto *c = static_cast<DrawnControl *>(made[i]);
        ranked.emplace_back(rows[i].stack, c);
        m_byName.insert(c->fullName(), c);
        if (rows[i].restored)
            m_restoredCaptions[std::size_t(rows[i].index)] = *rows[i].restored;
    }
    std::sort(ranked.begin(), ranked.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &entry : ranked)
        m_stack.push_back(entry.second);
}

void FormDemo::bindMembers()
{
    for (int i = 0; i < formdemo::kFlowchartLabels; ++i)
        m_lbl_alg[std::size_t(i)] = namedControl<Label>(this, QStringLiteral("lbl_alg(%1)").arg(i));
    for (int i = 0; i < formdemo::kListingLines; ++i)
        m_Lbl_List[std::size_t(i)] = namedControl<Label>(this, QStringLiteral("Lbl_List(%1)").arg(i));
    m_Lbl_NameA = namedControl<Label>(this, QStringLiteral("Lbl_NameA"));
    m_Lbl_NameB = namedControl<Label>(this, QStringLiteral("Lbl_NameB"));
    m_Lbl_NameC = namedControl<Label>(this, QStringLiteral("Lbl_NameC"));
    m_Lbl_NameX = namedControl<Label>(this, QStringLiteral("Lbl_NameX"));
    m_Lbl_MemA = namedControl<Label>(this, QStringLiteral("Lbl_MemA"));
    m_Lbl_MemB = namedControl<Label>(this, QStringLiteral("Lbl_MemB"));
    m_Lbl_MemC = namedControl<Label>(this, QStringLiteral("Lbl_MemC"));
    m_Lbl_MemX = namedControl<Label>(this, QStringLiteral("Lbl_MemX"));

    m_Text1 = namedControl<QLineEdit>(this, QStringLiteral("Text1"));
    m_Text2 = namedControl<QLineEdit>(this, QStringLiteral("Text2"));
    m_Text3 = namedControl<QLineEdit>(this, QStringLiteral("Text3"));
    m_Command1 = namedControl<QPushButton>(this, QStringLiteral("Command1"));
    m_Check1 = namedControl<QCheckBox>(this, QStringLiteral("Check1"));
    m_Cmd_Preview = namedControl<QPushButton>(this, QStringLiteral("Cmd_Preview"));
    m_Cmd_Next = namedControl<QPushButton>(this, QStringLiteral("Cmd_Next"));
    m_Cmd_Stop = namedControl<QPushButton>(this, QStringLiteral("Cmd_Stop"));
    m_Cmd_Goto = namedControl<QPushButton>(this, QStringLiteral("Cmd_Goto"));
    m_Cmd_Reset = namedControl<QPushButton>(this, QStringLiteral("Cmd_Reset"));
    m_Command3 = namedControl<QPushButton>(this, QStringLiteral("Command3"));
}

// The controls that take the focus by ascending tab index; key preview:
// the window sees every key before the focused control (and the pointer
// entering one of these controls, which are all its live controls).
void FormDemo::setTabOrderAndKeyPreview(const std::vector<QObject *> &made)
{
    const std::vector<ControlRow> &rows = controlInventory();
    std::vector<std::pair<int, QWidget *>> tabOrder;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].tabIndex >= 0 && made[i]->isWidgetType())
            tabOrder.emplace_back(rows[i].tabIndex, static_cast<QWidget *>(made[i]));
    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 0; i + 1 < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i].second, tabOrder[i + 1].second);
    for (const auto &entry : tabOrder)
        entry.second->installEventFilter(this);
}

// A text box is known to assistive technology by the label beside it.
void FormDemo::nameBoxesByTheirLabels()
{
    for (const ControlRow &row : controlInventory())
        if (!row.labelOf.isEmpty())
            namedControl<QWidget>(this, row.labelOf)->setAccessibleName(shown(row.text));
}

void FormDemo::connectHandlers()
{
    connect(m_Command1, &QPushButton::clicked, this, &FormDemo::Command1_Click);
    connect(m_Check1, &QCheckBox::toggled, this, &FormDemo::Check1_Click);
    connect(m_Cmd_Next, &QPushButton::clicked, this, &FormDemo::Cmd_Next_Click);
    connect(m_Cmd_Goto, &QPushButton::clicked, this, &FormDemo::Cmd_Goto_Click);
    connect(m_Cmd_Stop, &QPushButton::clicked, this, &FormDemo::Cmd_Stop_Click);
    connect(m_Cmd_Reset, &QPushButton::clicked, this, &FormDemo::Cmd_Reset_Click);
    connect(m_Command3, &QPushButton::clicked, this, &FormDemo::Command3_Click);
    connect(m_Text1, &QLineEdit::textChanged, this, &FormDemo::Text1_Change);
    connect(m_Text2, &QLineEdit::textChanged, this, &FormDemo::Text2_Change);
    connect(m_Text3, &QLineEdit::textChanged, this, &FormDemo::Text3_Change);
    connect(m_Timer1, &IntervalTimer::Timer, this, &FormDemo::Timer1_Timer);
}

DrawnControl *FormDemo::drawn(const QString &fullName) const
{
    return m_byName.value(fullName);
}

Label *FormDemo::label(const QString &fullName) const
{
    return qobject_cast<Label *>(drawn(fullName));
}

DrawnControl *FormDemo::controlAt(const QPoint &windowPixel) const
{
    for (DrawnControl *c : m_stack)
        if (c->hitTest(windowPixel))
            return c;
    return nullptr;
}

void FormDemo::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    // At a whole scale factor every picture pixel becomes a square block of
    // screen pixels; in between, smoothing keeps the pictures readable.
    const qreal dpr = devicePixelRatioF();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, dpr != std::floor(dpr));
    const QPalette pal = palette();
    // Painted rectangle by rectangle: clipped to one rectangle, Qt copies
    // pictures and fills areas line by line in this thread; clipped to a
    // region of several (the check box, an opaque child, cuts the first
    // one in four) it hands every large picture to a pool of threads,
    // whose start costs more than the copy.
    for (const QRect &part : event->region()) {
        painter.setClipRect(part);
        drawBuiltIn(painter, QPoint(0, 0), m_picture, part);
        for (auto it = m_stack.rbegin(); it != m_stack.rend(); ++it) {
            const DrawnControl *c = *it;
            if (c->isVisible() && c->pixels().adjusted(-1, -1, 1, 1).intersects(part))
                c->paint(painter, pal);
        }
    }
}

void FormDemo::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = controlAt(event->position().toPoint());
    event->accept();
}

void FormDemo::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    DrawnControl *pressed = m_pressed;
    m_pressed = nullptr;
    // A click is a press and a release on the same control.
    if (pressed && pressed == controlAt(event->position().toPoint())
        && pressed->fullName() == QLatin1String("Image3"))
        Image3_Click();
}

// Closed by the window's own close box: the timer goes with the window, so
// no step runs on a window that is gone.
void FormDemo::closeEvent(QCloseEvent *event)
{
    m_Timer1->setEnabled(false);
    QWidget::closeEvent(event);
}

void FormDemo::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && !controlAt(event->position().toPoint()))
        Form_DblClick();
    event->accept();
}

bool FormDemo::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        // The live boxes and buttons lie above every drawn control and show
        // no tooltip: theirs only came up here because they have none.
        const DrawnControl *c = childAt(help->pos()) ? nullptr : controlAt(help->pos());
        if (c && !c->toolTip().isEmpty())
            QToolTip::showText(help->globalPos(), c->toolTip(), this, c->pixels());
        else
            QToolTip::hideText();
        return true;
    }
    // With no control focused the window itself receives the key; a key a
    // focused control leaves unused comes up here too, already previewed.
    if (event->type() == QEvent::KeyPress && (!focusWidget() || focusWidget() == this))
        eventFilter(this, event);
    return QWidget::event(event);
}

// A focused control that is being disabled hands the focus on through here.
// It doesn't go down the tab order to whatever is still enabled (the check
// box, "Сброс", where the next Space would do the wrong thing): the handler
// that disabled the control puts the focus on the next action.
bool FormDemo::focusNextPrevChild(bool next)
{
    if (const QWidget *focused = focusWidget(); focused && !focused->isEnabled())
        return false;
    return QWidget::focusNextPrevChild(next);
}

bool FormDemo::eventFilter(QObject *watched, QEvent *event)
{
    // The tooltip of a drawn control behind a live control goes as the
    // pointer enters the live control.
    if (event->type() == QEvent::Enter)
        QToolTip::hideText();
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (event->type() == QEvent::KeyPress && !key->text().isEmpty())
            Form_KeyPress(key->text().at(0).unicode());
        // A key held down presses the sort button once: its repeats never
        // start a run over the one the class is looking at.
        if (watched == m_Command1 && key->isAutoRepeat())
            return true;
    }
    return false; // the key goes on to the focused control unchanged
}

// While a run goes on only its steps write the boxes. An edit from
// anywhere else (assistive technology can set a disabled box's text) is
// undone at once: the run reads and writes back the numbers it started
// with.
void FormDemo::guardBoxesDuringRuns()
{
    for (QLineEdit *box : {m_Text1, m_Text2, m_Text3})
        connect(box, &QLineEdit::textChanged, this, [this, box, kept = box->text()]() mutable {
            if (m_step == 0 || m_stepWrites)
                kept = box->text();
            else if (box->text() != kept)
                box->setText(kept);
        });
}
