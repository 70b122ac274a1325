#include "help.h"

#include "prompt.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {
struct Help final
{
    Q_DECLARE_TR_FUNCTIONS(Help)
};
} // namespace

QString HelpFileName()
{
    return Help::tr("help_e.html");
}

void OpenHelp(QWidget* owner)
{
    OpenHelpIn(owner, QCoreApplication::applicationDirPath());
}

void OpenHelpIn(QWidget* owner, const QString& folder)
{
    const QFileInfo file(folder + QLatin1Char('/') + HelpFileName());
    if (folder.isEmpty() || !file.isFile() ||
        !QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath())))
        prompt().refuse(owner, Help::tr("Unable to open Help file"));
}
