// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"
#include "text/messages.h"

#include <cstdio>
#include <memory>
#include <QCoreApplication>
#include <QGuiApplication>
#include <string_view>

int main(int argc, char* argv[])
{
    // The raw bytes of the arguments: paths and names reach the file system unchanged.
    const std::vector<std::string> args(argv + 1, argv + argc);

    // The cue sheet needs fonts, so a GUI application, but never a display. It sees only the
    // program name: the toolkit would take arguments such as -platform for itself.
    int appArgc = 1;
    std::unique_ptr<QCoreApplication> app;
    if (!args.empty() && args.front() == "sheet") {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // The toolkit's own notes (no runtime folder, and the like) are no concern of the
        // tool's user; the tool reports its own failures.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        app = std::make_unique<QGuiApplication>(appArgc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    cuelist::text::InstallTranslations(*app);

    cuelist::cli::Console console(stdout, stderr);
    return cuelist::cli::Run(args, console);
}
