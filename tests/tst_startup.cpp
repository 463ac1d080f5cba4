// kalumet's start sequence, the window's controls by name, and the pictures
// and icon read from the resources.

#include "builtinimages.h"
#include "demostart.h"
#include "formdemo.h"

#include <QPushButton>
#include <QtTest>

class StartupTest : public QObject
{
    Q_OBJECT
private slots:
    void start();
    void controlsByName_data();
    void controlsByName();
    void builtInPixmap_data();
    void builtInPixmap();
    void windowIcon();
};

// What the program's main() leaves behind: the names the desktop knows it
// by, its icon, and the shown window idle, with the sort button focused.
void StartupTest::start()
{
    const std::unique_ptr<FormDemo> form = startDemo();
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("kalumet"));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.kalumet.kalumet"));
    QVERIFY(form->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QCOMPARE(QApplication::windowIcon().availableSizes(), form->windowIcon().availableSizes());
    QVERIFY(!QApplication::windowIcon().isNull());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(form->Command1()));
    QCOMPARE(form->stepCounter(), 0);
    QVERIFY(!form->Timer1()->isTicking());
}

void StartupTest::controlsByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");

    QTest::newRow("first of an array") << "lbl_alg(0)" << true;
    QTest::newRow("last of an array") << "lbl_alg(26)" << true;
    QTest::newRow("past an array's end") << "lbl_alg(27)" << false;
    QTest::newRow("listing line") << "Lbl_List(23)" << true;
    QTest::newRow("array name alone") << "lbl_alg" << false;
    QTest::newRow("single label") << "Lbl_MemX" << true;
    QTest::newRow("image box") << "Image3" << true;
    QTest::newRow("line") << "Line1" << true;
    QTest::newRow("child widget, not drawn") << "Text1" << false;
    QTest::newRow("other case") << "lbl_mema" << false;
    QTest::newRow("empty") << "" << false;
}

void StartupTest::controlsByName()
{
    QFETCH(QString, name);
    QFETCH(bool, found);

    FormDemo form;
    DrawnControl *c = form.drawn(name);
    QCOMPARE(c != nullptr, found);
    if (!c)
        return;
    QCOMPARE(c->fullName(), name);
    QVERIFY(std::find(form.drawnControls().begin(), form.drawnControls().end(), c)
            != form.drawnControls().end());
}

void StartupTest::builtInPixmap_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<bool>("readable");

    QTest::newRow("flowchart") << ":/pictures/flowchart.bmp" << QByteArray("bmp") << true;
    QTest::newRow("sorter window") << ":/pictures/sorter_window.bmp" << QByteArray("bmp") << true;
    QTest::newRow("desktop") << ":/pictures/desktop.bmp" << QByteArray("bmp") << true;
    QTest::newRow("icon 16") << ":/icon/program-16.png" << QByteArray("png") << true;
    QTest::newRow("icon 256") << ":/icon/program-256.png" << QByteArray("png") << true;
    // A fixed format is never second-guessed from the contents.
    QTest::newRow("wrong format") << ":/pictures/desktop.bmp" << QByteArray("png") << false;
    QTest::newRow("missing") << ":/pictures/none.bmp" << QByteArray("bmp") << false;
}

// The same pixels as Qt's own detection of the format gives.
void StartupTest::builtInPixmap()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, format);
    QFETCH(bool, readable);

    const QPixmap read = ::builtInPixmap(path, format.constData());
    QCOMPARE(!read.isNull(), readable);
    if (readable)
        QCOMPARE(read.toImage(), QPixmap(path).toImage());
}

void StartupTest::windowIcon()
{
    const QIcon icon = programWindowIcon();
    const QList<QSize> sizes = {{16, 16}, {32, 32}, {48, 48}};
    QCOMPARE(icon.availableSizes(), sizes);
    for (const QSize &size : sizes)
        QCOMPARE(icon.pixmap(size).toImage(),
                 QImage(QStringLiteral(":/icon/program-%1.png").arg(size.width()))
                     .convertToFormat(icon.pixmap(size).toImage().format()));
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
