// SPDX-License-Identifier: GPL-3.0-or-later
#include "appfixture.h"
#include "childframe.h"
#include "commandids.h"
#include "commandtable.h"
#include "cueapp.h"
#include "cuedoc.h"
#include "cueview.h"
#include "mainframe.h"
#include "recentfilelist.h"
#include "scriptedprompt.h"
#include "settingvalue.h"

#include <QAction>
#include <QHeaderView>
#include <QMdiArea>
#include <QMimeData>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace AppFixture;

namespace {
const QString kUnknownType =
    "The opened playlist includes unknown file type in the setup frame.  Are you sure the "
    "application deletes the unknown files?";
const QString kUnknownChannel =
    "The opened playlist includes unknow channel numbers. Are you sure the application deletes "
    "these messages of unknown channel numbers? ";
} // namespace

// Start-up, the command line, opening with the pre-check, recent files, closing and exit.
class AppStartupTest final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    // A playlist with one MP3 slot and, when asked, records the editor removes on loading.
    QString makePlaylist(const QString& name, bool unknownType = false, bool unknownChannel = false)
    {
        cuelist::SlotTable table;
        table.SetSlotFile(1, 1, "ONE.MP3");
        if (unknownType)
            table.RecordAt(3, 5)[cuelist::record::kType] = 2;
        if (unknownChannel)
            table.RecordAt(1, 200)[cuelist::record::kType] = 1;
        const QString file = path(name);
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

    void startWithoutArgumentsOpensOneEmptyMaximisedPlaylist()
    {
        ScriptedPrompt script;
        CCueApp app;
        QVERIFY(app.InitInstance({}));
        CMainFrame* frame = app.mainFrame();
        QVERIFY(frame->isVisible());
        QCOMPARE(Children(*frame).size(), 1);
        CChildFrame* child = frame->activeChild();
        QVERIFY(child->isMaximized());
        QVERIFY(child->view());
        QCOMPARE(child->document()->title(), QStringLiteral("PlayList1"));
        QVERIFY(!child->document()->table().ChannelHasSlots(1));
        QVERIFY(frame->showsPlaylistMenu());
        QVERIFY(script.asked.isEmpty());

        // A second playlist is maximised as well and numbered on.
        app.commands()->execute(ID_FILE_NEW);
        QCOMPARE(Children(*frame).size(), 2);
        QCOMPARE(frame->activeChild()->document()->title(), QStringLiteral("PlayList2"));
        QVERIFY(frame->activeChild()->isMaximized());
    }

    void startWithAFileOpensIt()
    {
        const QString file = makePlaylist("start.slp");
        ScriptedPrompt script;
        CCueApp app;
        QVERIFY(app.InitInstance({file}));
        QCOMPARE(Children(*app.mainFrame()).size(), 1);
        CCueDoc* doc = app.mainFrame()->activeChild()->document();
        QCOMPARE(doc->pathName(), file);
        QCOMPARE(doc->cellText(1, 1), QStringLiteral("ONE.MP3"));
        QVERIFY(!doc->isModified());
        QCOMPARE(app.recentFiles()->files(), QStringList{file});
    }

    void startWithAnUnreadableFileOpensAnEmptyPlaylist()
    {
        ScriptedPrompt script;
        CCueApp app;
        QVERIFY(app.InitInstance({path("nothing-here.slp")}));
        QCOMPARE(script.asked.size(), 1);
        QVERIFY(script.asked[0].text.startsWith("Unable to open"));
        QCOMPARE(Children(*app.mainFrame()).size(), 1);
        QCOMPARE(app.mainFrame()->activeChild()->document()->title(), QStringLiteral("PlayList1"));
        QVERIFY(app.mainFrame()->isVisible());
    }

    void precheckAsksTypeThenChannelAndNoOpensNothing()
    {
        const QString file = makePlaylist("both.slp", true, true);
        ScriptedPrompt script;
        CCueApp app;
        QVERIFY(app.InitInstance({}));
        CMainFrame* frame = app.mainFrame();

        script.answer(QMessageBox::No);
        bool declined = false;
        QVERIFY(!app.OpenDocumentFile(file, &declined));
        QVERIFY(declined);
        QCOMPARE(script.texts(), QStringList{kUnknownType});
        QCOMPARE(script.asked[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(script.asked[0].icon, QMessageBox::Question);

        script.asked.clear();
        script.answer(QMessageBox::Yes);
        script.answer(QMessageBox::No);
        QVERIFY(!app.OpenDocumentFile(file));
        QCOMPARE(script.texts(), QStringList({kUnknownType, kUnknownChannel}));
        QCOMPARE(Children(*frame).size(), 1);
        QVERIFY(app.recentFiles()->files().isEmpty());

        script.asked.clear();
        script.answer(QMessageBox::Yes);
        script.answer(QMessageBox::Yes);
        CCueDoc* doc = app.OpenDocumentFile(file);
        QVERIFY(doc);
        QCOMPARE(script.asked.size(), 2);
        QCOMPARE(doc->cellText(3, 5), QStringLiteral(" "));
        QCOMPARE(doc->table().RecordAt(1, 200)[cuelist::record::kType], 0);

        // Only the channel question for a file with only unknown channels.
        script.asked.clear();
        const QString channels = makePlaylist("channels.slp", false, true);
        script.answer(QMessageBox::No);
        QVERIFY(!app.OpenDocumentFile(channels));
        QCOMPARE(script.texts(), QStringList{kUnknownChannel});
    }

    void openCommandAndAlreadyOpenFiles()
    {
        const QString file = makePlaylist("twice.slp");
        ScriptedPrompt script;
        CCueApp app;
        QVERIFY(app.InitInstance({}));
        script.choose(file);
        app.commands()->execute(ID_FILE_OPEN);
        QCOMPARE(script.dialogs.size(), 1);
        QVERIFY(!script.dialogs[0].save);
        QVERIFY(script.dialogs[0].filter.startsWith("PlayList(*.slp)"));
        QCOMPARE(Children(*app.mainFrame()).size(), 2);

        // Opening it again activates the window that shows it.
        app.commands()->execute(ID_FILE_NEW);
        CCueDoc* again = app.OpenDocumentFile(file);
        QCOMPARE(Children(*app.mainFrame()).size(), 3);
        QCOMPARE(app.mainFrame()->activeChild()->document(), again);
        QCOMPARE(again->pathName(), file);
    }

    // Playlists open wherever they are dropped; other files never reach the frame's open.
    void filesDropped_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("opens");
        for (const char* target : {"frame", "cells", "header", "scroll bar"}) {
            QTest::addRow("playlist on %s", target) << target << "dropped.slp" << true;
            QTest::addRow("upper-case playlist on %s", target) << target << "DROP2.SLP" << true;
            QTest::addRow("MP3 on %s", target) << target << "CHIME.MP3" << false;
        }
    }

    void filesDropped()
    {
        QFETCH(QString, target);
        QFETCH(QString, name);
        QFETCH(bool, opens);
        const QString file = name.endsWith("MP3") ? path(name) : makePlaylist(name);
        if (!opens)
            QVERIFY(WriteFile(file, 100));
        ScriptedPrompt script;
        CCueApp app;
        QVERIFY(app.InitInstance({}));
        CMainFrame* frame = app.mainFrame();
        frame->show();
        CCueView* view = frame->activeChild()->view();
        QWidget* source = frame;
        if (target == "cells")
            source = view->viewport();
        else if (target == "header")
            source = view->horizontalHeader();
        else if (target == "scroll bar")
            source = view->verticalScrollBar();
        QVERIFY(source->isVisible());

        // Delivered as Qt does: to the widget under the pointer or the first parent taking drops.
        QWidget* widget = source;
        while (!widget->acceptDrops())
            widget = widget->parentWidget();
        const QPoint at = source->mapTo(widget, QPoint(5, 5));
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &enter);
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        if (enter.isAccepted())
            QApplication::sendEvent(widget, &drop);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();

        if (opens) {
            QTRY_COMPARE(Children(*frame).size(), 2);
            QCOMPARE(frame->activeChild()->document()->pathName(), file);
        } else {
            QCOMPARE(Children(*frame).size(), 1);
            QVERIFY(!script.texts().contains(kUnknownType));
            // Over the grid's own parts the drop is the grid's, whatever it then decides.
            QCOMPARE(enter.isAccepted(), target != "frame");
        }
    }

    void recentFilesInTheMenuWithoutPlaylist()
    {
        const QString a = makePlaylist("a.slp");
        const QString b = makePlaylist("b.slp", true);
        ScriptedPrompt script;
        {
            CCueApp app;
            QVERIFY(app.InitInstance({a}));
            script.answer(QMessageBox::Yes);
            QVERIFY(app.OpenDocumentFile(b));
            QCOMPARE(app.recentFiles()->files(), QStringList({b, a}));
        }

        // The list lives in the profile and is shown when no playlist is open.
        CCueApp app;
        QVERIFY(app.InitInstance({}));
        QCOMPARE(app.recentFiles()->files(), QStringList({b, a}));
        CMainFrame* frame = app.mainFrame();
        app.commands()->execute(ID_FILE_CLOSE);
        QTRY_VERIFY(!frame->showsPlaylistMenu());
        QCOMPARE(MenuItems(*frame, "File(&F)"),
                 QStringList({"New PlayList(&N)\tCtrl+N", "Open PlayList(&O)...\tCtrl+O", "-",
                              "&1 " + b, "&2 " + a, "-", "Exit(&X)"}));

        // No in the pre-check leaves the entry; a file that is gone loses it.
        script.answer(QMessageBox::No);
        app.commands()->execute(ID_FILE_MRU_FILE1);
        QCOMPARE(app.recentFiles()->files(), QStringList({b, a}));
        QFile::remove(a);
        script.asked.clear();
        app.commands()->execute(ID_FILE_MRU_FILE1 + 1);
        QCOMPARE(script.asked.size(), 1);
        QCOMPARE(app.recentFiles()->files(), QStringList{b});

        // With an empty list the greyed placeholder stands in the menu.
        app.recentFiles()->remove(0);
        QCOMPARE(MenuItems(*frame, "File(&F)"),
                 QStringList({"New PlayList(&N)\tCtrl+N", "Open PlayList(&O)...\tCtrl+O", "-",
                              "Recently used file", "-", "Exit(&X)"}));
        QVERIFY(!app.commands()->action(ID_FILE_MRU_FILE1)->isEnabled());
    }

    void closeAsksForModifiedPlaylists()
    {
        ScriptedPrompt script;
        CCueApp app;
        QVERIFY(app.InitInstance({}));
        CMainFrame* frame = app.mainFrame();
        frame->activeChild()->document()->setModifiedFlag(true);

        script.answer(QMessageBox::Cancel);
        app.commands()->execute(ID_FILE_CLOSE);
        QCOMPARE(script.texts(), QStringList{"Do you want to save changes PlayList1?"});
        QCoreApplication::processEvents();
        QCOMPARE(Children(*frame).size(), 1);

        script.answer(QMessageBox::No);
        app.commands()->execute(ID_FILE_CLOSE);
        QTRY_COMPARE(Children(*frame).size(), 0);
        QCOMPARE(frame->windowTitle(), QStringLiteral("QUARNIX Cuelist Studio"));
        // Document commands have nowhere to go now.
        QVERIFY(!app.commands()->state(ID_FILE_SAVE).enabled);
        QVERIFY(!app.commands()->state(ID_CSV_OUTPUT).enabled);
    }

    void exitWritesTheProfileBeforeAsking()
    {
        ScriptedPrompt script;
        CCueApp app;
        QVERIFY(app.InitInstance({}));
        CMainFrame* frame = app.mainFrame();
        app.commands()->execute(ID_FILE_NEW);
        for (CChildFrame* child : Children(*frame))
            child->document()->setModifiedFlag(true);

        // Cancel on the first question: nothing closes, but the profile is written.
        script.answer(QMessageBox::Cancel);
        app.commands()->execute(ID_APP_EXIT);
        QCOMPARE(SettingValue<int>("FIRST/RUN").get(), 1);
        QVERIFY(SettingValue<QByteArray>("TOOL_BAR/Layout").exists());
        QVERIFY(frame->isVisible());
        QCOMPARE(script.asked.size(), 1);

        // Every playlist is asked about before any window closes.
        script.answer(QMessageBox::No);
        script.answer(QMessageBox::No);
        app.commands()->execute(ID_APP_EXIT);
        QCOMPARE(script.texts().mid(1), QStringList({"Do you want to save changes PlayList1?",
                                                     "Do you want to save changes PlayList2?"}));
        QVERIFY(!frame->isVisible());
        QTRY_COMPARE(Children(*frame).size(), 0);
    }
};

QTEST_MAIN(AppStartupTest)
#include "tst_app_startup.moc"
