// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "version.h"

#include <cstdio>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace {

struct Texts final
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// The options QGuiApplication and QApplication take themselves, with and without a value.
constexpr const char* kQtValueOptions[] = {
    "platform",     "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowtitle", "qwindowicon",        "session",       "style",  "stylesheet",
    "display",      "geometry",           "title",         "name"};
constexpr const char* kQtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

QString ProgramName(const QStringList& arguments)
{
    const QString name = QFileInfo(arguments.value(0)).fileName();
    return name.isEmpty() ? QStringLiteral("cuelist-studio") : name;
}

// One option or argument of the help text: its names, then its description, wrapped.
void AppendEntry(QString& text, const QString& names, const QString& description)
{
    constexpr int kColumn = 24;
    QString line = QStringLiteral("  ") + names;
    if (line.size() + 2 > kColumn) {
        text += line + QLatin1Char('\n');
        line.clear();
    }
    text += line.leftJustified(kColumn) + description + QLatin1Char('\n');
}

// The help text is built here rather than by QCommandLineParser: its usage line shows the
// program's full path and its standard options carry texts of Qt's own catalogue, which
// may not be installed.
QString HelpText(const QString& program)
{
    QString text = Texts::tr("Usage: %1 [options] [FILE.slp...]").arg(program) + QLatin1Char('\n') +
                   Texts::tr("Edits the playlists (.slp) of a sound and announcement playback "
                             "device.") +
                   QStringLiteral("\n\n") + Texts::tr("Options:") + QLatin1Char('\n');
    AppendEntry(text, QStringLiteral("-h, --help"), Texts::tr("Show this help and exit."));
    AppendEntry(text, QStringLiteral("-v, --version"),
                Texts::tr("Show the version number and exit."));
    AppendEntry(text, QStringLiteral("--new-instance"),
                Texts::tr("Start a separate editor instead of handing the files to the running "
                          "one."));
    text += QLatin1Char('\n') + Texts::tr("Arguments:") + QLatin1Char('\n');
    AppendEntry(text, QStringLiteral("FILE.slp"),
                Texts::tr("Playlists to open, each in a window of its own."));
    text += QLatin1Char('\n') +
            Texts::tr("Qt's display options (-platform, -style, -reverse, ...) are accepted "
                      "and passed on.") +
            QLatin1Char('\n');
    return text;
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // --help-all is taken as --help: Qt's generic options are named in that text already.
    const QCommandLineOption help(
        QStringList{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("help-all")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption newInstance(QStringLiteral("new-instance"));
    parser.addOptions({help, version, newInstance});
    for (const char* name : kQtValueOptions)
        parser.addOption(
            QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    for (const char* name : kQtFlagOptions)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

    CommandLine result;
    const QString program = ProgramName(arguments);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        const QString reason = unknown.isEmpty()
                                   ? parser.errorText()
                                   : Texts::tr("Unknown option '%1'.").arg(unknown.first());
        result.exit = true;
        result.exitCode = 2;
        result.error = program + QStringLiteral(": ") + reason + QLatin1Char('\n') +
                       Texts::tr("Try '%1 --help' for more information.").arg(program) +
                       QLatin1Char('\n');
        return result;
    }
    if (parser.isSet(help)) {
        result.exit = true;
        result.output = HelpText(program);
        return result;
    }
    if (parser.isSet(version)) {
        result.exit = true;
        result.output =
            program + QLatin1Char(' ') + QStringLiteral(CUELIST_VERSION) + QLatin1Char('\n');
        return result;
    }
    result.newInstance = parser.isSet(newInstance);
    for (const QString& file : parser.positionalArguments())
        if (!file.isEmpty())
            result.files << QFileInfo(file).absoluteFilePath();
    return result;
}

void PrintCommandLineTexts(const CommandLine& commandLine)
{
    if (!commandLine.output.isEmpty())
        std::fputs(commandLine.output.toLocal8Bit().constData(), stdout);
    if (!commandLine.error.isEmpty())
        std::fputs(commandLine.error.toLocal8Bit().constData(), stderr);
    std::fflush(stdout);
    std::fflush(stderr);
}
