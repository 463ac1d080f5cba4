// kalumet's start sequence, the window's controls by name, and the pictures
// and icon built into the program.

#include "builtinimages.h"
#include "programicon.h"
#include "demoprogram.h"
#include "formdemo.h"
#include "sorterprogram.h"
#include "inventory.h"
#include "programiconpixels.h"
#include "sourcetree.h"

#include <QPushButton>
#include <QtTest>

Q_DECLARE_METATYPE(const RawImage *)
Q_DECLARE_METATYPE(launch::Program)

class StartupTest : public QObject
{
    Q_OBJECT
private slots:
    void start_data();
    void start();
    void controlsByName_data();
    void controlsByName();
    void builtInPictures_data();
    void builtInPictures();
    void windowIcon();
};

// What each program's main() leaves behind: the names the desktop knows it
// by, the program icon on every window, and the shown window with the
// focus on its first action.
void StartupTest::start_data()
{
    QTest::addColumn<launch::Program>("program");
    QTest::addColumn<QString>("appId");
    QTest::addColumn<QString>("focused");

    QTest::newRow("kalumet") << demoProgram() << "org.kalumet.kalumet" << "Command1";
    QTest::newRow("brivon") << sorterProgram() << "org.kalumet.brivon" << "Text1";
}

void StartupTest::start()
{
    QFETCH(launch::Program, program);
    QFETCH(QString, appId);
    QFETCH(QString, focused);

    const std::unique_ptr<QWidget> window = launch::showWindow(program);
    QCOMPARE(QCoreApplication::applicationName(), program.name);
    QCOMPARE(QGuiApplication::desktopFileName(), appId);
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(window->windowIcon().availableSizes(), programWindowIcon().availableSizes());
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
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

void StartupTest::builtInPictures_data()
{
    QTest::addColumn<const RawImage *>("raw");
    QTest::addColumn<QString>("file");

    QTest::newRow("flowchart") << &kFlowchartPicture << "demo/pictures/flowchart.bmp";
    QTest::newRow("sorter window") << &kSorterWindowPicture << "demo/pictures/sorter_window.bmp";
    QTest::newRow("desktop") << &kDesktopPicture << "demo/pictures/desktop.bmp";
    QTest::newRow("icon 16") << &kProgramIcon16 << "icon/program-16.png";
    QTest::newRow("icon 32") << &kProgramIcon32 << "icon/program-32.png";
    QTest::newRow("icon 48") << &kProgramIcon48 << "icon/program-48.png";
}

// The pixels built in are those of the committed file as Qt reads it, and
// the pixmap the window paints is made over them without a copy.
void StartupTest::builtInPictures()
{
    QFETCH(const RawImage *, raw);
    QFETCH(QString, file);

    const QImage committed(sourcePath(file));
    QVERIFY(!committed.isNull());
    const QImage built = builtInImage(*raw);
    QCOMPARE(built.convertToFormat(QImage::Format_ARGB32_Premultiplied),
             committed.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    QCOMPARE(built.constBits(), static_cast<const uchar *>(raw->bits));
    QCOMPARE(builtInPixmap(*raw).toImage().constBits(), built.constBits());
}

void StartupTest::windowIcon()
{
    const QIcon icon = programWindowIcon();
    const QList<QSize> sizes = {{16, 16}, {32, 32}, {48, 48}};
    QCOMPARE(icon.availableSizes(), sizes);
    for (const QSize &size : sizes)
        QCOMPARE(icon.pixmap(size).toImage(),
                 QImage(sourcePath(QStringLiteral("icon/program-%1.png")).arg(size.width()))
                     .convertToFormat(icon.pixmap(size).toImage().format()));
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
