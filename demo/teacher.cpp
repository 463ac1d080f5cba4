#include "teacher.h"

#include "lesson.h"
#include "tablewindow.h"
#include "tracetable.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

Teacher::Teacher(lesson::Lesson &lesson, QAbstractButton *next, QAbstractButton *back,
                 QWidget *window)
    : QObject(window), m_lesson(lesson), m_next(next), m_back(back), m_window(window)
{
}

bool Teacher::key(QObject *to, const QKeyEvent *key)
{
    const bool inBox = qobject_cast<QLineEdit *>(to) != nullptr;
    const auto press = [key](QAbstractButton *button) {
        if (isFreshKeyPress(key) && button->isEnabled())
            button->click();
        return true;
    };
    switch (key->key()) {
    case Qt::Key_PageDown: return press(m_next);
    case Qt::Key_PageUp: return press(m_back);
    case Qt::Key_Right: return !inBox && press(m_next);
    case Qt::Key_Left: return !inBox && press(m_back);
    case Qt::Key_Plus:
    case Qt::Key_Minus:
    case Qt::Key_Equal:
        if (inBox)
            return false;
        m_lesson.changePace(key->key() != Qt::Key_Minus);
        return true;
    case Qt::Key_F2:
        if (isFreshKeyPress(key))
            toggleTraceTable();
        return true;
    case Qt::Key_F3:
        if (isFreshKeyPress(key))
            m_lesson.setChecking(!m_lesson.checking());
        return true;
    default:
        return false;
    }
}

// Right-clicked anywhere but in an input box, which keeps its own edit
// menu.
void Teacher::menu(const QPoint &globalPos)
{
    auto *menu = new QMenu(m_window);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QMenu *paces = menu->addMenu(tr("Темп"));
    auto *group = new QActionGroup(paces);
    for (const int ms : lesson::kPaces) {
        QAction *pace = paces->addAction(
            tr("%1 на шаг").arg(lesson::paceText(ms)));
        pace->setCheckable(true);
        pace->setChecked(ms == m_lesson.pace());
        group->addAction(pace);
        connect(pace, &QAction::triggered, this, [this, ms] { m_lesson.setPace(ms); });
    }
    QMenu *languages = menu->addMenu(tr("Язык программы"));
    auto *listings = new QActionGroup(languages);
    for (const lesson::Language language : lesson::kLanguages) {
        QAction *listing = languages->addAction(lesson::title(language));
        listing->setCheckable(true);
        listing->setChecked(language == m_lesson.language());
        listings->addAction(listing);
        connect(listing, &QAction::triggered, this,
                [this, language] { m_lesson.setLanguage(language); });
    }
    QAction *table = menu->addAction(tr("Таблица трассировки"),
                                     this, &Teacher::toggleTraceTable);
    table->setCheckable(true);
    table->setChecked(traceTableOpen());
    table->setShortcut(Qt::Key_F2);
    QAction *quiz = menu->addAction(tr("Проверь себя"), this,
                                    [this] { m_lesson.setChecking(!m_lesson.checking()); });
    quiz->setCheckable(true);
    quiz->setChecked(m_lesson.checking());
    quiz->setShortcut(Qt::Key_F3);
    for (QAction *action : {table, quiz})
        action->setShortcutContext(Qt::WidgetShortcut); // the window's keys do the rest
    menu->popup(globalPos);
}

TraceTable *Teacher::traceTable()
{
    if (!m_table) {
        // The listing's column as wide as the widest line of any language.
        QStringList lines;
        for (const lesson::Display::Caption &line : m_lesson.design().shown.listing)
            lines << line.text;
        for (const lesson::Language language : lesson::kLanguages)
            for (const QString &line : lesson::listing(language))
                lines << line;
        m_table = new TraceTable(m_lesson.trace(), lines, m_window);
        m_table->setCoverable(m_coverable);
        m_table->installEventFilter(this);
        for (QWidget *control : m_table->findChildren<QWidget *>())
            control->installEventFilter(this);
    }
    return m_table;
}

bool Teacher::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *pressed = static_cast<const QKeyEvent *>(event);
    switch (pressed->key()) {
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
    case Qt::Key_Right:
    case Qt::Key_Left:
    case Qt::Key_Plus:
    case Qt::Key_Minus:
    case Qt::Key_Equal:
        return key(m_window, pressed);
    default:
        return false; // Ctrl+C, F2 and Esc are the table's
    }
}

bool Teacher::traceTableOpen() const
{
    return m_table && m_table->isVisible();
}

void Teacher::toggleTraceTable()
{
    if (traceTableOpen())
        m_table->close();
    else
        traceTable()->open();
}
