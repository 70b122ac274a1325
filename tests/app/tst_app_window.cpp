// SPDX-License-Identifier: GPL-3.0-or-later
#include "appfixture.h"
#include "childframe.h"
#include "commandids.h"
#include "commandtable.h"
#include "cueapp.h"
#include "cuedoc.h"
#include "cueview.h"
#include "findfiledlg.h"
#include "mainframe.h"
#include "scriptedprompt.h"
#include "slotfinder.h"
#include "windowmenu.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QMdiArea>
#include <QMenu>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace AppFixture;

// Seeing the whole show in the running editor: the zoom keys and their memory, the Window
// menu with its keys and tabs, and Find with Relink, each through its keys and menus.
class AppWindowTest final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    static CMainFrame* startActive(CCueApp& app)
    {
        if (!app.InitInstance({}))
            return nullptr;
        CMainFrame* frame = app.mainFrame();
        frame->activateWindow();
        return QTest::qWaitForWindowActive(frame) ? frame : nullptr;
    }
    static CChildFrame* active(CMainFrame* frame) { return frame->activeChild(); }
    // Tab pressed while Ctrl stays down (a QTest click would release Ctrl after it).
    static void heldCtrlTab(CMainFrame* frame)
    {
        QWidget* grid = active(frame)->view();
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, Qt::Key_Tab, Qt::ControlModifier);
            QApplication::sendEvent(grid, &event);
        }
    }
    static void ctrl(CMainFrame* frame, QEvent::Type type)
    {
        QKeyEvent event(type, Qt::Key_Control,
                        type == QEvent::KeyPress ? Qt::ControlModifier : Qt::NoModifier);
        QApplication::sendEvent(active(frame)->view(), &event);
    }
    static void key(CMainFrame* frame, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(active(frame)->view(), key, modifiers);
        QApplication::processEvents();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qputenv("HOME", m_dir.path().toUtf8());
    }
    void init() { ClearProfile(); }

    void zoomKeysAndTheNextStart()
    {
        ScriptedPrompt script;
        {
            CCueApp app;
            CMainFrame* frame = startActive(app);
            QVERIFY(frame);
            frame->resize(1024, 720); // the offscreen screen is smaller
            CCueView* view = active(frame)->view();
            QCOMPARE(view->sizer()->zoom(), 100);
            key(frame, Qt::Key_Minus, Qt::ControlModifier);
            QCOMPARE(view->sizer()->zoom(), GridZoom::stepOut(100));
            key(frame, Qt::Key_0, Qt::ControlModifier);
            QCOMPARE(view->sizer()->zoom(), 100);
            key(frame, Qt::Key_Equal, Qt::ControlModifier);
            QCOMPARE(view->sizer()->zoom(), GridZoom::stepIn(100));
            key(frame, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
            QCOMPARE(view->sizer()->zoom(), GridZoom::stepIn(GridZoom::stepIn(100)));
            QVERIFY(app.commands()->execute(ID_VIEW_ZOOM_FIT));
            QVERIFY(view->sizer()->zoom() < 100);
            QVERIFY(view->horizontalHeader()->length() <= view->viewport()->width());
            // A new window takes the zoom last chosen.
            QVERIFY(app.commands()->execute(ID_FILE_NEW));
            QCOMPARE(active(frame)->view()->sizer()->zoom(), view->sizer()->zoom());
        }
        const int fitted = [] {
            CCueApp app;
            return app.InitInstance({}) ? app.mainFrame()->activeChild()->view()->sizer()->zoom()
                                        : -1;
        }();
        QVERIFY(fitted > 0 && fitted < 100);
    }

    void windowMenuKeysAndOrder()
    {
        ScriptedPrompt script;
        CCueApp app;
        CMainFrame* frame = startActive(app);
        QVERIFY(frame);
        CChildFrame* first = active(frame);
        QVERIFY(app.commands()->execute(ID_FILE_NEW));
        CChildFrame* second = active(frame);
        QVERIFY(app.commands()->execute(ID_FILE_NEW));
        CChildFrame* third = active(frame);
        QVERIFY(second->document()->SetSlotFile(1, 1, QStringLiteral("A.MP3")));

        QVERIFY(MenuTitles(*frame).contains(QStringLiteral("Window(&W)")));
        frame->windowMenu()->menu()->popup(QPoint(0, 0)); // lists the windows as it opens
        QStringList items = MenuItems(*frame, QStringLiteral("Window(&W)"));
        frame->windowMenu()->menu()->hide();
        QCOMPARE(items.mid(0, 5),
                 QStringList({"Next Window(&N)\tCtrl+F6", "Previous Window(&P)\tCtrl+Shift+F6", "-",
                              "Close All(&A)", "-"}));
        QCOMPARE(items.mid(5).size(), 3);
        QVERIFY(items[6].startsWith(QStringLiteral("&2 ")) &&
                items[6].endsWith(QStringLiteral(" *")));
        QVERIFY(!items[5].endsWith(QStringLiteral("*")));
        QVERIFY(app.commands()->action(ID_WINDOW_CHILD1 + 2)->isChecked());
        QVERIFY(app.commands()->execute(ID_WINDOW_CHILD1));
        QCOMPARE(active(frame), first);

        // Next and Previous go in the order the windows were opened, round the ends.
        key(frame, Qt::Key_F6, Qt::ControlModifier);
        QCOMPARE(active(frame), second);
        key(frame, Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier);
        key(frame, Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(active(frame), third);

        // Ctrl+Tab: most recent first (third, first, second). Held Ctrl walks further back;
        // releasing it makes the window reached the most recent.
        QCOMPARE(frame->windowMenu()->recentOrder(), (QList<CChildFrame*>{third, first, second}));
        ctrl(frame, QEvent::KeyPress);
        heldCtrlTab(frame);
        QCOMPARE(active(frame), first);
        heldCtrlTab(frame);
        QCOMPARE(active(frame), second);
        ctrl(frame, QEvent::KeyRelease);
        QCOMPARE(frame->windowMenu()->recentOrder(), (QList<CChildFrame*>{second, third, first}));
        // Ctrl+Tab pressed and released goes back and forth between the two most recent.
        key(frame, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(active(frame), third);
        key(frame, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(active(frame), second);
        // Ctrl+Shift+Tab goes the other way: to the least recently used.
        key(frame, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(active(frame), first);

        // Close All: a cancelled save question keeps every window; then all close.
        script.answer(QMessageBox::Cancel);
        QVERIFY(app.commands()->execute(ID_WINDOW_CLOSE_ALL));
        QCOMPARE(Children(*frame).size(), 3);
        script.answer(QMessageBox::No);
        QVERIFY(app.commands()->execute(ID_WINDOW_CLOSE_ALL));
        QTRY_COMPARE(Children(*frame).size(), 0);
        QTRY_VERIFY(!frame->showsPlaylistMenu());
    }

    void documentTabsAreAViewSetting()
    {
        ScriptedPrompt script;
        {
            CCueApp app;
            CMainFrame* frame = startActive(app);
            QVERIFY(frame);
            QCOMPARE(frame->mdiArea()->viewMode(), QMdiArea::SubWindowView);
            QVERIFY(app.commands()->execute(ID_VIEW_DOCUMENT_TABS));
            app.commands()->updateStates();
            QVERIFY(app.commands()->action(ID_VIEW_DOCUMENT_TABS)->isChecked());
            QCOMPARE(frame->mdiArea()->viewMode(), QMdiArea::TabbedView);
            QVERIFY(app.commands()->execute(ID_FILE_NEW));
            QCOMPARE(Children(*frame).size(), 2);
        }
        CCueApp app;
        CMainFrame* frame = startActive(app);
        QVERIFY(frame);
        QCOMPARE(frame->mdiArea()->viewMode(), QMdiArea::TabbedView);
        QVERIFY(app.commands()->execute(ID_VIEW_DOCUMENT_TABS));
        QCOMPARE(frame->mdiArea()->viewMode(), QMdiArea::SubWindowView);
        QVERIFY(active(frame)->isMaximized());
    }

    // Two shows' show.slp: the Window menu names each one's folder; a lone name stays short.
    void sameNamedPlaylistsAreToldApart()
    {
        QStringList paths;
        for (const char* name : {"/a/show.slp", "/b/show.slp", "/b/other.slp"}) {
            const QString path = m_dir.filePath(QString::fromLatin1(name).mid(1));
            QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
            QVERIFY(WritePlaylist(path, cuelist::SlotTable()));
            paths << path;
        }
        ScriptedPrompt script;
        CCueApp app;
        QVERIFY(app.InitInstance(paths));
        CMainFrame* frame = app.mainFrame();
        frame->windowMenu()->menu()->popup(QPoint(0, 0));
        const QStringList items = MenuItems(*frame, QStringLiteral("Window(&W)")).mid(5);
        frame->windowMenu()->menu()->hide();
        QCOMPARE(items, QStringList({"&1 show.slp (" + m_dir.filePath("a") + ")",
                                     "&2 show.slp (" + m_dir.filePath("b") + ")", "&3 other.slp"}));
    }

    void findThenRelinkFromTheKeys()
    {
        const QString folder = m_dir.filePath(QStringLiteral("show"));
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/DATA")));
        QVERIFY(WriteFile(folder + QStringLiteral("/DATA/BELL.MP3"), 1000));
        QVERIFY(WriteFile(folder + QStringLiteral("/DATA/INTRO2.MP3"), 1000));
        cuelist::SlotTable table;
        for (const auto& [frame, channel, name] :
             {std::tuple{1, 2, "INTRO.MP3"}, std::tuple{4, 9, "BELL.MP3"},
              std::tuple{2, 30, "INTRO.MP3"}})
            QCOMPARE(table.SetSlotFile(frame, channel, name), cuelist::kSlotDone);
        const QString path = folder + QStringLiteral("/show.slp");
        QVERIFY(WritePlaylist(path, table));

        ScriptedPrompt script;
        CCueApp app;
        QVERIFY(app.InitInstance({path}));
        CMainFrame* frame = app.mainFrame();
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame));
        CCueView* view = active(frame)->view();
        view->setFocus();

        QStringList offered;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<CFindFileDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* name = dialog->findChild<QComboBox*>(QStringLiteral("FindName"));
            for (int i = 0; i < name->count(); ++i)
                offered << name->itemText(i);
            name->setEditText(QStringLiteral("intro"));
            dialog->accept();
        });
        key(frame, Qt::Key_F, Qt::ControlModifier);
        frame->activateWindow(); // as the window manager does when the dialog closes
        QVERIFY(QTest::qWaitForWindowActive(frame));
        QCOMPARE(offered, QStringList({"BELL.MP3", "INTRO.MP3"}));
        QCOMPARE(view->activeChannel(), 2);
        QCOMPARE(view->cursorColumn(), 1);
        QVERIFY(frame->statusBar()->currentMessage().startsWith(QStringLiteral("1 of 2")));
        key(frame, Qt::Key_F3);
        QCOMPARE(view->activeChannel(), 30);
        QVERIFY(frame->statusBar()->currentMessage().startsWith(QStringLiteral("2 of 2")));
        key(frame, Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(view->activeChannel(), 2);

        // INTRO.MP3 is missing: one key relinks it in both slots, as one step.
        app.commands()->updateStates();
        QVERIFY(app.commands()->action(ID_RELINK_FILE)->isEnabled());
        script.choose(folder + QStringLiteral("/DATA/INTRO2.MP3"));
        key(frame, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(view->document()->cellText(1, 2), QStringLiteral("INTRO2.MP3"));
        QCOMPARE(view->document()->cellText(2, 30), QStringLiteral("INTRO2.MP3"));
        app.commands()->updateStates();
        QVERIFY(!app.commands()->action(ID_RELINK_FILE)->isEnabled());
        QCOMPARE(view->document()->undoStack()->count(), 1);
        script.answer(QMessageBox::No);
    }
};

QTEST_MAIN(AppWindowTest)
#include "tst_app_window.moc"
