#pragma once

#include <QString>

class QWidget;

// Opens the help file of the user's language beside the program; a failure tells the
// user "Unable to open Help file" through the prompt.
void OpenHelp(QWidget* owner);

// The same with the help file looked for in folder (tests use it).
void OpenHelpIn(QWidget* owner, const QString& folder);

// The help file name of the user's language ("help_e.html" or "help.html").
QString HelpFileName();
