// Both programs' start sequences, and the pictures and icon built into
// them.

#include "builtinimages.h"
#include "programicon.h"
#include "brivon_program.h"
#include "demoprogram.h"
#include "kalumet_program.h"
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

    QTest::newRow("kalumet") << demoProgram() << kalumet_program::kAppId << "Command1";
    QTest::newRow("brivon") << sorterProgram() << brivon_program::kAppId << "Text1";
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
