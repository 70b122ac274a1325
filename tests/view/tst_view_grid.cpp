// SPDX-License-Identifier: GPL-3.0-or-later
#include "cuegriddelegate.h"
#include "gridmetrics.h"
#include "gridwindow.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

// Layout and painting of the grid: rows, columns, font, cell texts, the cursor cell,
// text fitting and the quantised thumb.
class TestViewGrid final : public QObject
{
    Q_OBJECT

private:
    static QColor pixelInCell(GridWindow& w, int column, int row)
    {
        const QImage image = w.view->viewport()->grab().toImage();
        const QPoint corner(w.view->columnViewportPosition(column) + 8,
                            w.view->rowViewportPosition(row) + 8);
        return image.pixelColor(corner * image.devicePixelRatio());
    }

private slots:
    void freshGridLayout()
    {
        GridWindow w;
        QAbstractItemModel* model = w.view->model();
        QCOMPARE(model->rowCount(), 127);
        QCOMPARE(model->columnCount(), 17);
        QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("0001"));
        QCOMPARE(model->index(126, 0).data().toString(), QStringLiteral("0127"));
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Channel"));
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("     Phrase01     "));
        QCOMPARE(model->headerData(16, Qt::Horizontal).toString(),
                 QStringLiteral("     Phrase16     "));
        for (int row : {0, 126})
            for (int column : {1, 16})
                QCOMPARE(model->index(row, column).data().toString(), QStringLiteral(" "));

        QCOMPARE(w.view->font().pixelSize(), 24);
        const QFontMetrics metrics(w.view->font());
        QCOMPARE(w.view->rowHeight(0), 20 + metrics.height() + std::max(0, metrics.leading()));
        QHeaderView* header = w.view->horizontalHeader();
        QCOMPARE(header->sectionSize(0), header->sectionSizeHint(0));
        QVERIFY(header->sectionSize(1) > header->sectionSize(0));
        QVERIFY(w.view->showGrid());

        w.putMp3(3, 2, "voice01.mp3");
        QCOMPARE(model->index(1, 3).data().toString(), QStringLiteral("VOICE01.MP3"));
    }

    void cursorCellPainting()
    {
        GridWindow w;
        const QColor red = CueGridDelegate::cursorCellColor();
        const QColor highlight = w.view->palette().color(QPalette::Highlight);
        const QColor base = w.view->palette().color(QPalette::Base);

        w.click(2, 4); // an empty slot still gets the red cell
        QCOMPARE(w.view->activeChannel(), 5);
        QCOMPARE(pixelInCell(w, 2, 4), red);
        QCOMPARE(pixelInCell(w, 3, 4), highlight);
        QCOMPARE(pixelInCell(w, 2, 5), base);

        w.click(0, 6); // Channel column: highlighted row, no red cell
        QCOMPARE(w.view->activeChannel(), 7);
        for (int column = 0; column < 4; ++column)
            QCOMPARE(pixelInCell(w, column, 6), highlight);

        // Without the focus the selected row is an ordinary row; the channel stays.
        auto* other = new QLineEdit(&w.window);
        other->show();
        other->setFocus();
        QApplication::processEvents();
        QVERIFY(!w.view->hasFocus());
        QCOMPARE(pixelInCell(w, 0, 6), base);
        QCOMPARE(w.view->activeChannel(), 7);
    }

    void textFitting()
    {
        QFont font = QApplication::font();
        font.setPixelSize(24);
        const QFontMetrics m(font);
        const QString text = QStringLiteral("VOICE01.MP3");
        const int fits = m.horizontalAdvance(text) + 4;
        bool shortened = true;
        QCOMPARE(FitCellText(m, text, fits, 4, &shortened), text);
        QVERIFY(!shortened);
        QCOMPARE(FitCellText(m, QString(), 0, 4), QString());

        // One pixel less: the longest prefix that leaves room for "..." and the margin.
        const QString cut = FitCellText(m, text, fits - 1, 4, &shortened);
        QVERIFY(shortened);
        QVERIFY(cut.endsWith(QStringLiteral("...")));
        const int kept = int(cut.size()) - 3;
        const int ellipsis = m.horizontalAdvance(QStringLiteral("..."));
        QVERIFY(m.horizontalAdvance(text.left(kept)) + 4 + ellipsis <= fits - 1);
        QVERIFY(m.horizontalAdvance(text.left(kept + 1)) + 4 + ellipsis > fits - 1);
        QCOMPARE(cut.left(kept), text.left(kept));

        // Never fewer than one character.
        QCOMPARE(FitCellText(m, text, 1, 4), QStringLiteral("V..."));
        QCOMPARE(FitCellText(m, QStringLiteral("W"), 1, 4), QStringLiteral("W..."));
    }

    void thumbQuantisation()
    {
        GridWindow w(QSize(700, 500));
        QScrollBar* bar = w.view->horizontalScrollBar();
        QVERIFY(bar->maximum() > 40);
        bar->setSliderDown(true);
        bar->setSliderPosition(5);
        QCOMPARE(bar->value(), 0);
        bar->setSliderPosition(32);
        QCOMPARE(bar->value(), 32);
        bar->setSliderPosition(37);
        QCOMPARE(bar->value(), 32);
        bar->setSliderPosition(bar->maximum());
        QCOMPARE(bar->value(), bar->maximum());
        bar->setSliderDown(false);
        bar->setValue(37); // only thumb dragging is quantised
        QCOMPARE(bar->value(), 37);
    }
};

QTEST_MAIN(TestViewGrid)
#include "tst_view_grid.moc"
