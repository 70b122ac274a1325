// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridwindow.h"
#include "putrecord.h"
#include "scriptedprompt.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

// Moving a slot by dragging it with the left button, driven by mouse events on the viewport.
class TestViewDrag final : public QObject
{
    Q_OBJECT

private:
    // Wide enough to show frame 7 without scrolling sideways.
    static constexpr QSize kWide{1800, 600};

    // An MP3 record with every byte set: volume, repeat, both tones, interval, reserved.
    static cuelist::SlotRecord voice(char digit = '1')
    {
        return {1, 'V', 'O', 'I', 'C', 'E', '0', std::uint8_t(digit), ' ', 12, 3, 5, 7, 1, 2, 0x5A};
    }
    static const cuelist::SlotRecord& at(GridWindow& w, int frame, int channel)
    {
        return w.doc.table().RecordAt(frame, channel);
    }
    static QList<QLabel*> images(GridWindow& w)
    {
        return w.view->viewport()->findChildren<QLabel*>();
    }

    // QTest's own movements carry no buttons.
    static void moveTo(GridWindow& w, QPoint point, Qt::MouseButtons buttons = Qt::LeftButton)
    {
        QMouseEvent move(QEvent::MouseMove, point, w.view->viewport()->mapToGlobal(point),
                         Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(w.view->viewport(), &move);
    }
    static void release(GridWindow& w, QPoint point)
    {
        QTest::mouseRelease(w.view->viewport(), Qt::LeftButton, {}, point);
    }
    // Presses on a cell and moves far enough for the drag to begin.
    static void startDrag(GridWindow& w, int column, int row)
    {
        const QPoint from = w.cellCenter(column, row);
        QTest::mousePress(w.view->viewport(), Qt::LeftButton, {}, from);
        moveTo(w, from + QPoint(QApplication::startDragDistance() + 2, 0));
    }
    static void drag(GridWindow& w, QPoint from, QPoint to)
    {
        startDrag(w, w.view->columnAt(from.x()), w.view->rowAt(from.y()));
        moveTo(w, to);
        release(w, to);
    }
    static void verifyDragEnded(GridWindow& w)
    {
        QVERIFY(!w.view->isDraggingSlot());
        QVERIFY(images(w).isEmpty());
        QVERIFY(QWidget::mouseGrabber() != w.view->viewport());
    }

private slots:
    void movesTheWholeRecord()
    {
        GridWindow w(kWide);
        ScriptedPrompt prompt;
        PutRecord(w.doc, 3, 2, voice());
        PutRecord(w.doc, 7, 5, voice('2'));

        // The first drag in a new view counts. An occupied target asks first, beginning with its
        // own text; Cancel moves nothing.
        prompt.answer(QMessageBox::Cancel);
        drag(w, w.cellCenter(3, 1), w.cellCenter(7, 4));
        QCOMPARE(prompt.texts(),
                 QStringList{QStringLiteral("VOICE02.MP3") + w.doc.replacePrompt()});
        QCOMPARE(prompt.asked.first().buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(at(w, 7, 5), voice('2'));
        QVERIFY(!w.doc.isModified());
        verifyDragEnded(w);

        startDrag(w, 3, 1);
        QCOMPARE(images(w).size(), 1);
        const QPoint to = w.cellCenter(7, 4);
        moveTo(w, to);
        QCOMPARE(images(w).first()->pos(), to); // the image follows the pointer
        QCOMPARE(w.view->hoverCell(), QPoint(7, 4));
        prompt.answer(QMessageBox::Ok);
        release(w, to);
        QCOMPARE(at(w, 7, 5), voice());
        QCOMPARE(at(w, 3, 2), cuelist::EmptyRecord());
        QVERIFY(w.doc.isModified() && w.doc.IsTitleRefreshDue());
        // The cursor follows to the target, which the pane describes.
        QCOMPARE(QPoint(w.view->cursorColumn(), w.view->currentIndex().row()), QPoint(7, 4));
        QCOMPARE(w.pane.text(), QStringLiteral("Repeat Times=3 /Volume=-12 /Interval=258sec. "));
        verifyDragEnded(w);

        // An empty target asks nothing.
        drag(w, to, w.cellCenter(6, 4));
        QCOMPARE(prompt.asked.size(), 2);
        QCOMPARE(at(w, 6, 5), voice());
    }

    void dragsThatMoveNothing()
    {
        GridWindow w(kWide);
        ScriptedPrompt prompt;
        PutRecord(w.doc, 3, 2, voice());
        PutRecord(w.doc, 1, 4, voice('4'));
        w.view->OnInitialUpdate();
        const QPoint source = w.cellCenter(3, 1);
        const QPoint to = w.cellCenter(7, 4);

        drag(w, source, source + QPoint(1, 1)); // back on the source cell
        drag(w, source, w.cellCenter(0, 1));    // the Channel column
        drag(w, source, QPoint(w.view->viewport()->width() + 20, source.y())); // outside
        drag(w, w.cellCenter(0, 3), to); // no drag begins in the Channel column

        startDrag(w, 3, 1);
        moveTo(w, to);
        QTest::keyClick(w.view, Qt::Key_Escape);
        verifyDragEnded(w);
        release(w, to);

        startDrag(w, 3, 1);
        QTest::mousePress(w.view->viewport(), Qt::RightButton, {}, to);
        verifyDragEnded(w);
        QTest::mouseRelease(w.view->viewport(), Qt::RightButton, {}, to);
        release(w, to);

        startDrag(w, 3, 1);
        moveTo(w, to, Qt::RightButton); // the left release went elsewhere
        verifyDragEnded(w);
        release(w, to);

        QCOMPARE(at(w, 3, 2), voice());
        QCOMPARE(at(w, 1, 4), voice('4'));
        QCOMPARE(at(w, 7, 5), cuelist::EmptyRecord());
        QVERIFY(prompt.asked.isEmpty());
        QVERIFY(!w.doc.isModified());
    }

    // Released where another window lies over the grid, the drag ends without a move.
    void releaseUnderAnotherWindowMovesNothing()
    {
        GridWindow w(QSize(780, 560));
        w.window.move(0, 0);
        ScriptedPrompt prompt;
        PutRecord(w.doc, 1, 2, voice());
        QWidget cover(&w.window);
        const QPoint target = w.cellCenter(2, 4);
        cover.setGeometry(
            QRect(w.view->viewport()->mapTo(&w.window, target) - QPoint(40, 20), QSize(80, 40)));
        cover.setAutoFillBackground(true);
        cover.show();
        cover.raise();
        QCOMPARE(QApplication::widgetAt(w.view->viewport()->mapToGlobal(target)), &cover);

        drag(w, w.cellCenter(1, 1), target);
        verifyDragEnded(w);
        QCOMPARE(at(w, 1, 2), voice());
        QVERIFY(!w.doc.isModified() && w.doc.undoStack()->count() == 0);

        // Uncovered, the same release moves the slot.
        cover.hide();
        drag(w, w.cellCenter(1, 1), target);
        QCOMPARE(at(w, 2, 5), voice());
    }

    void edgesScrollTheGrid()
    {
        GridWindow w(kWide);
        ScriptedPrompt prompt;
        PutRecord(w.doc, 3, 53, voice());
        w.click(1, 0);
        QScrollBar* bar = w.view->verticalScrollBar();
        w.cellCenter(3, 60);
        bar->setValue(50);

        startDrag(w, 3, 52);
        auto* timer = w.view->findChild<QTimer*>(QStringLiteral("dragScrollTimer"));
        QVERIFY(timer && !timer->isActive());
        const int x = w.cellCenter(5, 52).x();
        const int height = w.view->viewport()->height();
        moveTo(w, QPoint(x, 5));
        moveTo(w, QPoint(x, 8)); // moving inside the band keeps it running
        QVERIFY(timer->isActive());
        QTRY_VERIFY(bar->value() < 49);

        moveTo(w, QPoint(x, height / 2));
        QVERIFY(!timer->isActive());
        const int middle = bar->value();
        moveTo(w, QPoint(x, height - 4));
        QTRY_VERIFY(bar->value() > middle);
        QCOMPARE(images(w).first()->pos(), QPoint(x, height - 4)); // still at the pointer

        // The drop lands in the row the grid has brought under the pointer.
        moveTo(w, QPoint(x, height / 2));
        const int row = w.view->rowAt(height / 2);
        release(w, QPoint(x, height / 2));
        QCOMPARE(at(w, 5, row + 1), voice());
        QCOMPARE(at(w, 3, 53), cuelist::EmptyRecord());
        QVERIFY(!timer->isActive());
    }
};

QTEST_MAIN(TestViewDrag)
#include "tst_view_drag.moc"
