#include "formdemo.h"

#include "accessibility.h"
#include "builtinimages.h"
#include "inventory.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHash>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolTip>

#include <cmath>

FormDemo::FormDemo(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    installDemoAccessibility();
    setWindowTitle(QString::fromUtf8(formdemo::kCaption));
    setWindowIcon(programWindowIcon());

    // The pictures are drawn in the standard colour scheme, so the window
    // keeps it whatever the desktop's theme: button face background.
    QPalette pal = style()->standardPalette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(demoFont(FontId::Window));

    m_picture = builtInPixmap(QString::fromLatin1(formdemo::kBackgroundPicture), "bmp");
    createControls();

    // The client area; a resize moves and scales nothing.
    resize(toPixels(formdemo::kClientWidthTwips), toPixels(formdemo::kClientHeightTwips));
    if (const QScreen *screen = this->screen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

    Form_Load();
    // The first control in tab order that is enabled has the focus.
    m_Command1->setFocus(Qt::OtherFocusReason);
}

void FormDemo::createControls()
{
    QHash<QString, DrawnControl *> drawnByName;
    std::vector<std::pair<int, QWidget *>> tabOrder;

    for (const ControlRow &row : controlInventory()) {
        const QRect px = toPixels(row.twips);
        DrawnControl *drawn = nullptr;
        QWidget *widget = nullptr;
        switch (row.kind) {
        case ControlKind::Label: {
            auto *l = new Label(row.name, row.index, row.twips, this);
            l->setCaption(row.text);
            l->setForeColor(row.fore);
            l->setBackColor(row.back);
            l->setTransparent(row.transparent);
            l->setAlignment(row.alignment);
            l->setFontId(row.font);
            l->setTag(row.tag);
            drawn = l;
            break;
        }
        case ControlKind::ImageBox: {
            auto *img = new ImageBox(row.name, row.twips, this);
            if (!row.picture.isEmpty())
                img->setPicture(builtInPixmap(row.picture, "bmp"));
            img->setToolTip(row.toolTip);
            drawn = img;
            break;
        }
        case ControlKind::Shape: {
            auto *s = new Shape(row.name, row.twips, this);
            s->setTransparent(row.transparent);
            s->setBackColor(row.back);
            drawn = s;
            break;
        }
        case ControlKind::Line:
            drawn = new Line(row.name, row.ends, this);
            break;
        case ControlKind::TextBox: {
            auto *t = new QLineEdit(row.text, this);
            t->setFrame(true);
            widget = t;
            break;
        }
        case ControlKind::PushButton: {
            auto *b = new QPushButton(row.text, this);
            b->setAutoDefault(false);
            b->setDefault(false);
            widget = b;
            break;
        }
        case ControlKind::CheckBox: {
            auto *c = new QCheckBox(row.text, this);
            c->setChecked(row.checked);
            QPalette cp = c->palette();
            cp.setColor(QPalette::Window, row.back.resolve(palette()));
            c->setPalette(cp);
            c->setAutoFillBackground(true);
            widget = c;
            break;
        }
        }
        if (drawn) {
            drawn->setVisible(row.visible);
            drawnByName.insert(row.fullName(), drawn);
        }
        if (widget) {
            widget->setObjectName(row.name);
            widget->setGeometry(px);
            widget->setEnabled(row.enabled);
            widget->setVisible(row.visible);
            if (row.tabIndex >= 0)
                tabOrder.emplace_back(row.tabIndex, widget);
        }
    }

    for (const QString &name : stackingOrder()) {
        DrawnControl *c = drawnByName.value(name);
        m_stack.push_back(c);
        if (c)
            m_byName.insert(name, c);
    }

    for (int i = 0; i < 27; ++i)
        m_lbl_alg[std::size_t(i)] = label(QStringLiteral("lbl_alg(%1)").arg(i));
    for (int i = 0; i < 24; ++i)
        m_Lbl_List[std::size_t(i)] = label(QStringLiteral("Lbl_List(%1)").arg(i));
    m_Lbl_NameA = label(QStringLiteral("Lbl_NameA"));
    m_Lbl_NameB = label(QStringLiteral("Lbl_NameB"));
    m_Lbl_NameC = label(QStringLiteral("Lbl_NameC"));
    m_Lbl_NameX = label(QStringLiteral("Lbl_NameX"));
    m_Lbl_MemA = label(QStringLiteral("Lbl_MemA"));
    m_Lbl_MemB = label(QStringLiteral("Lbl_MemB"));
    m_Lbl_MemC = label(QStringLiteral("Lbl_MemC"));
    m_Lbl_MemX = label(QStringLiteral("Lbl_MemX"));
    static_cast<ImageBox *>(drawn(QStringLiteral("Image3")))
        ->setAccessibleName(QStringLiteral("Закрыть"));

    m_Text1 = findChild<QLineEdit *>(QStringLiteral("Text1"));
    m_Text2 = findChild<QLineEdit *>(QStringLiteral("Text2"));
    m_Text3 = findChild<QLineEdit *>(QStringLiteral("Text3"));
    m_Command1 = findChild<QPushButton *>(QStringLiteral("Command1"));
    m_Check1 = findChild<QCheckBox *>(QStringLiteral("Check1"));
    m_Cmd_Preview = findChild<QPushButton *>(QStringLiteral("Cmd_Preview"));
    m_Cmd_Next = findChild<QPushButton *>(QStringLiteral("Cmd_Next"));
    m_Cmd_Stop = findChild<QPushButton *>(QStringLiteral("Cmd_Stop"));
    m_Cmd_Goto = findChild<QPushButton *>(QStringLiteral("Cmd_Goto"));
    m_Cmd_Reset = findChild<QPushButton *>(QStringLiteral("Cmd_Reset"));
    m_Command3 = findChild<QPushButton *>(QStringLiteral("Command3"));

    // A text box is known to assistive technology by the label beside it.
    m_Text1->setAccessibleName(label(QStringLiteral("Label25"))->caption());
    m_Text2->setAccessibleName(label(QStringLiteral("Label26"))->caption());
    m_Text3->setAccessibleName(label(QStringLiteral("Label27"))->caption());

    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 0; i + 1 < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i].second, tabOrder[i + 1].second);
    // Key preview: the window sees every key before the focused control.
    for (const auto &entry : tabOrder)
        entry.second->installEventFilter(this);

    m_Timer1 = new IntervalTimer(this);
    m_Timer1->setObjectName(QStringLiteral("Timer1"));

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
    painter.setClipRegion(event->region());
    // At a whole scale factor every picture pixel becomes a square block of
    // screen pixels; in between, smoothing keeps the pictures readable.
    const qreal dpr = devicePixelRatioF();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, dpr != std::floor(dpr));
    painter.drawPixmap(0, 0, m_picture);
    const QPalette pal = palette();
    for (auto it = m_stack.rbegin(); it != m_stack.rend(); ++it) {
        const DrawnControl *c = *it;
        if (c->isVisible() && c->pixels().adjusted(-1, -1, 1, 1).intersects(event->rect()))
            c->paint(painter, pal);
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
        const DrawnControl *c = controlAt(help->pos());
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

bool FormDemo::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        if (!text.isEmpty())
            Form_KeyPress(text.at(0).unicode());
    }
    return false; // the key goes on to the focused control unchanged
}
