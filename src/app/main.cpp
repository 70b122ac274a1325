#include "cueapp.h"
#include "firstpaintprobe.h"
#include "text/messages.h"
#include "widgetprompt.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.png")));
    cuelist::text::InstallTranslations(application);
    WidgetPrompt widgetPrompt;
    setPrompt(&widgetPrompt);

    CCueApp app;
    if (!app.InitInstance(QApplication::arguments().mid(1)))
        return 1;
    FirstPaintProbe::installFromEnvironment(app);
    return QApplication::exec();
}
