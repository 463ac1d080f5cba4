// Both programs speak the language the system asks for, and Qt's own texts
// follow them: English where it asks for English, Russian, the source
// language, where it asks for Russian or a language they have no
// translation into, chosen as gettext chooses (LANGUAGE, unless the locale
// is C, then LC_ALL, LC_MESSAGES, LANG), whatever the numbers' locale
// (the test runs in a Russian one, beside the English translation, as
// Windows programs have it). Shown in the input boxes' context menu as the
// programs' start sequences leave it, in the window's face. Under a
// pseudo-translation (tests/translatable.py) every text of both windows and
// their message boxes is translated.

#include "boxcloser.h"
#include "demoprogram.h"
#include "drawncontrols.h"
#include "launch.h"
#include "sorterprogram.h"
#include "tablewindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QRegularExpression>

#include <QFile>
#include <QHash>
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
    void initTestCase();
    void contextMenu_data();
    void contextMenu();
    void translated_data();
    void translated();
    void cleanup();

private:
    QHash<QByteArray, QByteArray> m_environment; // as the test started
};

namespace {

// The variables the language is chosen by.
const char *const kLanguageVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

} // namespace

void TestQtTexts::initTestCase()
{
    for (const char *variable : kLanguageVariables)
        if (qEnvironmentVariableIsSet(variable))
            m_environment.insert(variable, qgetenv(variable));
}

void TestQtTexts::contextMenu_data()
{
    QTest::addColumn<launch::Program>("program");
    QTest::addColumn<QString>("environment"); // the language's variables that are set
    QTest::addColumn<QString>("language");
    const launch::Program kalumet = demoProgram(), brivon = sorterProgram();
    QTest::newRow("English") << kalumet << "LANGUAGE=en LANG=ru_RU.UTF-8" << "en";
    QTest::newRow("English, brivon") << brivon << "LANG=en_US.UTF-8" << "en";
    QTest::newRow("German: none") << kalumet << "LANGUAGE=de LANG=de_DE.UTF-8" << "ru";
    QTest::newRow("French: none, brivon") << brivon << "LANG=fr_FR.UTF-8" << "ru";
    QTest::newRow("French, then English") << brivon << "LANGUAGE=fr:en LANG=fr_FR.UTF-8" << "en";
    QTest::newRow("Russian, then English") << kalumet << "LANGUAGE=ru:en LANG=en_US.UTF-8" << "ru";
    QTest::newRow("LANGUAGE before LC_ALL") << kalumet << "LANGUAGE=en LC_ALL=ru_RU.UTF-8" << "en";
    QTest::newRow("LC_ALL before LC_MESSAGES") << brivon << "LC_ALL=ru_RU.UTF-8 LC_MESSAGES=en_GB.UTF-8"
                                               << "ru";
    QTest::newRow("LC_MESSAGES before LANG") << kalumet << "LC_MESSAGES=en_GB.UTF-8 LANG=ru_RU.UTF-8"
                                             << "en";
    QTest::newRow("C: LANGUAGE left aside") << kalumet << "LANGUAGE=en LC_ALL=C" << "ru";
    QTest::newRow("nothing set") << brivon << "" << "ru";
}

void TestQtTexts::contextMenu()
{
    QFETCH(launch::Program, program);
    QFETCH(QString, environment);
    QFETCH(QString, language);
    for (const char *variable : kLanguageVariables)
        qunsetenv(variable);
    for (const QString &setting : environment.split(u' ', Qt::SkipEmptyParts))
        qputenv(setting.section(u'=', 0, 0).toLatin1().constData(), setting.section(u'=', 1).toUtf8());

    const std::unique_ptr<QWidget> window = launch::showWindow(program);
    QCOMPARE(launch::uiLanguage(), language);
    const QRegularExpression russian(QStringLiteral("[А-яЁё]"));
    QVERIFY2(window->windowTitle().contains(russian) == (language == QLatin1String("ru")),
             qPrintable(window->windowTitle()));
    // The numbers stay in the regional settings the program started in.
    QCOMPARE(QLocale().toString(0.5), QStringLiteral("0,5"));

    auto *box = window->findChild<QLineEdit *>(QStringLiteral("Text1"));
    QVERIFY(box);
    const std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
    menu->ensurePolished(); // as when it opens
    QCOMPARE(menu->font(), window->font());
    QStringList texts;
    for (const QAction *action : menu->actions())
        if (!action->isSeparator()) // the text, without its mnemonic and shortcut
            texts << action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
    if (language == QLatin1String("en")) {
        QCOMPARE(texts, QStringList({"Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "Select All"}));
        return;
    }
    const QString file = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ru.qm";
    if (!QFile::exists(file))
        QSKIP(qPrintable(file + " is missing (Debian: qt6-translations-l10n): Qt's texts stay English"));
    QCOMPARE(texts, QStringList({"Отменить действие", "Повторить действие", "Вырезать",
                                 "Копировать", "Вставить", "Удалить", "Выделить всё"}));
}

void TestQtTexts::translated_data()
{
    QTest::addColumn<launch::Program>("program");
    QTest::newRow("kalumet") << demoProgram();
    QTest::newRow("brivon") << sorterProgram();
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

// Each program installs its own translations: the one before leaves none,
// nor its language's variables.
void TestQtTexts::cleanup()
{
    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    for (const char *variable : kLanguageVariables)
        if (m_environment.contains(variable))
            qputenv(variable, m_environment.value(variable));
        else
            qunsetenv(variable);
}

QTEST_MAIN(TestQtTexts)
#include "tst_qttexts.moc"
