// SPDX-License-Identifier: GPL-3.0-or-later
#include "appfixture.h"
#include "childframe.h"
#include "commandids.h"
#include "commandtable.h"
#include "cueapp.h"
#include "cuedoc.h"
#include "mainframe.h"
#include "scriptedprompt.h"

#include <QDir>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QtTest>

using namespace AppFixture;

namespace {
const QString kApp = QStringLiteral("QUARNIX Cuelist Studio");
const QString kSize = QStringLiteral("        Total data size:");

// A title as the window shows it: Qt's mark is a "*" while the window is modified.
QString Title(const QWidget* window)
{
    return window->windowTitle().replace(
        QLatin1String("[*]"), window->isWindowModified() ? QStringLiteral("*") : QString());
}
} // namespace

// Window titles: the playlist window's title with the total data size, and the main title.
class AppTitleTest final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // A playlist in folder/ naming the given files, with its DATA folder made beside it.
    QString makeShow(const QString& folder, const QStringList& names)
    {
        const QString root = m_dir.filePath(folder);
        QDir().mkpath(root + "/DATA");
        cuelist::SlotTable table;
        int frame = 1;
        for (const QString& name : names)
            table.SetSlotFile(frame++, 1, name.toStdString());
        const QString file = root + "/list.slp";
        [&] { QVERIFY(WritePlaylist(file, table)); }();
        return file;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qputenv("HOME", m_dir.path().toUtf8());
    }

    void init() { ClearProfile(); }

    void newPlaylistShowsTheSizeOnceItsFolderIsKnown()
    {
        ScriptedPrompt script;
        CCueApp app;
        QVERIFY(app.InitInstance({}));
        CMainFrame* frame = app.mainFrame();
        CChildFrame* child = frame->activeChild();
        QCOMPARE(Title(child), QStringLiteral("PlayList1"));
        QCOMPARE(Title(frame), kApp + " - [PlayList1]");

        // The first chosen file fixes the folder; the view then asks for the title.
        const QString data = m_dir.filePath("new/DATA");
        QVERIFY(QDir().mkpath(data));
        QVERIFY(WriteFile(data + "/a.mp3", 1025));
        CCueDoc* doc = child->document();
        doc->setDataFolderFromFile(data + "/a.mp3");
        QVERIFY(doc->SetSlotFile(1, 1, "A.MP3"));
        // The dropped file is an unsaved change: both titles carry the modified mark.
        QCOMPARE(Title(child), "PlayList1" + kSize + "2KB*");
        QCOMPARE(Title(frame), kApp + " - [PlayList1" + kSize + "2KB*]");

        // Undone, the playlist is new again: no folder, no size, no mark; redo brings all back.
        doc->undoStack()->undo();
        QVERIFY(!doc->IsDataFolderKnown());
        QCOMPARE(Title(child), QStringLiteral("PlayList1"));
        QCOMPARE(Title(frame), kApp + " - [PlayList1]");
        doc->undoStack()->redo();
        QCOMPARE(doc->dataFolderPath(), data + "/");
        QCOMPARE(Title(frame), kApp + " - [PlayList1" + kSize + "2KB*]");
    }

    void sizeCountsEachExistingFileOnceWithSeparators()
    {
        const QString file = makeShow("big", QStringList(16, "BIG.MP3") << "GONE.MP3");
        QVERIFY(WriteFile(m_dir.filePath("big/DATA/BIG.MP3"), 1263616));
        ScriptedPrompt script;
        CCueApp app;
        QVERIFY(app.InitInstance({file}));
        QCOMPARE(Title(app.mainFrame()->activeChild()), "list.slp" + kSize + "1,234KB");
        QVERIFY(script.asked.isEmpty()); // a missing file is no concern of the title
    }

    void sizeIsRecomputedOnlyWhenDue()
    {
        const QString file = makeShow("due", {"ONE.MP3", "TWO.MP3"});
        QVERIFY(WriteFile(m_dir.filePath("due/DATA/ONE.MP3"), 2048));
        ScriptedPrompt script;
        CCueApp app;
        QVERIFY(app.InitInstance({file}));
        CMainFrame* frame = app.mainFrame();
        CChildFrame* child = frame->activeChild();
        QCOMPARE(Title(child), "list.slp" + kSize + "2KB");

        QVERIFY(WriteFile(m_dir.filePath("due/DATA/two.mp3"), 1024));
        frame->OnUpdateFrameTitle();
        QCOMPARE(Title(child), "list.slp" + kSize + "2KB");
        child->document()->SetTitleRefreshDue(true); // as a paste or delete does
        emit child->document()->frameTitleUpdateRequested();
        QCOMPARE(Title(child), "list.slp" + kSize + "3KB");
        QVERIFY(!child->document()->IsTitleRefreshDue());
    }

    void switchingWindowsRebuildsTheActiveTitle()
    {
        const QString a = makeShow("showa", {"A.MP3"});
        const QString b = makeShow("showb", {"B.MP3"});
        QVERIFY(WriteFile(m_dir.filePath("showa/DATA/A.MP3"), 1024));
        QVERIFY(WriteFile(m_dir.filePath("showb/DATA/B.MP3"), 5 * 1024));
        ScriptedPrompt script;
        CCueApp app;
        QVERIFY(app.InitInstance({a}));
        CMainFrame* frame = app.mainFrame();
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame));
        CChildFrame* first = frame->activeChild();
        QVERIFY(app.OpenDocumentFile(b));
        CChildFrame* second = frame->activeChild();
        QVERIFY(first != second);
        QVERIFY(second->isMaximized());
        QCOMPARE(Title(frame), kApp + " - [list.slp" + kSize + "5KB]");

        // The inactive playlist's folder changes; activating it shows the new size.
        QVERIFY(WriteFile(m_dir.filePath("showa/DATA/A.MP3"), 3 * 1024));
        frame->mdiArea()->setActiveSubWindow(first);
        QCOMPARE(frame->activeChild(), first);
        QVERIFY(first->isMaximized());
        QCOMPARE(Title(first), "list.slp" + kSize + "3KB");
        QCOMPARE(Title(frame), kApp + " - [list.slp" + kSize + "3KB]");
        QCOMPARE(app.commands()->state(ID_FILE_SAVE).enabled, true);

        frame->mdiArea()->setActiveSubWindow(second);
        QCOMPARE(Title(frame), kApp + " - [list.slp" + kSize + "5KB]");
    }

    void savingUnderANewNameRetitles()
    {
        ScriptedPrompt script;
        CCueApp app;
        QVERIFY(app.InitInstance({}));
        CMainFrame* frame = app.mainFrame();
        QVERIFY(QDir().mkpath(m_dir.filePath("saved")));
        script.choose(m_dir.filePath("saved/Show.slp"));
        app.commands()->execute(ID_FILE_SAVE);
        QCOMPARE(Title(frame->activeChild()), "show.slp" + kSize + "0KB");
        QCOMPARE(Title(frame), kApp + " - [show.slp" + kSize + "0KB]");
    }
};

QTEST_MAIN(AppTitleTest)
#include "tst_app_title.moc"
