// SPDX-License-Identifier: GPL-3.0-or-later
#include "appfixture.h"

#include "childframe.h"
#include "core/playlistfile.h"
#include "mainframe.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

namespace AppFixture {

bool WritePlaylist(const QString& path, const cuelist::SlotTable& table)
{
    const std::vector<std::uint8_t> image = cuelist::BuildImage(table);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(image.data()), qint64(image.size())) ==
               qint64(image.size());
}

bool WriteFile(const QString& path, qint64 size)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(QByteArray(size, '\x55')) == size;
}

QList<CChildFrame*> Children(const CMainFrame& frame)
{
    return frame.childFrames();
}

QStringList MenuTitles(const CMainFrame& frame)
{
    QStringList titles;
    for (QAction* action : frame.menuBar()->actions())
        if (action->menu())
            titles << action->text();
    return titles;
}

QStringList MenuItems(const CMainFrame& frame, const QString& title)
{
    QStringList items;
    for (QAction* top : frame.menuBar()->actions()) {
        if (!top->menu() || top->text() != title)
            continue;
        for (QAction* item : top->menu()->actions()) {
            if (item->isSeparator())
                items << QStringLiteral("-");
            else if (!item->isVisible())
                continue;
            else if (item->shortcut().isEmpty())
                items << item->text();
            else
                items << item->text() + QLatin1Char('\t') + item->shortcut().toString();
        }
    }
    return items;
}

void ClearProfile()
{
    QSettings(QStringLiteral("QUARNIX"), QStringLiteral("playlist")).clear();
}

} // namespace AppFixture
