#include "formdemo.h"

#include "accessibility.h"
#include "builtinimages.h"
#include "inventory.h"
#include "launch.h"

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

FormDemo::FormDemo(QWidget *parent)
    : TableWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
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

    m_pace = initialPace();
    Form_Load(); // which puts the focus on the sort button
}

DrawnControl *FormDemo::makeDrawn(const ControlRow &row)
{
    DrawnControl *made = nullptr;
    if (row.kind == ControlKind::Label) {
        auto *l = new Label(row.name, row.index, row.twips, this);
        l->setCaption(shown(row.text));
        l->setForeColor(row.fore);
        l->setBackColor(row.back);
        l->setTransparent(row.transparentBack);
        l->setAlignment(row.alignment);
        l->setFontRole(row.font);
        l->setTag(row.tag);
        made = l;
    } else if (row.kind == ControlKind::ImageBox) {
        auto *img = new ImageBox(row.name, row.twips, this);
        // The pictures' texts in the language of the window's.
        if (row.picture)
            img->setPicture(
                builtInPixmap(formdemo::pictureIn(*row.picture, launch::uiLanguage())));
        img->setToolTip(shown(row.toolTip));
        img->setAccessibleName(shown(row.accessibleName));
        made = img;
    } else if (row.kind == ControlKind::Shape) {
        auto *sh = new Shape(row.name, row.twips, this);
        sh->setTransparent(row.transparentBack);
        sh->setBackColor(row.back);
        made = sh;
    } else {
        made = new Line(row.name, row.ends, this);
    }
    made->setVisible(row.visible);
    return made;
}

void FormDemo::createControls()
{
    makeControls(controlInventory(), [this](const ControlRow &row) { return makeDrawn(row); });
    m_Timer1 = new IntervalTimer(this);
    m_Timer1->setObjectName(QStringLiteral("Timer1"));
    stackDrawnControls();
    bindMembers();
    for (QObject *control : controls())
        if (auto *l = qobject_cast<Label *>(control)) {
            m_labelIndex.insert(l, m_labels.size());
            m_labels.push_back(l);
        }
    setKeyPreview();
    connectHandlers();
    guardBoxesDuringRuns();
}

std::vector<QObject *> FormDemo::readingOrder() const
{
    // The table lists the controls in reading order; shapes and lines are
    // decoration.
    std::vector<QObject *> read;
    for (QObject *control : controls())
        if (const auto *d = qobject_cast<DrawnControl *>(control); !d || !d->isDecoration())
            read.push_back(control);
    if (QObject *said = announcement(this))
        read.push_back(said);
    return read;
}

// The drawn controls front to back, by their rank in the table, and the
// captions alg_caption_CLS restores.
void FormDemo::stackDrawnControls()
{
    const std::vector<ControlRow> &rows = controlInventory();
    std::vector<std::pair<int, DrawnControl *>> ranked;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto *c = qobject_cast<DrawnControl *>(controls()[i]);
        if (!c)
            continue;
        ranked.emplace_back(rows[i].stack, c);
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
        m_lbl_alg[std::size_t(i)] = named<Label>(QStringLiteral("lbl_alg(%1)").arg(i));
    for (int i = 0; i < formdemo::kListingLines; ++i)
        m_Lbl_List[std::size_t(i)] = named<Label>(QStringLiteral("Lbl_List(%1)").arg(i));
    m_Lbl_NameA = named<Label>(QStringLiteral("Lbl_NameA"));
    m_Lbl_NameB = named<Label>(QStringLiteral("Lbl_NameB"));
    m_Lbl_NameC = named<Label>(QStringLiteral("Lbl_NameC"));
    m_Lbl_NameX = named<Label>(QStringLiteral("Lbl_NameX"));
    m_Lbl_MemA = named<Label>(QStringLiteral("Lbl_MemA"));
    m_Lbl_MemB = named<Label>(QStringLiteral("Lbl_MemB"));
    m_Lbl_MemC = named<Label>(QStringLiteral("Lbl_MemC"));
    m_Lbl_MemX = named<Label>(QStringLiteral("Lbl_MemX"));

    m_Text1 = named<QLineEdit>(QStringLiteral("Text1"));
    m_Text2 = named<QLineEdit>(QStringLiteral("Text2"));
    m_Text3 = named<QLineEdit>(QStringLiteral("Text3"));
    m_Command1 = named<QPushButton>(QStringLiteral("Command1"));
    m_Check1 = named<QCheckBox>(QStringLiteral("Check1"));
    m_Cmd_Preview = named<QPushButton>(QStringLiteral("Cmd_Preview"));
    m_Cmd_Next = named<QPushButton>(QStringLiteral("Cmd_Next"));
    m_Cmd_Stop = named<QPushButton>(QStringLiteral("Cmd_Stop"));
    m_Cmd_Goto = named<QPushButton>(QStringLiteral("Cmd_Goto"));
    m_Cmd_Reset = named<QPushButton>(QStringLiteral("Cmd_Reset"));
    m_Command3 = named<QPushButton>(QStringLiteral("Command3"));
}

// Key preview: the window sees every key before the focused control (and
// the pointer entering one of the controls that take the focus, which are
// all its live controls).
void FormDemo::setKeyPreview()
{
    for (QWidget *control : tabOrder())
        control->installEventFilter(this);
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
    connect(m_Cmd_Preview, &QPushButton::clicked, this, &FormDemo::Cmd_Preview_Click);
    connect(m_Text1, &QLineEdit::textChanged, this, &FormDemo::Text1_Change);
    connect(m_Text2, &QLineEdit::textChanged, this, &FormDemo::Text2_Change);
    connect(m_Text3, &QLineEdit::textChanged, this, &FormDemo::Text3_Change);
    connect(m_Timer1, &IntervalTimer::Timer, this, &FormDemo::Timer1_Timer);
    connect(named<ImageBox>(QStringLiteral("Image3")), &ImageBox::clicked, this,
            &FormDemo::Image3_Click);
}

DrawnControl *FormDemo::drawn(const QString &fullName) const
{
    return qobject_cast<DrawnControl *>(control(fullName));
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
    if (pressed && pressed == controlAt(event->position().toPoint()))
        if (auto *box = qobject_cast<ImageBox *>(pressed))
            box->click();
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
        // The character the key types; Esc is 27 also where the platform
        // gives it no text (a web page).
        const int typed = !key->text().isEmpty() ? key->text().at(0).unicode()
                          : key->key() == Qt::Key_Escape ? 27 : 0;
        if (event->type() == QEvent::KeyPress && typed)
            Form_KeyPress(typed);
        // The teacher's keys are the window's alone.
        if (event->type() == QEvent::KeyPress && teacherKey(watched, key))
            return true;
    }
    return false; // the key goes on to the focused control unchanged
}

// While a run goes on only its steps write the boxes. An edit from
// anywhere else (assistive technology can set a disabled box's text) is
// undone at once, and assistive technology hears of neither change: the
// run reads and writes back the numbers it started with. (Qt's bridge still
// answers the edit's request as done; it answers every one so.)
void FormDemo::guardBoxesDuringRuns()
{
    for (QLineEdit *box : {m_Text1, m_Text2, m_Text3})
        connect(box, &QLineEdit::textChanged, this, [this, box, kept = box->text()]() mutable {
            if (m_step == 0 || m_stepWrites) {
                kept = box->text();
            } else if (box->text() != kept) {
                silenceUntilIdle(box);
                box->setText(kept);
            }
        });
}
