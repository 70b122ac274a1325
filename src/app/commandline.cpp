// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

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

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        Texts::tr("Edits the playlists (.slp) of a sound and announcement playback device."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption newInstance(
        QStringLiteral("new-instance"),
        Texts::tr("Start a separate editor instead of handing the files to the running one."));
    parser.addOption(newInstance);
    for (const char* name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlagOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    parser.addPositionalArgument(QStringLiteral("files"),
                                 Texts::tr("Playlists to open, each in a window of its own."),
                                 QStringLiteral("[FILE.slp...]"));

    CommandLine result;
    const QString program = ProgramName(arguments);
    if (!parser.parse(arguments)) {
        result.exit = true;
        result.exitCode = 2;
        result.error = program + QStringLiteral(": ") + parser.errorText() + QLatin1Char('\n') +
                       Texts::tr("Try '%1 --help' for more information.").arg(program) +
                       QLatin1Char('\n');
        return result;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        result.exit = true;
        result.output = parser.helpText();
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
