// SPDX-License-Identifier: GPL-3.0-or-later
#include "cuegridmodel.h"
#include "gridmetrics.h"
#include "gridwindow.h"
#include "gridzoom.h"
#include "scriptedprompt.h"
#include "slotfinder.h"
#include "zoomcommands.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

// The grid at other sizes: zoom steps and their layout, Fit All Frames, Ctrl+wheel, and
// finding the slots that use a file.
class TestViewZoom final : public QObject
{
    Q_OBJECT

private:
    // True when every phrase column shows its widest possible name in full, mark included.
    static bool namesFit(const GridWindow& w)
    {
        const GridScale& scale = w.view->sizer()->gridScale();
        const QFontMetrics metrics(w.view->font());
        for (int column = 1; column <= 16; ++column) {
            bool shortened = true;
            FitCellText(metrics, QStringLiteral("MMMMMMMM.MP3"),
                        w.view->columnWidth(column) - scale.markSpace - 2 * scale.textInset,
                        scale.fitMargin, &shortened);
            if (shortened)
                return false;
        }
        return true;
    }
    static int layoutWidth(const GridWindow& w) { return w.view->horizontalHeader()->length(); }
    static bool cellVisible(const GridWindow& w, int column, int row)
    {
        const QRect cell(w.view->columnViewportPosition(column), w.view->rowViewportPosition(row),
                         w.view->columnWidth(column), w.view->rowHeight(row));
        return w.view->viewport()->rect().contains(cell);
    }

private slots:
    void stepsAreOrderedAndBounded()
    {
        int percent = GridZoom::kActual;
        while (GridZoom::stepOut(percent) < percent) {
            QVERIFY(GridZoom::stepIn(GridZoom::stepOut(percent)) == percent);
            percent = GridZoom::stepOut(percent);
        }
        QCOMPARE(percent, GridZoom::kMinimum);
        QCOMPARE(GridZoom::stepIn(GridZoom::kMaximum), GridZoom::kMaximum);
        QCOMPARE(GridZoom::stepIn(97), 100); // from a fitted zoom to the next step
        QCOMPARE(GridZoom::stepOut(97), 90);
        // The search gives the largest fitting level, and the smallest when none fits.
        const auto linear = [](int level) { return level * 10; };
        QCOMPARE(GridZoom::fitting(linear, 555), 55);
        QCOMPARE(GridZoom::fitting(linear, 100), GridZoom::kMinimum);
        QCOMPARE(GridZoom::fitting(linear, 1000000), GridZoom::kMaximum);
    }

    void everythingScalesAndNamesStayWhole_data()
    {
        QTest::addColumn<int>("percent");
        for (int percent : {GridZoom::kMinimum, 33, 49, 50, 80, 150, GridZoom::kMaximum})
            QTest::newRow(qPrintable(QString::number(percent))) << percent;
    }
    void everythingScalesAndNamesStayWhole()
    {
        QFETCH(int, percent);
        GridWindow w;
        w.putMp3(1, 1, "MMMMMMMM.MP3");
        const int actualRow = w.view->rowHeight(0);
        const int actualColumn = w.view->columnWidth(1);
        const int actualPixels = w.view->font().pixelSize();
        const int actualMark = w.view->sizer()->gridScale().markSpace;

        w.view->sizer()->setZoom(percent);
        QCOMPARE(w.view->sizer()->zoom(), percent);
        const bool larger = percent > 100;
        QCOMPARE(w.view->font().pixelSize() > actualPixels, larger);
        QCOMPARE(w.view->horizontalHeader()->font(), w.view->font());
        QCOMPARE(w.view->rowHeight(0) > actualRow, larger);
        QCOMPARE(w.view->columnWidth(1) > actualColumn, larger);
        QCOMPARE(w.view->sizer()->gridScale().markSpace > actualMark, larger);
        QCOMPARE(w.view->rowHeight(5), GridRowHeight(QFontMetrics(w.view->font()),
                                                     w.view->sizer()->gridScale().extraRowHeight));
        QVERIFY(namesFit(w));
        QCOMPARE(w.view->horizontalHeader()->sectionSize(0),
                 w.view->horizontalHeader()->sectionSizeHint(0));

        w.view->sizer()->setZoom(GridZoom::kActual);
        QCOMPARE(w.view->rowHeight(0), actualRow);
        QCOMPARE(w.view->columnWidth(1), actualColumn);
    }

    void userWidthsScaleWithTheZoom()
    {
        GridWindow w;
        QList<int> widths = w.view->sizer()->columnWidths();
        const int minimum = widths[4];
        widths[4] += 100;
        w.view->sizer()->setColumnWidths(widths);
        w.view->sizer()->setZoom(50);
        QCOMPARE(w.view->columnWidth(4), w.view->sizer()->minimumColumnWidth(4) + 50);
        // What the user sets at a zoom is kept as its actual-size width.
        QSignalSpy resized(w.view->sizer(), &GridSizer::columnWidthsChanged);
        w.view->horizontalHeader()->resizeSection(4, w.view->sizer()->minimumColumnWidth(4) + 10);
        QCOMPARE(resized.count(), 1);
        QCOMPARE(w.view->sizer()->columnWidths()[4], minimum + 20);
        QSignalSpy zoomed(w.view->sizer(), &GridSizer::zoomChanged);
        w.view->sizer()->setZoom(GridZoom::kActual);
        QCOMPARE(zoomed.count(), 1);
        QCOMPARE(w.view->columnWidth(4), minimum + 20);
    }

    void fitAllFramesShowsSixteenFrames_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("wideUserColumns");
        QTest::newRow("1024") << 1024 << false;
        QTest::newRow("1024, widened columns") << 1024 << true;
        QTest::newRow("1920") << 1920 << false;
    }
    void fitAllFramesShowsSixteenFrames()
    {
        QFETCH(int, width);
        QFETCH(bool, wideUserColumns);
        GridWindow w(QSize(width, 720));
        w.putMp3(16, 127, "MMMMMMMM.MP3");
        if (wideUserColumns) {
            QList<int> widths = w.view->sizer()->columnWidths();
            for (int column = 1; column <= 16; ++column)
                widths[column] += 400;
            w.view->sizer()->setColumnWidths(widths);
        }
        w.click(3, 2);
        ZoomCommands zoom(w.view);
        zoom.runCommand(ID_VIEW_ZOOM_FIT);
        QApplication::processEvents();
        QVERIFY2(
            layoutWidth(w) <= w.view->viewport()->width(),
            qPrintable(
                QStringLiteral("%1 > %2").arg(layoutWidth(w)).arg(w.view->viewport()->width())));
        QCOMPARE(w.view->horizontalScrollBar()->maximum(), 0);
        QVERIFY(namesFit(w));
        // The largest such zoom: one more percent would not fit.
        if (w.view->sizer()->zoom() < GridZoom::kMaximum)
            QVERIFY(w.view->sizer()->layoutWidthAt(w.view->sizer()->zoom() + 1) >
                    w.view->viewport()->width());
        QVERIFY(cellVisible(w, 3, 2));
    }

    void commandsAndWheelStepTheZoom()
    {
        GridWindow w(QSize(1024, 720));
        ZoomCommands zoom(w.view);
        QVERIFY(zoom.handlesCommand(ID_VIEW_ZOOM_IN));
        QVERIFY(!zoom.commandState(ID_VIEW_ZOOM_ACTUAL)->enabled);
        zoom.runCommand(ID_VIEW_ZOOM_OUT);
        QCOMPARE(w.view->sizer()->zoom(), GridZoom::stepOut(100));
        QVERIFY(zoom.commandState(ID_VIEW_ZOOM_ACTUAL)->enabled);
        zoom.runCommand(ID_VIEW_ZOOM_ACTUAL);
        QCOMPARE(w.view->sizer()->zoom(), 100);

        // Ctrl+wheel steps per notch, with fine-grained turns added up; a plain wheel scrolls.
        const auto wheel = [&](int angle, Qt::KeyboardModifiers modifiers) {
            const QPointF at(50, 50);
            QWheelEvent event(at, w.view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, angle),
                              Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(w.view->viewport(), &event);
        };
        wheel(120, Qt::ControlModifier);
        QCOMPARE(w.view->sizer()->zoom(), GridZoom::stepIn(100));
        wheel(-60, Qt::ControlModifier);
        QCOMPARE(w.view->sizer()->zoom(), GridZoom::stepIn(100));
        wheel(-60, Qt::ControlModifier);
        QCOMPARE(w.view->sizer()->zoom(), 100);
        const int top = w.view->verticalScrollBar()->value();
        wheel(-120, Qt::NoModifier);
        QCOMPARE(w.view->sizer()->zoom(), 100);
        QVERIFY(w.view->verticalScrollBar()->value() > top);
    }

    void zoomKeepsTheCursorCellInView()
    {
        GridWindow w(QSize(1024, 720));
        w.view->sizer()->setZoom(GridZoom::kMinimum);
        w.view->moveCursorTo(16, 120);
        w.view->EnsureColumnVisible(16);
        QVERIFY(cellVisible(w, 16, 120));
        w.view->sizer()->setZoom(GridZoom::kMaximum);
        QApplication::processEvents();
        QVERIFY(cellVisible(w, 16, 120));
    }

    void findVisitsEachSlotInTurn()
    {
        ScriptedPrompt script;
        GridWindow w(QSize(1024, 720));
        w.putMp3(5, 3, "VOICE01.MP3");
        w.putMp3(2, 1, "VOICE02.MP3");
        w.putMp3(1, 40, "BELL.MP3");
        w.putMp3(16, 127, "XVOICE.MP3");
        SlotFinder finder(w.view);
        finder.setQuery(QStringLiteral(" voice "));
        QCOMPARE(finder.matches(), (QList<QPoint>{QPoint(2, 1), QPoint(5, 3), QPoint(16, 127)}));

        w.click(3, 1); // after the first match: the next is on channel 3
        QVERIFY(finder.findNext());
        QCOMPARE(w.view->cursorColumn(), 5);
        QCOMPARE(w.view->activeChannel(), 3);
        QVERIFY(finder.message().startsWith(QStringLiteral("2 of 3")));
        QCOMPARE(w.window.statusBar()->currentMessage(), finder.message());
        QVERIFY(finder.findNext());
        QVERIFY(finder.message().startsWith(QStringLiteral("3 of 3")));
        QVERIFY(cellVisible(w, 16, 126));
        QVERIFY(finder.findNext()); // past the end: back to the first
        QVERIFY(finder.message().startsWith(QStringLiteral("1 of 3")));
        QVERIFY(finder.findPrevious()); // before the first: the last
        QCOMPARE(w.view->activeChannel(), 127);
        QCOMPARE(script.asked.size(), 0);

        // The keys ask for a text while there is none; a text used nowhere is told.
        finder.setQuery(QStringLiteral("NOWHERE"));
        QVERIFY(!finder.findNext());
        QCOMPARE(script.asked.size(), 1);
        QVERIFY(script.asked.last().text.contains(QStringLiteral("NOWHERE")));
        QCOMPARE(w.view->activeChannel(), 127);
    }
};

QTEST_MAIN(TestViewZoom)
#include "tst_view_zoom.moc"
