// Each listing the window can show, its 24 lines joined, is a program of
// its language: run by the language's own tool with three numbers on
// standard input, it prints them sorted. Python by python3, C++ by g++
// (with the include and using lines above it), Pascal by Free Pascal.

#include "listings.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <map>

class ListingsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void sorts_data();
    void sorts();

private:
    // The command that runs the listing in `language`, built once.
    QStringList program(lesson::Language language);

    QTemporaryDir m_dir;
    std::map<lesson::Language, QStringList> m_built;
};

namespace {

// Runs a command to its end; its standard output, or a failure.
QString run(const QStringList &command, const QByteArray &input, bool *ok)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(command.first(), command.mid(1));
    process.write(input);
    process.closeWriteChannel();
    *ok = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit
          && process.exitCode() == 0;
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

QStringList ListingsTest::program(lesson::Language language)
{
    if (const auto it = m_built.find(language); it != m_built.end())
        return it->second;
    const QString name = lesson::codeName(language);
    QStringList lines;
    for (const QString &line : lesson::listing(language))
        lines << line;
    if (language == lesson::Language::Cpp)
        lines.prepend(QStringLiteral("#include <iostream>\nusing namespace std;"));
    const QString source = m_dir.filePath(name + (language == lesson::Language::Python ? QStringLiteral(".py")
                                                  : language == lesson::Language::Cpp ? QStringLiteral(".cpp")
                                                                                      : QStringLiteral(".pas")));
    QFile file(source);
    if (!file.open(QIODevice::WriteOnly) || file.write((lines.join(u'\n') + u'\n').toUtf8()) < 0)
        return {};
    file.close();

    const QString binary = m_dir.filePath(name);
    QStringList command{binary};
    bool ok = true;
    if (language == lesson::Language::Python)
        command = QStringList{QStringLiteral("/usr/bin/python3"), source};
    else if (language == lesson::Language::Cpp)
        run({QStringLiteral("g++"), QStringLiteral("-Wall"), QStringLiteral("-o"), binary, source}, {}, &ok);
    else
        run({QStringLiteral("fpc"), QStringLiteral("-v0"), QStringLiteral("-FE") + m_dir.path(), source},
            {}, &ok);
    if (!ok)
        return {};
    return m_built[language] = command;
}

void ListingsTest::sorts_data()
{
    QTest::addColumn<lesson::Language>("language");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QList<double>>("sorted");
    const std::pair<const char *, QList<double>> inputs[] = {
        {"5 4 3", {3, 4, 5}}, {"1 2 3", {1, 2, 3}}, {"7 7 7", {7, 7, 7}}, {"2.5 -1 0", {-1, 0, 2.5}}};
    for (const lesson::Language language :
         {lesson::Language::Python, lesson::Language::Cpp, lesson::Language::Pascal})
        for (const auto &[input, sorted] : inputs)
            QTest::addRow("%s: %s", qPrintable(lesson::codeName(language)), input)
                << language << QString::fromLatin1(input) << sorted;
}

void ListingsTest::sorts()
{
    QFETCH(lesson::Language, language);
    QFETCH(QString, input);
    QFETCH(QList<double>, sorted);
    const QStringList command = program(language);
    QVERIFY2(!command.isEmpty(), "the listing does not build");
    bool ok = false;
    const QString printed = run(command, input.split(u' ').join(u'\n').toUtf8() + '\n', &ok);
    QVERIFY2(ok, qPrintable(printed));
    QList<double> numbers;
    for (const QString &word : printed.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        numbers << word.toDouble();
    QCOMPARE(numbers, sorted);
}

QTEST_GUILESS_MAIN(ListingsTest)
#include "tst_listings.moc"
