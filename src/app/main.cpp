// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"
#include "commandline.h"
#include "cueapp.h"
#include "deferrediconstyle.h"
#include "firstpaintprobe.h"
#include "singleinstance.h"
#include "text/messages.h"
#include "widgetprompt.h"

#include <QApplication>
#include <QStyle>

namespace {

QStringList RawArguments(int argc, char* argv[])
{
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char* argv[])
{
    // The usual start (files, Qt's options) is parsed and handed over without any
    // application object: an application made here and again below would cost start-up
    // time. Only help, version and refused options, which print texts, load translations.
    CommandLine commandLine = ParseCommandLine(RawArguments(argc, argv));
    if (commandLine.exit) {
        QCoreApplication texts(argc, argv);
        cuelist::text::InstallTranslations(texts);
        commandLine = ParseCommandLine(QCoreApplication::arguments());
        PrintCommandLineTexts(commandLine);
        return commandLine.exitCode;
    }
    if (!commandLine.newInstance && SingleInstance::handOver(commandLine.files))
        return 0;

    QApplication application(argc, argv);
    QApplication::setStyle(new DeferredIconStyle(QApplication::style()->name()));
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
