// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "console.h"
#include "invocation.h"

namespace cuelist::cli {

// Exit statuses of the tool.
enum ExitStatus : int {
    kExitOk = 0,
    kExitRefused = 1,   // a refused name, records an edit would drop, or problems found by check
    kExitUsage = 2,     // a usage error or a file that cannot be read or written
    kExitFailed = 3,    // export: copying failed; the card keeps its old playlist
    kExitCancelled = 4, // export: interrupted by a signal; the card keeps its old playlist
};

int RunCsv(const Invocation& inv, Console& console);
int RunShow(const Invocation& inv, Console& console);
int RunCheck(const Invocation& inv, Console& console);
int RunSet(const Invocation& inv, Console& console);
int RunClear(const Invocation& inv, Console& console);
int RunApply(const Invocation& inv, Console& console);
int RunTimes(const Invocation& inv, Console& console);
int RunExport(const Invocation& inv, Console& console);
// Needs a QGuiApplication (fonts).
int RunSheet(const Invocation& inv, Console& console);
int RunLoudness(const Invocation& inv, Console& console);
int RunImport(const Invocation& inv, Console& console);

// Parses the arguments after the program name and runs the command.
int Run(const std::vector<std::string>& args, Console& console);

} // namespace cuelist::cli
