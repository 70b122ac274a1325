// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"
#include "text/messages.h"

#include <cstdio>
#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    cuelist::text::InstallTranslations(app);

    // The raw bytes of the arguments: paths and names reach the file system unchanged.
    const std::vector<std::string> args(argv + 1, argv + argc);
    cuelist::cli::Console console(stdout, stderr);
    return cuelist::cli::Run(args, console);
}
