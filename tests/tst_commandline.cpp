// The command line of both programs, run as a user runs them. A window is
// looked for on a private X server (the test runs under with_xvfb.sh, its
// screen 1280 x 1024); whatever ends a program without a window is run with
// no display at all, so a program that tried to open one would fail to
// connect instead.

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const int kGuardMs = 30'000; // only against a hang; no timing is checked

QString binary(const QString &program)
{
    return program == QLatin1String("kalumet") ? QStringLiteral(KALUMET_BIN)
                                               : QStringLiteral(BRIVON_BIN);
}

// What a refused command line writes on standard error: the fault in one
// line, then the usage.
QString refused(const QString &program, const QString &fault)
{
    return QStringLiteral("\\A") + QRegularExpression::escape(program + QStringLiteral(": ") + fault)
        + QStringLiteral("\n\nИспользование: ") + program + QStringLiteral(" \\[параметры\\]\n");
}

// kalumet lists its --pace and --listing too.
QString help(const QString &program)
{
    return QStringLiteral("\\AИспользование: %1 \\[параметры\\]\n.*\n  -h, --help .*\n"
                          "  -v, --version .*\n  --scale <F\\|fit> [^\n]*\n%2\n"
                          "Принимаются также стандартные параметры Qt: -platform, -style")
        .arg(program, program == QLatin1String("kalumet")
                          ? QStringLiteral("  --pace <S> [^\n]*0,25; 0,5; 1; 2 или 4[^\n]*\n"
                                           "  --listing <L> [^\n]*vb[^\n]*pascal, python, cpp[^\n]*alg[^\n]*\n")
                          : QString());
}

const QString nothing = QStringLiteral("\\A\\z");

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void options_data();
    void options();

private:
    QTemporaryDir m_runtime; // a session's runtime folder, as a desktop has
};

void TestCommandLine::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "run under tests/with_xvfb.sh");
    QVERIFY(m_runtime.isValid());
}

void TestCommandLine::options_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args"); // NAME=value first: the environment, as env(1) takes it
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // patterns of standard output and error
    QTest::addColumn<QString>("err");
    QTest::addColumn<bool>("window");

    const QString k = QStringLiteral("kalumet"), b = QStringLiteral("brivon");
    QTest::newRow("help") << k << QStringList{"--help"} << 0 << help(k) << nothing << false;
    QTest::newRow("-h") << b << QStringList{"-h"} << 0 << help(b) << nothing << false;
    // Started from the build folder, as installed: English on an English
    // system (the locale need not be generated).
    for (const QString &p : {k, b})
        QTest::addRow("%s --help in English", qPrintable(p))
            << p << QStringList{"LANGUAGE=en", "LANG=en_US.UTF-8", "LC_ALL=", "LC_MESSAGES=", "--help"} << 0
            << QStringLiteral("\\AUsage: %1 \\[options\\]\n[^\n]*\n\nOptions:\n").arg(p) << nothing
            << false;
    QTest::newRow("refused in English")
        << k << QStringList{"LANGUAGE=", "LANG=en_US.UTF-8", "LC_ALL=", "LC_MESSAGES=", "--pace", "3"} << 2 << nothing
        << "\\Akalumet: invalid pace '3': give the seconds a step takes: 0.25, 0.5, 1, 2 or 4\n\nUsage: kalumet"
        << false;
    QTest::newRow("version") << k << QStringList{"--version"} << 0
                             << "\\Akalumet \\d+\\.\\d+\\.\\d+\n\\z" << nothing << false;
    QTest::newRow("-v") << b << QStringList{"-v"} << 0 << "\\Abrivon \\d+\\.\\d+\\.\\d+\n\\z"
                        << nothing << false;
    QTest::newRow("unknown") << k << QStringList{"--foo"} << 2 << nothing
                             << refused(k, "неизвестный параметр «--foo»") << false;
    QTest::newRow("unknown, one dash") << b << QStringList{"-foo", "-style", "fusion"} << 2
                                       << nothing << refused(b, "неизвестный параметр «-foo»")
                                       << false;
    QTest::newRow("stray") << b << QStringList{"5"} << 2 << nothing
                           << refused(b, "лишний аргумент «5»") << false;
    QTest::newRow("no value") << k << QStringList{"--scale"} << 2 << nothing
                              << refused(k, "не задано значение параметра «--scale»") << false;
    QTest::newRow("value to a switch") << k << QStringList{"--version=1"} << 2 << nothing
                                       << refused(k, "параметр «--version» не принимает значения")
                                       << false;
    for (const char *value : {"0.5", "0,99", "4.5", "abc", "", "nan", "inf", "-2", "1.5.0", "Fit"})
        QTest::addRow("scale \"%s\"", value)
            << k << QStringList{"--scale", value} << 2 << nothing
            << refused(k, QStringLiteral("неверный масштаб «%1»: нужно число от 1 до 4 или fit")
                              .arg(value))
            << false;

    // With no display: said in Russian, status 1, no core dump.
    const QString noScreen = QStringLiteral(": нет экрана, на котором можно показать окно: "
                                            "переменные DISPLAY и WAYLAND_DISPLAY не заданы. ");
    QTest::newRow("no display") << k << QStringList{} << 1 << nothing
                                << "\\A" + k + QRegularExpression::escape(noScreen) << false;
    QTest::newRow("no display for scale fit") << b << QStringList{"--scale", "fit"} << 1 << nothing
                                              << "\\A" + b + QRegularExpression::escape(noScreen)
                                              << false;

    QTest::newRow("no options") << k << QStringList{} << 0 << nothing << nothing << true;
    // kalumet's window and frame fit 1280 x 1024 up to (1280 - 16) / 788 = 1.60...;
    // a larger factor gives 1.6, said in the user's locale.
    for (const char *value : {"1", "1.5", "1,5", "1.6", "fit"})
        QTest::addRow("scale %s", value) << k << QStringList{"--scale", value} << 0 << nothing
                                         << nothing << true;
    const QString tooLarge = QStringLiteral("\\Akalumet: окно не помещается на экране при увеличении "
                                            "%1; увеличено в %2 раза\n\\z");
    QTest::newRow("scale 4, Russian locale")
        << k << QStringList{"LC_ALL=ru_RU.UTF-8", "--scale", "4"} << 0 << nothing
        << tooLarge.arg("4", "1,6") << true;
    QTest::newRow("scale 1,61, POSIX locale")
        << k << QStringList{"LC_ALL=C", "--scale", "1,61"} << 0 << nothing
        << tooLarge.arg("1\\.61", "1\\.6") << true;
    // kalumet's pace: one of five, with a point or a comma; brivon has none.
    for (const char *value : {"0.25", "0,25", "0.5", "1", "2", "4"})
        QTest::addRow("pace %s", value) << k << QStringList{"--pace", value} << 0 << nothing
                                        << nothing << true;
    for (const char *value : {"3", "0.3", "1.0.0", "", "abc", "-1", "nan", "0,250001"})
        QTest::addRow("pace \"%s\"", value)
            << k << QStringList{"--pace", value} << 2 << nothing
            << refused(k, QStringLiteral("неверный темп «%1»: нужно число секунд на шаг — "
                                         "0,25; 0,5; 1; 2 или 4")
                              .arg(value))
            << false;
    // kalumet's listing: one of five languages, by name.
    for (const char *value : {"vb", "pascal", "python", "cpp", "alg"})
        QTest::addRow("listing %s", value) << k << QStringList{"--listing", value} << 0 << nothing
                                           << nothing << true;
    for (const char *value : {"Python", "c++", "", "basic"})
        QTest::addRow("listing \"%s\"", value)
            << k << QStringList{"--listing", value} << 2 << nothing
            << refused(k, QStringLiteral("неверный язык программы «%1»: нужно vb, pascal, python, "
                                         "cpp или alg")
                              .arg(value))
            << false;
    QTest::newRow("brivon has no pace") << b << QStringList{"--pace", "1"} << 2 << nothing
                                        << refused(b, "неизвестный параметр «--pace»") << false;
    QTest::newRow("brivon scale=2") << b << QStringList{"--scale=2"} << 0 << nothing << nothing
                                    << true;
    QTest::newRow("brivon scale fit") << b << QStringList{"--scale", "fit"} << 0 << nothing
                                      << nothing << true;
    QTest::newRow("Qt's options") << k << QStringList{"-style", "fusion", "-reverse"} << 0
                                  << nothing << nothing << true;
    QTest::newRow("brivon, Qt's option") << b << QStringList{"-style=fusion"} << 0 << nothing
                                         << nothing << true;
}

void TestCommandLine::options()
{
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(bool, window);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    while (!args.isEmpty() && !args.first().startsWith(QLatin1Char('-'))
           && args.first().contains(QLatin1Char('='))) {
        const QString setting = args.takeFirst();
        env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    }
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    env.remove(QStringLiteral("QT_SCALE_FACTOR"));
    if (!window) {
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    }
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(binary(program), args);
    QVERIFY(process.waitForStarted());

    if (window) {
        // Its window, found by the program's process id once it is mapped.
        QProcess finder;
        finder.start(QStringLiteral("xdotool"),
                     {"search", "--sync", "--onlyvisible", "--pid", QString::number(process.processId())});
        QTRY_VERIFY_WITH_TIMEOUT(finder.state() == QProcess::NotRunning
                                     || process.state() == QProcess::NotRunning,
                                 kGuardMs);
        if (finder.state() != QProcess::NotRunning) {
            finder.kill();
            finder.waitForFinished();
            QFAIL(qPrintable("no window; the program wrote: " + process.readAllStandardError()));
        }
        const QByteArray id = finder.readAllStandardOutput().split('\n').value(0);
        QCOMPARE(QProcess::execute(QStringLiteral(XWINDOW_BIN), {"close", QString::fromLatin1(id)}), 0);
    }
    QVERIFY(process.waitForFinished(kGuardMs));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    const QString written[] = {QString::fromUtf8(process.readAllStandardOutput()),
                               QString::fromUtf8(process.readAllStandardError())};
    const QString patterns[] = {out, err};
    for (int i = 0; i < 2; ++i)
        QVERIFY2(QRegularExpression(patterns[i], QRegularExpression::DotMatchesEverythingOption)
                     .match(written[i]).hasMatch(),
                 qPrintable(written[i]));
    QCOMPARE(process.exitCode(), status);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
