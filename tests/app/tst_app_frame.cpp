// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutdlg.h"
#include "appfixture.h"
#include "childframe.h"
#include "commandids.h"
#include "commandline.h"
#include "commandtable.h"
#include "cueapp.h"
#include "cuedoc.h"
#include "cueview.h"
#include "help.h"
#include "helpwindow.h"
#include "mainframe.h"
#include "playchanneldlg.h"
#include "scriptedprompt.h"
#include "settingvalue.h"
#include "text/messages.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace AppFixture;

namespace {

QStringList ToolBarItems(QToolBar* bar)
{
    QStringList items;
    for (QAction* action : bar->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->toolTip());
    return items;
}

} // namespace

// The main frame: menus, accelerators, tool bars, status bar, their layout between runs,
// the About box, help and the Japanese texts.
class AppFrameTest final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qputenv("HOME", m_dir.path().toUtf8());
    }

    void init() { ClearProfile(); }

    void columnWidthsAreKeptPerLanguage()
    {
        ScriptedPrompt script;
        const auto gridOf = [](CCueApp& app) { return app.mainFrame()->activeChild()->view(); };
        int wide = 0;
        {
            CCueApp app;
            QVERIFY(app.InitInstance({}));
            wide = gridOf(app)->columnWidth(3) + 50;
            gridOf(app)->horizontalHeader()->resizeSection(3, wide); // as a drag does
        }
        {
            CCueApp app;
            QVERIFY(app.InitInstance({}));
            QCOMPARE(gridOf(app)->columnWidth(3), wide);
        }
        cuelist::text::InstallTranslations(*qApp, QLocale(QLocale::Japanese, QLocale::Japan));
        {
            CCueApp app;
            QVERIFY(app.InitInstance({}));
            QCOMPARE(gridOf(app)->columnWidth(3), gridOf(app)->sizer()->minimumColumnWidth(3));
        }
        cuelist::text::InstallTranslations(*qApp, QLocale(QLocale::English));
    }

    void bothMenuBars()
    {
        ScriptedPrompt script;
        CCueApp app;
        QVERIFY(app.InitInstance({}));
        CMainFrame* frame = app.mainFrame();

        QCOMPARE(MenuTitles(*frame),
                 QStringList({"File(&F)", "Edit(&E)", "View(&V)", "Window(&W)", "Help(&H)"}));
        QCOMPARE(MenuItems(*frame, "File(&F)"),
                 QStringList({"New PlayList(&N)\tCtrl+N", "Open PlayList(&O)...\tCtrl+O",
                              "Close(&C)", "-", "Save(&S)\tCtrl+S", "Save As(&A)\tCtrl+A", "-",
                              "Import Audio(&I)...", "CSV File Output(&V)\tAlt+C",
                              "Export to Card(&E)...", "-", "Print(&P)...\tCtrl+P",
                              "Print Preview(&R)...", "Export PDF(&D)...", "-", "Exit(&X)"}));
        QCOMPARE(MenuItems(*frame, "Edit(&E)"),
                 QStringList({"Undo(&U)\tCtrl+Z", "Redo(&R)\tCtrl+Y", "-", "Select File(&F)", "-",
                              "Cut(&T)    Ctrl+X", "Copy(&C)        Ctrl+C", "Paste(&P)    Ctrl+V",
                              "Delete(&D)        DEL", "-", "Open File Contents(&L)",
                              "Play Channel(&W)  Ctrl+W", "-", "Find(&I)...\tCtrl+F",
                              "Find Next(&N)\tF3", "Find Previous(&V)\tShift+F3",
                              "Find Missing Files(&M)...", "Relink File(&K)...\tCtrl+R",
                              "Match Loudness(&S)..."}));
        QCOMPARE(
            MenuItems(*frame, "View(&V)"),
            QStringList({"Status Bar(&B)", "File Toolbar(&I)", "Edit Toolbar(&U)", "-",
                         "Zoom In(&Z)\tCtrl++", "Zoom Out(&O)\tCtrl+-", "Actual Size(&A)\tCtrl+0",
                         "Fit All Frames(&F)", "-", "Document Tabs(&T)"}));
        QCOMPARE(MenuItems(*frame, "Help(&H)"),
                 QStringList({"Help(&H)", "Version Information(&R)"}));

        frame->activeChild()->closeWithoutAsking();
        QTRY_VERIFY(!frame->showsPlaylistMenu());
        QCOMPARE(MenuTitles(*frame), QStringList({"File(&F)", "View(&V)", "Help(&H)"}));
        QCOMPARE(MenuItems(*frame, "View(&V)"),
                 QStringList({"Status Bar(&B)", "File Bar(&I)", "Edit Bar(&U)"}));
        // Without a playlist only the application's and frame's commands are enabled.
        for (int id : {ID_FILE_SAVE, ID_CSV_OUTPUT, ID_EDIT_CUT, ID_EDIT_PASTE, ID_PLAY_CHANNEL})
            QVERIFY(!app.commands()->action(id)->isEnabled());
        for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_APP_EXIT, ID_HELP, ID_APP_ABOUT})
            QVERIFY(app.commands()->action(id)->isEnabled());
    }

    void acceleratorsWithAndWithoutPlaylist()
    {
        ScriptedPrompt script;
        CCueApp app;
        QVERIFY(app.InitInstance({}));
        CMainFrame* frame = app.mainFrame();
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame));

        QTest::keyClick(frame, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(Children(*frame).size(), 2);
        QTest::keyClick(frame, Qt::Key_A, Qt::ControlModifier); // Save As: the dialog opens
        QCOMPARE(script.dialogs.size(), 1);
        QCOMPARE(script.dialogs[0].title, QStringLiteral("Save As"));
        QTest::keyClick(frame, Qt::Key_C, Qt::AltModifier); // CSV output
        QCOMPARE(script.dialogs.size(), 2);
        QCOMPARE(script.dialogs[1].title, QStringLiteral("Output to CSV file"));

        // Undo and the pane keys are bound but do nothing.
        for (const auto& [key, modifiers] :
             {std::pair{Qt::Key_Z, Qt::ControlModifier}, std::pair{Qt::Key_F6, Qt::NoModifier},
              std::pair{Qt::Key_F6, Qt::ShiftModifier},
              std::pair{Qt::Key_Backspace, Qt::AltModifier}})
            QTest::keyClick(frame, key, modifiers);
        QCOMPARE(script.dialogs.size(), 2);
        QVERIFY(script.asked.isEmpty());

        for (CChildFrame* child : Children(*frame))
            child->closeWithoutAsking();
        QTRY_COMPARE(Children(*frame).size(), 0);
        // Document keys reach nothing now.
        QTest::keyClick(frame, Qt::Key_C, Qt::AltModifier);
        QTest::keyClick(frame, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(frame, Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(script.dialogs.size(), 2);
        QVERIFY(script.asked.isEmpty());
        QTest::keyClick(frame, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(Children(*frame).size(), 1);
    }

    // Ctrl+W must not be taken by the playlist window's own window menu.
    void playChannelKeyPreviewsTheChannel()
    {
        ScriptedPrompt script;
        CCueApp app;
        QVERIFY(app.InitInstance({}));
        CMainFrame* frame = app.mainFrame();
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame));
        CCueView* view = frame->activeChild()->view();
        QVERIFY(view->document()->SetSlotFile(1, 3, "a.mp3"));
        view->setFocus();
        const QRect channel3 = view->visualRect(view->model()->index(2, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, channel3.center());
        QTRY_COMPARE(view->activeChannel(), 3);

        // The undo and redo keys reach the playlist's history; the Edit menu names the step.
        QAction* undo = app.commands()->action(ID_EDIT_UNDO);
        app.commands()->updateStates();
        QVERIFY(undo->isEnabled());
        QCOMPARE(undo->text(), QStringLiteral("Undo Select File(&U)\tCtrl+Z"));
        QCOMPARE(undo->toolTip(), QStringLiteral("Undo Select File")); // the tool bar's tip
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(view->document()->table().TypeAt(1, 3), cuelist::kTypeEmpty);
        app.commands()->updateStates();
        QVERIFY(!undo->isEnabled());
        QCOMPARE(undo->text(), QStringLiteral("Undo(&U)\tCtrl+Z"));
        QCOMPARE(undo->toolTip(), QStringLiteral("Undo"));
        QAction* redo = app.commands()->action(ID_EDIT_REDO);
        QCOMPARE(redo->toolTip(), QStringLiteral("Redo Select File"));
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(view->document()->table().TypeAt(1, 3), cuelist::kTypeMp3);
        // A name with "&" in a step's text is shown as it is, not as a menu key.
        view->document()->beginEditGroup(QStringLiteral("Relink A&B.MP3"));
        QVERIFY(view->document()->SetSlotFile(2, 3, "A&B.MP3"));
        view->document()->endEditGroup();
        app.commands()->updateStates();
        QCOMPARE(undo->text(), QStringLiteral("Undo Relink A&&B.MP3(&U)\tCtrl+Z"));
        QCOMPARE(undo->toolTip(), QStringLiteral("Undo Relink A&B.MP3"));

        QString shownChannel;
        QTimer guard;
        connect(&guard, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<CPlayChannelDlg*>(QApplication::activeModalWidget())) {
                shownChannel = dialog->findChild<QLineEdit*>(QStringLiteral("channel"))->text();
                dialog->reject();
            }
        });
        guard.start(10);
        QTest::keyClick(view, Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(shownChannel, QStringLiteral("0003"));
    }

    void toolBarsAndStatusBar()
    {
        ScriptedPrompt script;
        CCueApp app;
        QVERIFY(app.InitInstance({}));
        CMainFrame* frame = app.mainFrame();

        QCOMPARE(ToolBarItems(frame->fileToolBar()),
                 QStringList({"New PlayList", "Open", "Save", "CSV Output"}));
        QCOMPARE(ToolBarItems(frame->editToolBar()),
                 QStringList({"Undo", "Redo", "-", "Select File", "-", "Cut", "Copy", "Paste",
                              "Delete", "Open contents", "-", "Play"}));
        for (QToolBar* bar : {frame->fileToolBar(), frame->editToolBar()})
            for (QAction* action : bar->actions())
                QVERIFY(action->isSeparator() || !action->icon().isNull());
        QCOMPARE(frame->fileToolBar()->windowTitle(), QStringLiteral("File Toolbar"));
        QCOMPARE(frame->editToolBar()->windowTitle(), QStringLiteral("Edit Toolbar"));
        QCOMPARE(app.commands()->action(ID_CSV_OUTPUT)->statusTip(),
                 QStringLiteral("Output the file name of playlist as CSV format"));

        QCOMPARE(frame->messagePane()->text(), QStringLiteral("Ready"));
        const QFontMetrics metrics(frame->statusBar()->font());
        QVERIFY(frame->descriptionPane()->width() >=
                metrics.horizontalAdvance(QString(80, QLatin1Char(' '))));
        QVERIFY(frame->capsLockPane()->text().isEmpty());
        QVERIFY(frame->numLockPane()->text().isEmpty());

        // A status prompt replaces "Ready" while a command is pointed at.
        QStatusTipEvent tip(app.commands()->action(ID_FILE_SAVE)->statusTip());
        QApplication::sendEvent(frame, &tip);
        QCOMPARE(frame->statusBar()->currentMessage(), QStringLiteral("Save the active PlayList"));
    }

    void barLayoutSurvivesARestart()
    {
        ScriptedPrompt script;
        {
            CCueApp app;
            QVERIFY(app.InitInstance({}));
            CMainFrame* frame = app.mainFrame();
            QVERIFY(app.commands()->action(ID_VIEW_EDIT_TOOLBAR)->isChecked());
            app.commands()->execute(ID_VIEW_EDIT_TOOLBAR);
            QVERIFY(frame->editToolBar()->isHidden());
            QVERIFY(!app.commands()->action(ID_VIEW_EDIT_TOOLBAR)->isChecked());
            app.commands()->execute(ID_VIEW_STATUS_BAR);
            QVERIFY(!app.commands()->action(ID_VIEW_STATUS_BAR)->isChecked());
            frame->removeToolBar(frame->fileToolBar());
            frame->addToolBar(Qt::LeftToolBarArea, frame->fileToolBar());
            frame->fileToolBar()->show();
            app.commands()->execute(ID_APP_EXIT);
            QVERIFY(!frame->isVisible());
        }
        CCueApp app;
        QVERIFY(app.InitInstance({}));
        CMainFrame* frame = app.mainFrame();
        QVERIFY(frame->editToolBar()->isHidden());
        QVERIFY(!app.commands()->action(ID_VIEW_EDIT_TOOLBAR)->isChecked());
        QVERIFY(frame->statusBar()->isHidden());
        QVERIFY(!app.commands()->action(ID_VIEW_STATUS_BAR)->isChecked());
        QCOMPARE(frame->toolBarArea(frame->fileToolBar()), Qt::LeftToolBarArea);
        QVERIFY(app.commands()->action(ID_VIEW_TOOLBAR)->isChecked());

        app.commands()->execute(ID_VIEW_EDIT_TOOLBAR);
        QVERIFY(!frame->editToolBar()->isHidden());
        QVERIFY(app.commands()->action(ID_VIEW_EDIT_TOOLBAR)->isChecked());
    }

    void floatingBarKeepsItsCaptionAndFloatsAgain()
    {
        ScriptedPrompt script;
        {
            CCueApp app;
            QVERIFY(app.InitInstance({}));
            QToolBar* bar = app.mainFrame()->editToolBar();
            bar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
            bar->show();
            QVERIFY(bar->isFloating());
            app.mainFrame()->close();
        }
        CCueApp app;
        QVERIFY(app.InitInstance({}));
        QToolBar* bar = app.mainFrame()->editToolBar();
        QVERIFY(bar->isFloating());
        QCOMPARE(bar->windowTitle(), QStringLiteral("Edit Toolbar"));
    }

    void aboutBox()
    {
        ScriptedPrompt script;
        CCueApp app;
        QVERIFY(app.InitInstance({}));
        QString title, text;
        bool hasIcon = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            title = dialog->windowTitle();
            text = dialog->findChild<QLabel*>("AboutText")->text();
            hasIcon = !dialog->findChild<QLabel*>("AboutIcon")->pixmap().isNull();
            QTest::keyClick(dialog, Qt::Key_Enter); // OK
        });
        app.commands()->execute(ID_APP_ABOUT);
        QCOMPARE(title, QStringLiteral("QUARNIX Cuelist Studio Version Information"));
        // The version the build was made as, the same the command line prints.
        QCOMPARE(text.section('\n', 0, 0),
                 QStringLiteral("QUARNIX Cuelist Studio Version. ") +
                     ParseCommandLine({"x", "--version"}).output.section(' ', 1).trimmed());
        QVERIFY(text.contains("GPL-3.0-or-later"));
        QVERIFY(hasIcon);
    }

    void japaneseTexts()
    {
        cuelist::text::InstallTranslations(*qApp, QLocale(QLocale::Japanese, QLocale::Japan));
        ScriptedPrompt script;
        {
            CCueApp app;
            QVERIFY(app.InitInstance({}));
            CMainFrame* frame = app.mainFrame();
            QCOMPARE(MenuTitles(*frame), QStringList({"ファイル(&F)", "編集(&E)", "表示(&V)",
                                                      "ウィンドウ(&W)", "ヘルプ(&H)"}));
            QVERIFY(MenuItems(*frame, "表示(&V)").contains(QStringLiteral("全設定枠を表示(&F)")));
            QCOMPARE(MenuItems(*frame, "編集(&E)").value(0),
                     QStringLiteral("元に戻す(&U)\tCtrl+Z"));
            QCOMPARE(MenuItems(*frame, "編集(&E)").value(5),
                     QStringLiteral("切り取り(&T)    Ctrl+X"));
            QCOMPARE(frame->editToolBar()->windowTitle(), QStringLiteral("編集ツールバー"));
            SetHelpBrowser({});
            app.commands()->execute(ID_HELP);
            auto* help = frame->findChild<HelpWindow*>();
            QVERIFY(help);
            QCOMPARE(help->browser()->source().fileName(), QStringLiteral("help.html"));

            const QString csv = m_dir.filePath("ja.csv");
            script.choose(csv);
            app.commands()->execute(ID_CSV_OUTPUT);
            QFile file(csv);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(file.readLine()).left(18),
                     QStringLiteral("チャンネル名,設定枠01,設定枠02"));
        }
        cuelist::text::InstallTranslations(*qApp, QLocale(QLocale::English));
    }
};

QTEST_MAIN(AppFrameTest)
#include "tst_app_frame.moc"
