// SPDX-License-Identifier: GPL-3.0-or-later
#include "help.h"

#include "helpwindow.h"
#include "prompt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
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

// The browser runs on its own; only its start-up result matters. The process object is
// never parented: destroying it would kill a browser that is still open when the editor
// quits.
void ShowInBrowserOrWindow(QWidget* owner, const QString& page)
{
    const QPointer<QWidget> guard(owner);
    const auto fallBack = [guard, page] {
        if (guard)
            HelpWindow::showPage(guard, page);
    };
    QStringList command = BrowserCommand();
    if (command.isEmpty()) {
        fallBack();
        return;
    }
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
