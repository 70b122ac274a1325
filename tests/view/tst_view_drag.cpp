#include "descriptionpane.h"
#include "gridwindow.h"
#include "scriptedprompt.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// Moving a slot by dragging it with the left button, driven by mouse events on the viewport.
class TestViewDrag final : public QObject
{
    Q_OBJECT

private:
    // Wide enough to show frame 7 without scrolling sideways.
    static constexpr QSize kWide{1800, 600};

    static cuelist::SlotRecord sampleRecord(const char* name)
    {
        cuelist::SlotRecord r{};
        r.fill(' ');
        r[0] = cuelist::kTypeMp3;
        for (std::size_t i = 0; name[i] && i < 8; ++i)
            r[1 + i] = std::uint8_t(name[i]);
        // volume, repeat, low and high tone, interval (big-endian), reserved
        const std::uint8_t params[] = {12, 3, 5, 7, 0x01, 0x02, 0x5A};
        std::copy(std::begin(params), std::end(params), r.begin() + 9);
        return r;
    }

    static void put(GridWindow& w, int frame, int channel, const cuelist::SlotRecord& r)
    {
        QVERIFY(w.doc.table().PutSlotRecord(frame, channel, r));
        w.view->OnUpdate();
    }

    static cuelist::SlotRecord at(GridWindow& w, int frame, int channel)
    {
        return w.doc.table().RecordAt(frame, channel);
    }

    // A movement with the left button held (QTest's own moves carry no buttons).
    static void moveTo(GridWindow& w, QPoint point, Qt::MouseButtons buttons = Qt::LeftButton)
    {
        QWidget* viewport = w.view->viewport();
        QMouseEvent move(QEvent::MouseMove, point, viewport->mapToGlobal(point), Qt::NoButton,
                         buttons, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
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
        QTest::mouseRelease(w.view->viewport(), Qt::LeftButton, {}, to);
        QApplication::processEvents();
    }

    // A window whose first release has already come.
    static void settle(GridWindow& w) { w.click(1, 0); }

    static void verifyDragEnded(GridWindow& w)
    {
        QVERIFY(!w.view->isDraggingSlot());
        QVERIFY(w.view->viewport()->findChildren<QLabel*>().isEmpty());
        QVERIFY(QWidget::mouseGrabber() != w.view->viewport());
    }

private slots:
    void movesTheWholeRecord()
    {
        GridWindow w(kWide);
        ScriptedPrompt prompt;
        QSignalSpy titleRequests(&w.doc, &CCueDoc::frameTitleUpdateRequested);
        const cuelist::SlotRecord voice = sampleRecord("VOICE01");
        put(w, 3, 2, voice);
        settle(w);

        startDrag(w, 3, 1);
        QVERIFY(w.view->isDraggingSlot());
        const auto images = w.view->viewport()->findChildren<QLabel*>();
        QCOMPARE(images.size(), 1);
        const QPoint to = w.cellCenter(7, 4);
        moveTo(w, to);
        QCOMPARE(images.first()->pos(), to); // the image follows the pointer
        QCOMPARE(w.view->hoverColumn(), 7);
        QCOMPARE(w.view->hoverRow(), 4);
        QTest::mouseRelease(w.view->viewport(), Qt::LeftButton, {}, to);

        QVERIFY(prompt.asked.isEmpty());
        QCOMPARE(at(w, 7, 5), voice);
        QCOMPARE(at(w, 3, 2), cuelist::EmptyRecord());
        QCOMPARE(w.view->model()->index(4, 7).data().toString(), QStringLiteral("VOICE01.MP3"));
        QCOMPARE(w.view->model()->index(1, 3).data().toString(), QStringLiteral(" "));
        QVERIFY(w.doc.isModified());
        QVERIFY(w.doc.IsTitleRefreshDue());
        QVERIFY(titleRequests.count() >= 1);
        // The cursor follows to the target, which the pane describes.
        QCOMPARE(w.view->cursorColumn(), 7);
        QCOMPARE(w.view->selectionMark(), 4);
        int frame = 0;
        int channel = 0;
        w.doc.GetCurrentSlot(frame, channel);
        QCOMPARE(QPoint(frame, channel), QPoint(7, 5));
        QCOMPARE(DescriptionPane::text(),
                 QStringLiteral("Repeat Times=3 /Volume=-12 /Interval=258sec. "));
        verifyDragEnded(w);
    }

    void occupiedTargetAsksFirst()
    {
        GridWindow w(kWide);
        ScriptedPrompt prompt;
        put(w, 3, 2, sampleRecord("VOICE01"));
        put(w, 7, 5, sampleRecord("VOICE02"));
        settle(w);

        prompt.answer(QMessageBox::Cancel);
        drag(w, w.cellCenter(3, 1), w.cellCenter(7, 4));
        QCOMPARE(prompt.texts(),
                 QStringList{QStringLiteral("VOICE02.MP3") + w.doc.replacePrompt()});
        QCOMPARE(prompt.asked.first().buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(at(w, 3, 2), sampleRecord("VOICE01"));
        QCOMPARE(at(w, 7, 5), sampleRecord("VOICE02"));
        QVERIFY(!w.doc.isModified());
        verifyDragEnded(w);

        prompt.answer(QMessageBox::Ok);
        drag(w, w.cellCenter(3, 1), w.cellCenter(7, 4));
        QCOMPARE(at(w, 7, 5), sampleRecord("VOICE01"));
        QCOMPARE(at(w, 3, 2), cuelist::EmptyRecord());
    }

    void releasesThatMoveNothing()
    {
        GridWindow w;
        ScriptedPrompt prompt;
        const cuelist::SlotRecord voice = sampleRecord("VOICE01");
        put(w, 3, 2, voice);

        // The first release of a new view.
        drag(w, w.cellCenter(3, 1), w.cellCenter(5, 1));
        QCOMPARE(at(w, 3, 2), voice);
        verifyDragEnded(w);

        const QPoint source = w.cellCenter(3, 1);
        drag(w, source, source + QPoint(1, 1)); // back on the source cell
        drag(w, source, w.cellCenter(0, 1));    // Channel column
        const QPoint outside(w.view->viewport()->width() + 20, source.y());
        drag(w, source, outside); // outside the viewport
        QCOMPARE(at(w, 3, 2), voice);
        for (int frame = 1; frame <= 16; ++frame)
            QVERIFY(frame == 3 || at(w, frame, 2) == cuelist::EmptyRecord());
        QVERIFY(prompt.asked.isEmpty());
        QVERIFY(!w.doc.isModified());

        // A drag never starts from the Channel column.
        put(w, 1, 4, voice);
        startDrag(w, 0, 3);
        QVERIFY(!w.view->isDraggingSlot());
        QTest::mouseRelease(w.view->viewport(), Qt::LeftButton, {}, w.cellCenter(1, 3));
        QCOMPARE(at(w, 1, 4), voice);
    }

    void stoppedDrags()
    {
        GridWindow w(kWide);
        ScriptedPrompt prompt;
        const cuelist::SlotRecord voice = sampleRecord("VOICE01");
        put(w, 3, 2, voice);
        settle(w);
        const QPoint to = w.cellCenter(7, 4);

        startDrag(w, 3, 1);
        moveTo(w, to);
        QTest::keyClick(w.view, Qt::Key_Escape);
        verifyDragEnded(w);
        QTest::mouseRelease(w.view->viewport(), Qt::LeftButton, {}, to);

        startDrag(w, 3, 1);
        QTest::mousePress(w.view->viewport(), Qt::RightButton, {}, to);
        verifyDragEnded(w);
        QTest::mouseRelease(w.view->viewport(), Qt::RightButton, {}, to);
        QTest::mouseRelease(w.view->viewport(), Qt::LeftButton, {}, to);

        // A movement with the right button alone (the left release went elsewhere).
        startDrag(w, 3, 1);
        moveTo(w, to, Qt::RightButton);
        verifyDragEnded(w);
        QTest::mouseRelease(w.view->viewport(), Qt::LeftButton, {}, to);

        QCOMPARE(at(w, 3, 2), voice);
        QCOMPARE(at(w, 7, 5), cuelist::EmptyRecord());
        QVERIFY(!w.doc.isModified());
    }

    void edgesScrollTheGrid()
    {
        GridWindow w(kWide);
        ScriptedPrompt prompt;
        const cuelist::SlotRecord voice = sampleRecord("VOICE01");
        put(w, 3, 53, voice);
        settle(w);
        QScrollBar* bar = w.view->verticalScrollBar();
        w.cellCenter(3, 60);
        bar->setValue(50);
        QApplication::processEvents();

        startDrag(w, 3, 52);
        auto* timer = w.view->findChild<QTimer*>(QStringLiteral("dragScrollTimer"));
        QVERIFY(timer);
        QVERIFY(!timer->isActive());
        const int x = w.cellCenter(5, 52).x();
        const int height = w.view->viewport()->height();
        moveTo(w, QPoint(x, 5));
        QVERIFY(timer->isActive());
        moveTo(w, QPoint(x, 8)); // moving inside the band keeps it running
        QVERIFY(timer->isActive());
        QTRY_VERIFY(bar->value() < 49);

        moveTo(w, QPoint(x, height / 2));
        QVERIFY(!timer->isActive());
        const int middle = bar->value();
        moveTo(w, QPoint(x, height - 4));
        QTRY_VERIFY(bar->value() > middle);
        const auto images = w.view->viewport()->findChildren<QLabel*>();
        QCOMPARE(images.size(), 1);
        QCOMPARE(images.first()->pos(), QPoint(x, height - 4)); // still at the pointer

        // The drop lands in the row the grid has brought under the pointer.
        moveTo(w, QPoint(x, height / 2));
        QVERIFY(!timer->isActive());
        const int row = w.view->rowAt(height / 2);
        QTest::mouseRelease(w.view->viewport(), Qt::LeftButton, {}, QPoint(x, height / 2));
        QCOMPARE(at(w, 5, row + 1), voice);
        QCOMPARE(at(w, 3, 53), cuelist::EmptyRecord());
        QVERIFY(!timer->isActive());
        verifyDragEnded(w);
    }

    void hoverCell()
    {
        GridWindow w;
        w.cellCenter(0, 0);
        w.view->updateHoverCell(w.cellCenter(0, 2));
        QCOMPARE(QPoint(w.view->hoverColumn(), w.view->hoverRow()), QPoint(0, 2));
        w.view->updateHoverCell(
            QPoint(w.view->columnViewportPosition(16) + w.view->columnWidth(16) + 3,
                   w.cellCenter(0, 2).y()));
        QCOMPARE(w.view->hoverColumn(), 17);
        w.view->updateHoverCell(QPoint(10, -5)); // over no row
        QCOMPARE(QPoint(w.view->hoverColumn(), w.view->hoverRow()), QPoint(-1, -1));

        // Movements without a button keep it too.
        const QPoint point = w.cellCenter(2, 3);
        moveTo(w, point, Qt::NoButton);
        QCOMPARE(QPoint(w.view->hoverColumn(), w.view->hoverRow()), QPoint(2, 3));
    }
};

QTEST_MAIN(TestViewDrag)
#include "tst_view_drag.moc"
