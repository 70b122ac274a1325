// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Opens the help page of the user's language in the user's browser, or in the editor's own
// help window when the desktop's handler of HTML pages is no browser or it cannot be
// started. A missing page tells the user "Unable to
// open Help file" through the prompt.
void OpenHelp(QWidget* owner);

// The same with the help page looked for in folder only (tests use it).
void OpenHelpIn(QWidget* owner, const QString& folder);

// The help file name of the user's language ("help_e.html" or "help.html").
QString HelpFileName();

// Where the help pages are looked for, for a program in programFolder: the help folder of
// its install prefix (the build tree keeps the same layout), then the program's own folder.
QStringList HelpFolders(const QString& programFolder);

// The help page of the user's language in the first of HelpFolders that has it; empty
// when none does.
QString FindHelpPage(const QString& programFolder);

// The command that shows a page in the user's browser, the page's URL appended
// ("xdg-open" unless changed). A command that cannot be started or ends with a non-zero
// status counts as no browser.
void SetHelpBrowser(const QStringList& command);

// The command that prints the desktop id of the default handler of HTML pages
// ("xdg-mime query default text/html" unless changed). Empty: the browser is started
// without asking.
void SetHtmlHandlerQuery(const QStringList& command);
