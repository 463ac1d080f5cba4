// Qt's own texts in both programs are Russian whatever the system's
// language (the test runs in an English one), in the window's face: the
// input boxes' context menu as the programs' start sequences leave it.
// Under a pseudo-translation (tests/translatable.py) every text of both
// windows and their message boxes is translated.

#include "boxcloser.h"
#include "demoprogram.h"
#include "drawncontrols.h"
#include "sorterprogram.h"
#include "tablewindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QRegularExpression>

#include <QFile>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(launch::Program)

class TestQtTexts : public QObject
{
    Q_OBJECT

private slots:
    void contextMenu_data();
    void contextMenu();
    void translated_data();
    void translated();
    void cleanup();
};

void TestQtTexts::contextMenu_data()
{
    QTest::addColumn<launch::Program>("program");
    QTest::newRow("kalumet") << demoProgram();
    QTest::newRow("brivon") << sorterProgram();
}

void TestQtTexts::contextMenu()
{
    QFETCH(launch::Program, program);
    const std::unique_ptr<QWidget> window = launch::showWindow(program);
    auto *box = window->findChild<QLineEdit *>(QStringLiteral("Text1"));
    QVERIFY(box);
    const std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
    menu->ensurePolished(); // as when it opens
    QCOMPARE(menu->font(), window->font());

    const QString file = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ru.qm";
    if (!QFile::exists(file))
        QSKIP(qPrintable(file + " is missing (Debian: qt6-translations-l10n): Qt's texts stay English"));
    QStringList texts;
    for (const QAction *action : menu->actions())
        if (!action->isSeparator()) // the text, without its mnemonic and shortcut
            texts << action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
    QCOMPARE(texts, QStringList({"Отменить действие", "Повторить действие", "Вырезать",
                                 "Копировать", "Вставить", "Удалить", "Выделить всё"}));
}

void TestQtTexts::translated_data()
{
    contextMenu_data();
}

// What a user reads of a window made under a translation that wraps every
// text in ⟦…⟧: left untranslated, a text shows Russian outside the brackets.
void TestQtTexts::translated()
{
    QFETCH(launch::Program, program);
    if (!QLocale().uiLanguages().startsWith(QStringLiteral("eo")))
        QSKIP("run by tests/translatable.py, under its pseudo-translation");
    dropOffscreenBoxWarnings();
    const std::unique_ptr<QWidget> window = launch::showWindow(program);
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    const auto *form = static_cast<TableWindow *>(window.get());

    QStringList read = {window->windowTitle()};
    for (const QObject *control : form->controls()) {
        if (const auto *drawn = qobject_cast<const DrawnControl *>(control))
            read << drawn->toolTip() << drawn->accessibleName();
        if (const auto *label = qobject_cast<const Label *>(control))
            read << label->caption();
        if (const auto *widget = qobject_cast<const QWidget *>(control))
            read << widget->accessibleName() << widget->toolTip();
        if (const auto *button = qobject_cast<const QAbstractButton *>(control))
            read << button->text();
        if (const auto *label = qobject_cast<const QLabel *>(control))
            read << label->text();
    }
    // The message boxes: the refusal of a box that holds no number, and
    // kalumet's about box (Esc).
    auto *box = form->findChild<QLineEdit *>(QStringLiteral("Text2"));
    box->setText(QStringLiteral("x"));
    BoxCloser closer;
    form->findChild<QAbstractButton *>(QStringLiteral("Command1"))->click();
    QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
    QVERIFY(!closer.seen().isEmpty());
    for (const SeenBox &seen : closer.seen())
        read << seen.title << seen.text;

    // The brackets taken out from the inside; no Cyrillic letter is left.
    const QRegularExpression wrapped(QStringLiteral("⟦[^⟦⟧]*⟧"));
    const QRegularExpression russian(QStringLiteral("[А-яЁё]"));
    for (QString text : std::as_const(read)) {
        const QString shown = text;
        while (text.contains(wrapped))
            text.remove(wrapped);
        QVERIFY2(!text.contains(russian), qPrintable(QStringLiteral("untranslated: ") + shown));
    }
}

// Each program installs its own translations: the one before leaves none.
void TestQtTexts::cleanup()
{
    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

QTEST_MAIN(TestQtTexts)
#include "tst_qttexts.moc"
