// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridwindow.h"
#include "playchanneldlg.h"
#include "playlistclipboard.h"
#include "scriptedprompt.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QTranslator>

// The context menu for each kind of press, and the enabling rules of the edit commands.
class TestViewMenu final : public QObject
{
    Q_OBJECT

private:
    // The items of the menu a right press at point opens: "-" for a separator, a disabled
    // item in brackets. Optionally types a key into the menu instead of closing it.
    static QStringList menuAt(GridWindow& w, QPoint point, Qt::Key choose = Qt::Key_unknown)
    {
        QStringList items;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(qApp->activePopupWidget());
            if (!menu)
                return;
            for (QAction* action : menu->actions()) {
                if (action->isSeparator())
                    items << QStringLiteral("-");
                else
                    items << (action->isEnabled() ? action->text()
                                                  : QLatin1Char('[') + action->text() + u']');
            }
            if (choose != Qt::Key_unknown)
                QTest::keyClick(menu, choose);
            else
                menu->close();
        });
        QTest::mousePress(w.view->viewport(), Qt::RightButton, {}, point);
        QTest::mouseRelease(w.view->viewport(), Qt::RightButton, {}, point);
        QApplication::processEvents();
        return items;
    }

    static QStringList menuAt(GridWindow& w, int column, int row)
    {
        return menuAt(w, w.cellCenter(column, row));
    }

    static void putForeignClip()
    {
        auto* data = new QMimeData;
        data->setData(PlaylistClipboard::mimeType(), QByteArray(16, '\0'));
        data->setData(PlaylistClipboard::tokenMimeType(), QByteArrayLiteral("another instance"));
        QGuiApplication::clipboard()->setMimeData(data);
    }

    static bool enabled(GridWindow& w, int id) { return w.commands.state(id).enabled; }

private slots:
    void init() { QGuiApplication::clipboard()->clear(); }

    void menusByKindOfPress()
    {
        GridWindow w;
        w.putMp3(4, 3, "voice.mp3");
        const QStringList phrase{QStringLiteral("Select File(&F)"), QStringLiteral("-"),
                                 QStringLiteral("Cut(&T)"),         QStringLiteral("Copy(&C)"),
                                 QStringLiteral("[Paste(&P)]"),     QStringLiteral("Delete(&D)")};
        QCOMPARE(menuAt(w, 3, 2), phrase);
        QCOMPARE(menuAt(w, 4, 2), phrase);
        QCOMPARE(w.view->cursorColumn(), 4);
        QCOMPARE(w.view->currentIndex().row(), 2);

        QCOMPARE(menuAt(w, 0, 5),
                 (QStringList{QStringLiteral("Cut(&T)"), QStringLiteral("Copy(&C)"),
                              QStringLiteral("[Paste(&P)]"), QStringLiteral("Delete(&D)"),
                              QStringLiteral("-"), QStringLiteral("[Play(&W)]")}));
        QCOMPARE(menuAt(w, 0, 2).last(), QStringLiteral("Play(&W)"));

        // Right of the last column: a negative cursor column.
        for (int column = 0; column < 17; ++column)
            w.view->setColumnWidth(column, 30);
        const QPoint beyond(w.view->columnViewportPosition(16) + w.view->columnWidth(16) + 20,
                            w.cellCenter(0, 2).y());
        QVERIFY(beyond.x() < w.view->viewport()->width());
        QCOMPARE(menuAt(w, beyond),
                 (QStringList{QStringLiteral("Cut(&T)"), QStringLiteral("Copy(&C)"),
                              QStringLiteral("[Paste(&P)]"), QStringLiteral("Delete(&D)")}));
        QCOMPARE(w.view->cursorColumn(), -1);
    }

    void japaneseTexts()
    {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/cuelist_view_ja.qm")));
        QCoreApplication::installTranslator(&translator);
        GridWindow w;
        QCOMPARE(w.view->model()->headerData(12, Qt::Horizontal).toString(),
                 QStringLiteral("    設定枠12    "));
        w.putMp3(2, 1, "voice.mp3");
        QCOMPARE(menuAt(w, 1, 0).first(), QStringLiteral("ﾌｧｲﾙ名設定(&F)"));
        QCOMPARE(menuAt(w, 2, 0).first(), QStringLiteral("ﾌｧｲﾙの再選択(&F)"));
        QCoreApplication::removeTranslator(&translator);
    }

    void pasteItemFollowsTheClipboard()
    {
        GridWindow w;
        const auto pasteItem = [&](int column) {
            const QStringList items = menuAt(w, column, 1);
            for (const QString& item : items)
                if (item.contains(QStringLiteral("Paste")))
                    return item;
            return QStringLiteral("none");
        };
        PlaylistClipboard::writeClip(QByteArray(16, '\0'));
        QCOMPARE(pasteItem(5), QStringLiteral("Paste(&P)"));
        QCOMPARE(pasteItem(0), QStringLiteral("[Paste(&P)]"));
        PlaylistClipboard::writeClip(QByteArray(256, '\0'));
        QCOMPARE(pasteItem(5), QStringLiteral("[Paste(&P)]"));
        QCOMPARE(pasteItem(0), QStringLiteral("Paste(&P)"));

        putForeignClip();
        QCOMPARE(pasteItem(5), QStringLiteral("[Paste(&P)]"));

        // Ours, but without the records: no Paste item at all.
        auto* tokenOnly = new QMimeData;
        tokenOnly->setData(PlaylistClipboard::tokenMimeType(), PlaylistClipboard::instanceToken());
        QGuiApplication::clipboard()->setMimeData(tokenOnly);
        QCOMPARE(pasteItem(5), QStringLiteral("none"));
    }

    void chosenItemRunsThroughTheCommandTable()
    {
        GridWindow w;
        w.putMp3(2, 4, "voice.mp3");
        menuAt(w, w.cellCenter(2, 3), Qt::Key_D); // the view's own Delete
        QCOMPARE(w.doc.cellText(2, 4), QStringLiteral(" "));
        menuAt(w, w.cellCenter(2, 3), Qt::Key_F);
        QCOMPARE(w.recorder.ran, QList<int>{ID_SELECT_FILE});
    }

    void playChannelOpensThePreviewOfTheActiveChannel()
    {
        GridWindow w;
        ScriptedPrompt answers; // the missing file's message, if the worker gets that far
        w.putMp3(3, 6, "voice.mp3");
        w.click(0, 5);
        QString shownFor;
        QTimer guard; // the dialog opens inside execute()
        connect(&guard, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<CPlayChannelDlg*>(QApplication::activeModalWidget())) {
                shownFor = dialog->findChild<QLineEdit*>(QStringLiteral("channel"))->text();
                dialog->reject();
            }
        });
        guard.start(10);
        QVERIFY(w.commands.execute(ID_PLAY_CHANNEL));
        QCOMPARE(shownFor, QStringLiteral("0006"));
        QVERIFY(w.recorder.ran.isEmpty()); // handled by the view, not passed on

        QApplication::setActiveWindow(&w.window);
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.view->setFocus();
        w.click(0, 7); // a channel without phrases: the rule refuses
        QVERIFY(!w.commands.execute(ID_PLAY_CHANNEL));
    }

    void enablingRules()
    {
        GridWindow w;
        QAction* copy = w.commands.action(ID_EDIT_COPY);
        QAction* paste = w.commands.action(ID_EDIT_PASTE);
        w.commands.updateStates();

        // Nothing painted as the cursor row yet: active channel 0.
        QCOMPARE(w.view->activeChannel(), 0);
        w.view->ShowSlotDescription(2);
        QVERIFY(enabled(w, ID_SELECT_FILE));
        for (int id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_DELETE, ID_EDIT_PASTE})
            QVERIFY2(!enabled(w, id), qPrintable(QString::number(id)));
        QVERIFY(!copy->isEnabled());

        w.click(2, 4);
        QApplication::processEvents();
        for (int id : {ID_SELECT_FILE, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_DELETE})
            QVERIFY2(enabled(w, id), qPrintable(QString::number(id)));
        QVERIFY(copy->isEnabled());
        QVERIFY(!enabled(w, ID_OPEN_CONTENTS)); // empty slot
        QVERIFY(!enabled(w, ID_PLAY_CHANNEL));  // not on the Channel column

        w.putMp3(2, 5, "voice.mp3");
        w.click(2, 4);
        QVERIFY(enabled(w, ID_OPEN_CONTENTS));

        w.click(0, 4);
        QVERIFY(!enabled(w, ID_SELECT_FILE));
        QVERIFY(!enabled(w, ID_OPEN_CONTENTS));
        QVERIFY(enabled(w, ID_PLAY_CHANNEL));
        w.click(0, 9);
        QVERIFY(!enabled(w, ID_PLAY_CHANNEL));

        // The Paste action follows the clipboard.
        QVERIFY(!paste->isEnabled());
        PlaylistClipboard::writeClip(QByteArray(256, '\0'));
        QVERIFY(paste->isEnabled());
        putForeignClip();
        QVERIFY(!paste->isEnabled());

        // A negative cursor column gives Cut no rule of the view's.
        w.view->ShowSlotDescription(-1);
        QVERIFY(!w.view->editor()->commandState(ID_EDIT_CUT).has_value());
        QVERIFY(!enabled(w, ID_SELECT_FILE));
        QVERIFY(enabled(w, ID_EDIT_CUT)); // handled on the route
    }
};

QTEST_MAIN(TestViewMenu)
#include "tst_view_menu.moc"
