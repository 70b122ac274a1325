// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridwindow.h"
#include "help.h"
#include "helpwindow.h"
#include "putrecord.h"
#include "scriptedprompt.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

// The cell cursor: presses, keys, the slot description and the document's current slot.
class TestViewCursor final : public QObject
{
    Q_OBJECT

private:
    // The editor's cursor slot: (column, channel).
    static QPair<int, int> currentSlot(const PlaylistEditor& editor)
    {
        const SlotPos pos = editor.currentSlot();
        return {pos.column, pos.slotChannel()};
    }

private slots:
    void leftPressMovesBothHalves()
    {
        GridWindow w;
        w.click(3, 4);
        QCOMPARE(w.view->cursorColumn(), 3);
        QCOMPARE(w.view->currentIndex().row(), 4);
        QCOMPARE(w.view->activeChannel(), 5);
        QCOMPARE(currentSlot(w.editor), qMakePair(3, 5));
        QCOMPARE(w.pane.text(), QStringLiteral("No Registration"));

        w.click(0, 8); // Channel column: blanks
        QCOMPARE(w.view->cursorColumn(), 0);
        QCOMPARE(w.pane.text(), QStringLiteral("       "));
        QCOMPARE(currentSlot(w.editor), qMakePair(0, 9));
    }

    void pressesBelowTheLastRow()
    {
        GridWindow w;
        // Leave half a row of space under the last row once scrolled to the end.
        const int rowHeight = w.view->rowHeight(0);
        w.window.resize(900, w.window.height() - w.view->viewport()->height() + 8 * rowHeight +
                                 rowHeight / 2);
        QApplication::processEvents();
        w.click(2, 126);
        w.view->verticalScrollBar()->setValue(w.view->verticalScrollBar()->maximum());
        QApplication::processEvents();
        const QPoint below(w.view->columnViewportPosition(5) + 10,
                           w.view->rowViewportPosition(126) + rowHeight + rowHeight / 4);
        QCOMPARE(w.view->rowAt(below.y()), -1);

        const QString before = w.pane.text();
        QTest::mouseClick(w.view->viewport(), Qt::LeftButton, {}, below);
        QCOMPARE(w.view->cursorColumn(), 2);
        QCOMPARE(w.view->currentIndex().row(), 126);
        QCOMPARE(w.pane.text(), before);

        // The right press goes on: new cursor column, and the menu for row -1.
        bool menuShown = false;
        QTimer::singleShot(0, [&] {
            if (auto* menu = qobject_cast<QMenu*>(qApp->activePopupWidget())) {
                menuShown = true;
                menu->close();
            }
        });
        QTest::mousePress(w.view->viewport(), Qt::RightButton, {}, below);
        QVERIFY(menuShown);
        QCOMPARE(w.view->cursorColumn(), 5);
    }

    void leftAndRightKeys()
    {
        GridWindow w;
        w.click(1, 2);
        w.press(Qt::Key_Left);
        QCOMPARE(w.view->cursorColumn(), 0);
        QCOMPARE(w.pane.text(), QStringLiteral("       "));
        QCOMPARE(currentSlot(w.editor), qMakePair(0, 3));
        w.press(Qt::Key_Left);
        QCOMPARE(w.view->cursorColumn(), 0);

        w.putMp3(16, 3, "last.mp3", 1, 2, 3);
        w.click(16, 2);
        w.pane.setText(QString());
        w.press(Qt::Key_Right);
        QCOMPARE(w.view->cursorColumn(), 16);
        QCOMPARE(w.pane.text(), QStringLiteral("Repeat Times=1 /Volume=-2 /Interval=3sec. "));
    }

    void rightKeyScrollsAHiddenColumnToTheLeftEdge()
    {
        GridWindow w(QSize(900, 500));
        w.click(1, 0);
        QScrollBar* bar = w.view->horizontalScrollBar();
        for (int column = 2; column <= 16; ++column) {
            const bool visible =
                w.view->columnViewportPosition(column) >= 0 &&
                w.view->columnViewportPosition(column) + w.view->columnWidth(column) <=
                    w.view->viewport()->width();
            const int before = bar->value();
            w.press(Qt::Key_Right);
            QCOMPARE(w.view->cursorColumn(), column);
            if (visible) {
                QCOMPARE(bar->value(), before);
            } else if (bar->value() < bar->maximum()) {
                QCOMPARE(w.view->columnViewportPosition(column), 0);
            }
        }
        QCOMPARE(bar->value(), bar->maximum());
        // Row movement never scrolls sideways.
        w.press(Qt::Key_Down);
        QCOMPARE(bar->value(), bar->maximum());
    }

    void rowKeysDescribeTheNewRow()
    {
        GridWindow w;
        w.putMp3(4, 2, "a.mp3", 255, 0, 0);
        w.click(4, 0);
        QTest::keyClick(w.view, Qt::Key_Down);
        QCOMPARE(w.view->activeChannel(), 2); // the cursor row was painted with the key
        QCOMPARE(w.view->currentIndex().row(), 1);
        QCOMPARE(currentSlot(w.editor), qMakePair(4, 2));
        QCOMPARE(w.pane.text(),
                 QStringLiteral("Repeat Times = Unlimited/Volume=0 /Interval=0sec. "));
        w.press(Qt::Key_Up);
        QCOMPARE(currentSlot(w.editor), qMakePair(4, 1));

        // Page Down takes the row painted as the cursor row; that is the new row.
        w.press(Qt::Key_PageDown);
        const int paged = w.view->currentIndex().row();
        QVERIFY(paged > 1);
        QCOMPARE(w.view->activeChannel(), paged + 1);
        QCOMPARE(currentSlot(w.editor), qMakePair(4, paged + 1));
        w.press(Qt::Key_PageUp);
        QCOMPARE(currentSlot(w.editor), qMakePair(4, w.view->currentIndex().row() + 1));

        // Home and End move the current slot with the row.
        w.press(Qt::Key_End);
        QCOMPARE(w.view->currentIndex().row(), 126);
        QCOMPARE(currentSlot(w.editor), qMakePair(4, 127));
        w.press(Qt::Key_Home);
        QCOMPARE(w.view->currentIndex().row(), 0);
        QCOMPARE(currentSlot(w.editor), qMakePair(4, 1));
    }

    void enterOpensTheSlot()
    {
        ScriptedPrompt prompt;
        GridWindow w;
        w.click(0, 1);
        w.press(Qt::Key_Return); // Channel column: nothing
        QApplication::processEvents();
        QVERIFY(w.recorder.ran.isEmpty());

        w.click(3, 1);
        QTest::keyClick(w.view, Qt::Key_Return);
        QVERIFY(w.recorder.ran.isEmpty()); // queued: runs after the key press
        QApplication::processEvents();
        QCOMPARE(w.recorder.ran, QList<int>{ID_SELECT_FILE});
        QVERIFY(prompt.asked.isEmpty());

        // A record of an unknown type: one message for Enter, two for a double click.
        cuelist::SlotRecord odd = cuelist::EmptyRecord();
        odd[cuelist::record::kType] = 7;
        PutRecord(w.doc, 3, 2, odd);
        w.press(Qt::Key_Enter);
        QCOMPARE(prompt.texts(), QStringList{QStringLiteral("Unknown File Type. Reset File Name")});
        QTest::mouseDClick(w.view->viewport(), Qt::LeftButton, {}, w.cellCenter(3, 1));
        QCOMPARE(prompt.asked.size(), 3);
        QCOMPARE(w.recorder.ran.size(), 1);
    }

    void f1OpensHelp()
    {
        ScriptedPrompt prompt;
        SetHelpBrowser({}); // no browser: the editor's own help window
        GridWindow w;
        w.press(Qt::Key_F1);
        auto* help = w.view->window()->findChild<HelpWindow*>();
        QVERIFY(help && help->isVisible());
        QVERIFY(prompt.texts().isEmpty());
    }

    void activationShowsEachDocumentsOwnSlot()
    {
        GridWindow first;
        first.putMp3(2, 3, "one.mp3", 1, 0, 5);
        first.click(2, 2);
        const QString firstText = first.pane.text();
        QCOMPARE(firstText, QStringLiteral("Repeat Times=1 /Volume=0 /Interval=5sec. "));
        {
            GridWindow second;
            second.click(7, 9);
            QCOMPARE(second.pane.text(), QStringLiteral("No Registration"));
            first.pane.clear();
            first.editor.OnActivateView(true);
            QCOMPARE(first.pane.text(), firstText);
        }
        // An editor that goes leaves one space.
        auto* editor = new PlaylistEditor(&first.doc);
        QObject::connect(editor, &PlaylistEditor::descriptionChanged, &first.pane,
                         &QLabel::setText);
        delete editor;
        QCOMPARE(first.pane.text(), QStringLiteral(" "));
    }
};

QTEST_MAIN(TestViewCursor)
#include "tst_view_cursor.moc"
