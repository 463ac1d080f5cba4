// Qt's own texts in both programs are Russian whatever the system's
// language (the test runs in an English one), in the window's face: the
// input boxes' context menu as the programs' start sequences leave it.

#include "demoprogram.h"
#include "sorterprogram.h"

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
