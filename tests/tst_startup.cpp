// Both programs' start sequences, and the pictures and icon built into
// them, in the language of the programs' texts.

#include "builtinimages.h"
#include "drawncontrols.h"
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
    void kalumetOptions_data();
    void kalumetOptions();
    void builtInPictures_data();
    void builtInPictures();
    void picturesInLanguage_data();
    void picturesInLanguage();
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

void StartupTest::kalumetOptions_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("pace");
    QTest::addColumn<QString>("line5"); // the listing's sixth line
    QTest::newRow("none") << "" << "" << 500 << "If A > B Then";
    QTest::newRow("pace") << "pace" << "0,25" << 250 << "If A > B Then";
    QTest::newRow("Python") << "listing" << "python" << 500 << "if A > B:";
    QTest::newRow("the algorithmic language") << "listing" << "alg" << 500 << "  если A > B то";
}

// kalumet's own options, as the command line hands them over, in the window
// it makes after them.
void StartupTest::kalumetOptions()
{
    QFETCH(QString, option);
    QFETCH(QString, value);
    QFETCH(int, pace);
    QFETCH(QString, line5);
    const launch::Program program = demoProgram();
    for (const launch::ProgramOption &o : program.options)
        if (o.name == option)
            QCOMPARE(o.take(value), std::nullopt);
    const std::unique_ptr<QWidget> window = program.makeWindow();
    const auto *form = static_cast<const FormDemo *>(window.get());
    QCOMPARE(form->pace(), pace);
    QCOMPARE(form->Lbl_List(5)->caption(), line5);
}

void StartupTest::builtInPictures_data()
{
    QTest::addColumn<const RawImage *>("raw");
    QTest::addColumn<QString>("file");

    QTest::newRow("flowchart") << &kFlowchartPicture << "demo/pictures/flowchart.bmp";
    QTest::newRow("sorter window") << &kSorterWindowPicture << "demo/pictures/sorter_window.bmp";
    QTest::newRow("desktop") << &kDesktopPicture << "demo/pictures/desktop.bmp";
    QTest::newRow("sorter window, English")
        << &kSorterWindowPictureEn << "demo/pictures/en/sorter_window.bmp";
    QTest::newRow("desktop, English") << &kDesktopPictureEn << "demo/pictures/en/desktop.bmp";
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

void StartupTest::picturesInLanguage_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<const RawImage *>("russian");
    QTest::addColumn<const RawImage *>("english");

    QTest::newRow("desktop") << "Image1" << &kDesktopPicture << &kDesktopPictureEn;
    QTest::newRow("sorter window") << "Image2" << &kSorterWindowPicture << &kSorterWindowPictureEn;
}

// The pictures with texts in them speak the language of the window's
// texts: Russian as the test startup runs this program, beside the English
// translation, in no language; English as startup_english runs it, in an
// English locale (and says so in KALUMET_EXPECTED_LANGUAGE).
void StartupTest::picturesInLanguage()
{
    QFETCH(QString, box);
    QFETCH(const RawImage *, russian);
    QFETCH(const RawImage *, english);

    launch::installTranslations();
    QCOMPARE(launch::uiLanguage(), qEnvironmentVariable("KALUMET_EXPECTED_LANGUAGE", "ru"));
    const FormDemo form;
    const auto *shown = static_cast<const ImageBox *>(form.drawn(box));
    const RawImage *wanted = launch::uiLanguage() == QLatin1String("en") ? english : russian;
    QCOMPARE(shown->picture().toImage(), builtInImage(*wanted));
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
