// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What the editor's command line asks for: playlists to open and whether to start a separate
// editor, or a text to print and an exit status (help, version, a refused option).
struct CommandLine final
{
    QStringList files; // absolute paths, in the order given
    bool newInstance = false;
    bool exit = false; // print output and error, then exit with exitCode
    int exitCode = 0;
    QString output;
    QString error;
};

// Parses the arguments (the program name first). Needs no display; texts follow the
// translations installed at the time. Qt's own options (-platform, -style, ...) are
// accepted and left for the application object.
CommandLine ParseCommandLine(const QStringList& arguments);

// Writes the command line's output and error texts to standard output and standard error.
void PrintCommandLineTexts(const CommandLine& commandLine);
