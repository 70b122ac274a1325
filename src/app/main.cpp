// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"
#include "commandline.h"
#include "cueapp.h"
#include "firstpaintprobe.h"
#include "singleinstance.h"
#include "text/messages.h"
#include "widgetprompt.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    CommandLine commandLine;
    {
        // Help, version, refused options and the hand-over to a running editor need no
        // display: they are done before the GUI starts.
        QCoreApplication early(argc, argv);
        cuelist::text::InstallTranslations(early);
        commandLine = ParseCommandLine(QCoreApplication::arguments());
        if (commandLine.exit) {
            PrintCommandLineTexts(commandLine);
            return commandLine.exitCode;
        }
        if (!commandLine.newInstance && SingleInstance::handOver(commandLine.files))
            return 0;
    }

    QApplication application(argc, argv);
    QApplication::setWindowIcon(AppIcon());
    cuelist::text::InstallTranslations(application);
    WidgetPrompt widgetPrompt;
    setPrompt(&widgetPrompt);

    CCueApp app;
    SingleInstance instance;
    if (!commandLine.newInstance && instance.listen())
        QObject::connect(&instance, &SingleInstance::filesReceived, &app,
                         &CCueApp::OnFilesHandedOver, Qt::QueuedConnection);
    if (!app.InitInstance(commandLine.files))
        return 1;
    FirstPaintProbe::installFromEnvironment(app);
    return QApplication::exec();
}
