#include "boxcloser.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>

namespace {
QMessageBox::StandardButton questionAnswer = QMessageBox::Cancel;
} // namespace

void answerQuestionsWith(QMessageBox::StandardButton answer)
{
    questionAnswer = answer;
}

void dropOffscreenBoxWarnings()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (!message.contains(QLatin1String("does not support propagateSizeHints"))
                && !message.contains(QLatin1String("does not support raise()")))
                previous(type, context, message);
        });
}

BoxCloser::BoxCloser(int keepOpenMs) : m_keepOpenMs(keepOpenMs)
{
    m_poll.setInterval(keepOpenMs > 0 ? 10 : 0);
    QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this] { closeOpenBox(); });
    m_poll.start();
}

void BoxCloser::closeOpenBox()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    if (box != m_open) {
        m_open = box;
        m_opened.start();
        const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        m_seen.append({box->windowTitle(), box->text(), box->standardButtons(), box->icon(),
                       box->textFormat(), label->font(),
                       label->fontMetrics().horizontalAdvance(box->text())
                           <= label->contentsRect().width()});
    }
    if (m_opened.elapsed() < m_keepOpenMs)
        return;
    m_open = nullptr;
    if (box->button(QMessageBox::Yes) && questionAnswer == QMessageBox::Cancel)
        QTest::keyClick(box, Qt::Key_Escape);
    else if (QAbstractButton *answer = box->button(QMessageBox::Yes) ? box->button(questionAnswer) : nullptr)
        answer->click();
    else if (QAbstractButton *ok = box->button(QMessageBox::Ok))
        ok->click();
    else
        box->done(0);
}
