// SPDX-License-Identifier: GPL-3.0-or-later
#include "htmlhandler.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Desktop entries are a few KiB; anything larger is not one.
constexpr qint64 kMaxEntrySize = 256 * 1024;

bool IsTrue(const QByteArray& value)
{
    return value == "true" || value == "1";
}

} // namespace

bool IsWebBrowserEntry(const QByteArray& entry)
{
    bool inMainGroup = false;
    bool browser = false;
    bool application = false;
    for (QByteArray line : entry.split('\n')) {
        line = line.trimmed();
        if (line.startsWith('[')) {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        if (!inMainGroup || line.startsWith('#'))
            continue;
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            continue;
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed();
        if (key == "Type")
            application = value == "Application";
        else if (key == "Categories")
            browser = value.split(';').contains("WebBrowser");
        else if ((key == "Terminal" || key == "Hidden") && IsTrue(value))
            return false;
    }
    return application && browser;
}

QString FindDesktopEntry(const QString& desktopId)
{
    if (!desktopId.endsWith(QLatin1String(".desktop")) || desktopId.contains(QLatin1Char('/')) ||
        desktopId.startsWith(QLatin1Char('.')))
        return QString();
    // "vendor-name.desktop" may also be "vendor/name.desktop", at each dash in turn.
    QStringList candidates{desktopId};
    for (qsizetype dash = desktopId.indexOf(QLatin1Char('-')); dash > 0;
         dash = desktopId.indexOf(QLatin1Char('-'), dash + 1)) {
        QString nested = desktopId;
        nested[dash] = QLatin1Char('/');
        candidates << nested;
    }
    for (const QString& candidate : candidates) {
        const QString path =
            QStandardPaths::locate(QStandardPaths::ApplicationsLocation, candidate);
        if (!path.isEmpty() && QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

bool IsWebBrowserHandler(const QString& desktopId)
{
    const QString path = FindDesktopEntry(desktopId);
    if (path.isEmpty())
        return false;
    QFile file(path);
    if (file.size() > kMaxEntrySize || !file.open(QIODevice::ReadOnly))
        return false;
    return IsWebBrowserEntry(file.read(kMaxEntrySize));
}
