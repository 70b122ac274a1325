// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Whether the desktop would show an HTML page in a web browser. xdg-open hands a page to
// whatever the default handler of text/html is, and reports success even when that is a
// text editor in a terminal; the help is only sent there when the handler is a browser.

// True when a desktop entry (the file's contents) describes a web browser that runs
// without a terminal and is not hidden.
bool IsWebBrowserEntry(const QByteArray& entry);

// The file of a desktop entry id ("firefox.desktop", "kde4-konqueror.desktop") in the
// desktop's application folders, by the XDG rules; empty when none is found.
QString FindDesktopEntry(const QString& desktopId);

// True when the desktop entry named by desktopId can be found and is a web browser.
bool IsWebBrowserHandler(const QString& desktopId);
