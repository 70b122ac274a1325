#include "cuegriddelegate.h"
#include "gridmetrics.h"
#include "gridwindow.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTranslator>

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
        for (int column = 0; column < 17; ++column)
            QCOMPARE(header->sectionSize(column), header->sectionSizeHint(column));
        QVERIFY(header->sectionSize(1) > header->sectionSize(0));
        QVERIFY(w.view->showGrid());
    }

    void cellsFollowTheDocument()
    {
        GridWindow w;
        w.putMp3(3, 2, "voice01.mp3");
        QCOMPARE(w.view->model()->index(1, 3).data().toString(), QStringLiteral("VOICE01.MP3"));
        w.doc.table().SetSlotFile(3, 2, " ");
        w.view->OnUpdate();
        QCOMPARE(w.view->model()->index(1, 3).data().toString(), QStringLiteral(" "));
    }

    void japaneseTitles()
    {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/cuelist_view_ja.qm")));
        QCoreApplication::installTranslator(&translator);
        GridWindow w;
        QCOMPARE(w.view->model()->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("    設定枠01    "));
        QCOMPARE(w.view->model()->headerData(12, Qt::Horizontal).toString(),
                 QStringLiteral("    設定枠12    "));
        QCoreApplication::removeTranslator(&translator);
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

    void textFitting_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("extraWidth"); // width = advance(text) + margin + extraWidth
        QTest::addColumn<bool>("shortened");
        QTest::newRow("empty") << QString() << -100 << false;
        QTest::newRow("exact fit") << QStringLiteral("VOICE01.MP3") << 0 << false;
        QTest::newRow("one pixel short") << QStringLiteral("VOICE01.MP3") << -1 << true;
        QTest::newRow("far too narrow") << QStringLiteral("VOICE01.MP3") << -1000 << true;
        QTest::newRow("single character") << QStringLiteral("W") << -1 << true;
    }

    void textFitting()
    {
        QFETCH(QString, text);
        QFETCH(int, extraWidth);
        QFETCH(bool, shortened);
        QFont font = QApplication::font();
        font.setPixelSize(24);
        const QFontMetrics metrics(font);
        const int width = metrics.horizontalAdvance(text) + 4 + extraWidth;
        bool wasShortened = false;
        const QString fitted = FitCellText(metrics, text, width, 4, &wasShortened);
        QCOMPARE(wasShortened, shortened);
        if (!shortened) {
            QCOMPARE(fitted, text);
            return;
        }
        QVERIFY(fitted.endsWith(QStringLiteral("...")));
        const QString kept = fitted.chopped(3);
        QVERIFY(!kept.isEmpty());
        QVERIFY(text.startsWith(kept));
        // The longest prefix that fits is kept, down to one character.
        const int ellipsis = metrics.horizontalAdvance(QStringLiteral("..."));
        if (kept.size() > 1)
            QVERIFY(metrics.horizontalAdvance(kept) + 4 + ellipsis <= width);
        if (kept.size() < text.size() - 1)
            QVERIFY(metrics.horizontalAdvance(text.left(kept.size() + 1)) + 4 + ellipsis > width);
    }

    void shortenedTextIsLeftAligned()
    {
        GridWindow w;
        w.putMp3(1, 1, "ABCDEFGH.MP3");
        w.view->setColumnWidth(1, 60);
        w.view->viewport()->repaint();
        const QImage image = w.view->viewport()->grab().toImage();
        const QColor base = w.view->palette().color(QPalette::Base);
        // Ink starts within a few pixels of the cell's left edge.
        const int left = w.view->columnViewportPosition(1);
        bool ink = false;
        for (int x = left + 2; x < left + 10 && !ink; ++x)
            for (int y = w.view->rowViewportPosition(0); y < w.view->rowHeight(0); ++y)
                ink = ink || image.pixelColor(QPoint(x, y) * image.devicePixelRatio()) != base;
        QVERIFY(ink);
    }

    void thumbQuantisation()
    {
        QVERIFY(AcceptsThumbPosition(0, 500));
        QVERIFY(AcceptsThumbPosition(16, 500));
        QVERIFY(AcceptsThumbPosition(500, 500));
        QVERIFY(!AcceptsThumbPosition(5, 500));
        QVERIFY(!AcceptsThumbPosition(499, 500));

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
