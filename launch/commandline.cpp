#include "launch.h"

#include "scale.h"
#include "textout.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

namespace launch {
namespace {

// The messages of the command line, marked for translation in its context.
struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// The programs' own options, as --help lists them.
struct OwnOption
{
    QStringList names;  // a one-letter name is written -x, a longer one --name
    QString valueName;  // empty for an option without a value
    QString help;
};

// Made as they are shown, in the language of the translations installed.
std::vector<OwnOption> ownOptions(const Program &program)
{
    std::vector<OwnOption> options = {
        {{QStringLiteral("h"), QStringLiteral("help")}, {},
         CommandLine::tr("показать эту справку и выйти")},
        {{QStringLiteral("v"), QStringLiteral("version")}, {},
         CommandLine::tr("показать версию программы и выйти")},
        {{QStringLiteral("scale")}, QStringLiteral("F|fit"),
         CommandLine::tr("увеличить окно в F раз (от 1 до 4, но не больше, чем помещается "
                         "на экране) — для проектора; fit — по размеру экрана")},
    };
    for (const ProgramOption &option : program.options)
        options.push_back({{option.name}, option.valueName,
                           QCoreApplication::translate("CommandLine", option.help)});
    return options;
}

// Qt's own options, some of them X11's only. QApplication takes them out
// of the command line itself; they are known here only so that they pass,
// with their values, and --help does not list them one by one.
struct QtOption
{
    const char *name;
    bool takesValue;
};

const QtOption kQtOptions[] = {
    {"platform", true}, {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true}, {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true}, {"geometry", true}, {"title", true}, {"icon", true},
    {"display", true}, {"name", true}, {"visual", true}, {"session", true},
    {"style", true}, {"stylesheet", true}, {"qmljsdebugger", true},
    {"reverse", false}, {"widgetcount", false}, {"nograb", false},
    {"dograb", false}, {"sync", false}, {"testability", false},
};

QString spelled(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QString usage(const Program &program)
{
    const QString summary =
        QCoreApplication::translate(program.name.toUtf8().constData(), program.summary);
    QString text = CommandLine::tr("Использование: %1 [параметры]\n%2\n\nПараметры:\n")
                       .arg(program.name, summary);
    for (const OwnOption &option : ownOptions(program)) {
        QStringList names;
        for (const QString &name : option.names)
            names << spelled(name);
        QString left = names.join(QStringLiteral(", "));
        if (!option.valueName.isEmpty())
            left += QStringLiteral(" <%1>").arg(option.valueName);
        text += QStringLiteral("  %1  %2\n").arg(left, -16).arg(option.help);
    }
    text += CommandLine::tr("\nПринимаются также стандартные параметры Qt: "
                            "-platform, -style, -reverse и другие.\n");
    return text;
}

int refuse(const Program &program, const QString &message)
{
    showText(Channel::Error, QStringLiteral("%1: %2\n\n").arg(program.name, message) + usage(program),
             program.name);
    return 2;
}

// An argument's option name: without its dashes and a "=value".
QString optionName(const QString &argument)
{
    QString name = argument.section(QLatin1Char('='), 0, 0);
    while (name.startsWith(QLatin1Char('-')))
        name.remove(0, 1);
    return name;
}

bool takesValue(const Program &program, const QString &name)
{
    for (const OwnOption &option : ownOptions(program))
        if (option.names.contains(name))
            return !option.valueName.isEmpty();
    for (const QtOption &option : kQtOptions)
        if (name == QLatin1String(option.name))
            return option.takesValue;
    return false;
}

// Why the parser refused the command line, in the words of the user's
// own arguments.
QString parseFault(const Program &program, const QCommandLineParser &parser, const QStringList &args)
{
    const QStringList unknown = parser.unknownOptionNames();
    for (const QString &arg : args.mid(1)) {
        if (!arg.startsWith(QLatin1Char('-')))
            continue;
        const QString name = optionName(arg);
        const QString option = arg.section(QLatin1Char('='), 0, 0);
        if (!unknown.isEmpty() && name == unknown.first())
            return CommandLine::tr("неизвестный параметр «%1»").arg(option);
        if (unknown.isEmpty() && arg.contains(QLatin1Char('=')) && !takesValue(program, name))
            return CommandLine::tr("параметр «%1» не принимает значения").arg(option);
    }
    if (!unknown.isEmpty())
        return CommandLine::tr("неизвестный параметр «%1»").arg(spelled(unknown.first()));
    // Otherwise the last argument is an option whose value is missing.
    return CommandLine::tr("не задано значение параметра «%1»").arg(args.last());
}

} // namespace

std::optional<int> handleCommandLine(int argc, char *argv[], const Program &program,
                                     std::optional<QString> *scale)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // -platform is Qt's option "platform", not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OwnOption &option : ownOptions(program))
        parser.addOption(QCommandLineOption(option.names, option.help, option.valueName));
    for (const QtOption &qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(args))
        return refuse(program, parseFault(program, parser, args));
    if (parser.isSet(QStringLiteral("help"))) {
        showText(Channel::Output, usage(program), program.name);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        showText(Channel::Output, QStringLiteral("%1 %2\n").arg(program.name, program.version),
                 program.name);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse(program, CommandLine::tr("лишний аргумент «%1»")
                                   .arg(parser.positionalArguments().first()));
    if (parser.isSet(QStringLiteral("scale"))) {
        const QString value = parser.value(QStringLiteral("scale"));
        if (!isScale(value))
            return refuse(program, CommandLine::tr("неверный масштаб «%1»: нужно число от 1 до 4 "
                                                   "или fit").arg(value));
        *scale = value;
    }
    for (const ProgramOption &option : program.options)
        if (parser.isSet(option.name))
            if (const std::optional<QString> refused = option.take(parser.value(option.name)))
                return refuse(program, *refused);
    return std::nullopt;
}

} // namespace launch
