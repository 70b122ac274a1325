// SPDX-License-Identifier: GPL-3.0-or-later
#include "help.h"

#include "helpwindow.h"
#include "htmlhandler.h"
#include "prompt.h"

#include <functional>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QTimer>
#include <QUrl>

#ifndef CUELIST_HELP_FROM_BIN
#define CUELIST_HELP_FROM_BIN "../share/cuelist-studio/help"
#endif

namespace {

struct Help final
{
    Q_DECLARE_TR_FUNCTIONS(Help)
};

QStringList& BrowserCommand()
{
    static QStringList command{QStringLiteral("xdg-open")};
    return command;
}

QStringList& HandlerQuery()
{
    static QStringList command{QStringLiteral("xdg-mime"), QStringLiteral("query"),
                               QStringLiteral("default"), QStringLiteral("text/html")};
    return command;
}

// Runs command and calls done with the first line it prints, or an
// empty text when it cannot start, fails or takes too long.
void QueryHandler(const QStringList& command, std::function<void(const QString&)> done)
{
    auto* process = new QProcess;
    process->setStandardErrorFile(QProcess::nullDevice());
    process->setStandardInputFile(QProcess::nullDevice());
    const auto finish = [process, done](const QString& answer) {
        if (process->property("answered").toBool())
            return;
        process->setProperty("answered", true);
        done(answer);
        process->deleteLater();
    };
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [finish](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             finish(QString());
                     });
    QObject::connect(process, &QProcess::finished, process,
                     [process, finish](int exitCode, QProcess::ExitStatus status) {
                         const QByteArray output = process->readAllStandardOutput().left(4096);
                         const bool ok = status == QProcess::NormalExit && exitCode == 0;
                         finish(ok ? QString::fromUtf8(output.split('\n').value(0)).trimmed()
                                   : QString());
                     });
    // The query is a shell script reading a few files; one that hangs must not hold F1.
    QTimer::singleShot(5000, process, [process, finish] {
        process->kill();
        finish(QString());
    });
    QStringList arguments = command;
    process->start(arguments.takeFirst(), arguments);
}

// The browser runs on its own; only its start-up result matters. The process object is
// never parented: destroying it would kill a browser that is still open when the editor
// quits.
void StartBrowser(const QString& page, const std::function<void()>& fallBack)
{
    QStringList command = BrowserCommand();
    const QString program = command.takeFirst();
    auto* process = new QProcess;
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, fallBack](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         fallBack();
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::finished, process,
                     [process, fallBack](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || exitCode != 0)
                             fallBack();
                         process->deleteLater();
                     });
    process->start(program, command << QUrl::fromLocalFile(page).toString());
}

// The page goes to the browser only when the desktop's handler of HTML pages is one, since
// xdg-open hands it to any handler (an editor in a terminal, say) and reports success.
void ShowInBrowserOrWindow(QWidget* owner, const QString& page)
{
    const QPointer<QWidget> guard(owner);
    const auto fallBack = [guard, page] {
        if (guard)
            HelpWindow::showPage(guard, page);
    };
    if (BrowserCommand().isEmpty()) {
        fallBack();
        return;
    }
    if (HandlerQuery().isEmpty()) {
        StartBrowser(page, fallBack);
        return;
    }
    QueryHandler(HandlerQuery(), [page, fallBack](const QString& desktopId) {
        if (IsWebBrowserHandler(desktopId))
            StartBrowser(page, fallBack);
        else
            fallBack();
    });
}

} // namespace

QString HelpFileName()
{
    return Help::tr("help_e.html");
}

QStringList HelpFolders(const QString& programFolder)
{
    if (programFolder.isEmpty())
        return {};
    const QDir program(programFolder);
    return {QDir::cleanPath(program.filePath(QStringLiteral(CUELIST_HELP_FROM_BIN))),
            QDir::cleanPath(program.path())};
}

QString FindHelpPage(const QString& programFolder)
{
    for (const QString& folder : HelpFolders(programFolder)) {
        const QFileInfo page(folder + QLatin1Char('/') + HelpFileName());
        if (page.isFile())
            return page.absoluteFilePath();
    }
    return QString();
}

void SetHelpBrowser(const QStringList& command)
{
    BrowserCommand() = command;
}

void SetHtmlHandlerQuery(const QStringList& command)
{
    HandlerQuery() = command;
}

void OpenHelp(QWidget* owner)
{
    const QString page = FindHelpPage(QCoreApplication::applicationDirPath());
    if (page.isEmpty())
        prompt().refuse(owner, Help::tr("Unable to open Help file"));
    else
        ShowInBrowserOrWindow(owner, page);
}

void OpenHelpIn(QWidget* owner, const QString& folder)
{
    const QFileInfo page(folder + QLatin1Char('/') + HelpFileName());
    if (folder.isEmpty() || !page.isFile())
        prompt().refuse(owner, Help::tr("Unable to open Help file"));
    else
        ShowInBrowserOrWindow(owner, page.absoluteFilePath());
}
