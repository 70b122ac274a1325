// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetcontent.h"
#include "sheetlayout.h"
#include "sheetpainter.h"
#include "sheetpdf.h"
#include "text/messages.h"

#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QtTest>

using namespace cuelist;
using namespace cuelist::sheet;

namespace {

constexpr double kDpi = 600;
constexpr double kTolerance = 0.5;

// Every slot of channels first..last from frame 1 to lastFrame, with the widest names a slot
// can hold, so that every cell is as full as it gets.
SlotTable FullTable(int first, int last, int lastFrame)
{
    SlotTable table;
    for (int channel = first; channel <= last; ++channel)
        for (int frame = 1; frame <= lastFrame; ++frame) {
            const std::string name = "WWWWW" + std::to_string(100 + frame) + ".MP3";
            table.SetSlotFile(frame, channel, name);
            table.SetSlotVolumeOrSpeed(frame, channel, 70);
            table.SetSlotRepeat(frame, channel, 254);
            table.SetSlotInterval(frame, channel, 3600);
        }
    return table;
}

SheetSource SourceOf(const SlotTable& table)
{
    SheetSource source;
    source.table = &table;
    source.title = QStringLiteral("a very long playlist name that goes on and on.slp");
    source.playlistPath = QStringLiteral("/home/user/shows/") + QString(200, u'x') + ".slp";
    source.lastSaved = QDateTime(QDate(2026, 12, 7), QTime(21, 30));
    source.totalKb = 123456789;
    source.dataFolderKnown = true;
    source.durationOf = [](const std::string&) { return std::optional<std::int64_t>(3599000); };
    return source;
}

QSizeF AreaOf(const QPageLayout& layout)
{
    return layout.paintRectPixels(int(kDpi)).size();
}

bool Inside(const QRectF& outer, const QRectF& inner)
{
    return inner.left() >= outer.left() - kTolerance && inner.top() >= outer.top() - kTolerance &&
           inner.right() <= outer.right() + kTolerance &&
           inner.bottom() <= outer.bottom() + kTolerance;
}

} // namespace

class SheetLayoutTest final : public QObject
{
    Q_OBJECT

private slots:
    void layoutRules_data()
    {
        QTest::addColumn<int>("lastFrame");
        QTest::addColumn<bool>("loudness");
        QTest::addColumn<QPageLayout>("page");
        QTest::addColumn<bool>("stops");
        const QPageLayout a4 = SheetPageLayout(QPageSize(QPageSize::A4));
        const QPageLayout letter = SheetPageLayout(QPageSize(QPageSize::Letter));
        const QPageLayout a5Portrait(QPageSize(QPageSize::A5), QPageLayout::Portrait,
                                     QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        QTest::newRow("A4, 16 frames") << 16 << false << a4 << false;
        QTest::newRow("Letter, 16 frames, loudness") << 16 << true << letter << false;
        QTest::newRow("A4, frames 1-8") << 8 << false << a4 << false;
        QTest::newRow("A5 portrait, 16 frames, loudness") << 16 << true << a5Portrait << false;
        QTest::newRow("A4, an unplayable file") << 16 << false << a4 << true;
    }

    // Every channel lands on exactly one page, whole and in order; each page holds as many
    // rows as fit; every text fits its box and none overlaps another, and none in a row is
    // cut short.
    void layoutRules()
    {
        QFETCH(int, lastFrame);
        QFETCH(bool, loudness);
        QFETCH(QPageLayout, page);
        QFETCH(bool, stops);
        const SlotTable table = FullTable(1, kEditableChannelCount, lastFrame);
        SheetSource source = SourceOf(table);
        if (loudness)
            source.loudnessOf = [](int, int) { return std::optional<double>(-123.4); };
        if (stops)
            source.durationOf = [](const std::string& name) {
                return std::optional<std::int64_t>(name == "WWWWW115.MP3" ? kUnplayable : 3599000);
            };
        const SheetContent content = BuildSheetContent(source);
        if (stops) {
            QCOMPARE(content.rows.front().stopFrame, 15);
            QVERIFY(content.rows.front().cells[14].timing.endsWith(QStringLiteral("Len. ?")));
        }
        QCOMPARE(content.hasLoudness, loudness);
        const QSizeF area = AreaOf(page);
        const SheetLayout layout = LayOutSheet(content, area, kDpi);
        const SheetStyle style(layout.dpi, layout.scale);
        QVERIFY(layout.pages.size() > 1);
        const QRectF page0(QPointF(0, 0), area);
        QVERIFY(Inside(page0, layout.body));

        std::vector<int> channels;
        const double rowHeight = layout.pages.front().rows.front().height();
        for (std::size_t p = 0; p < layout.pages.size(); ++p) {
            const SheetPage& sheetPage = layout.pages[p];
            QCOMPARE(sheetPage.rows.size(), sheetPage.channels.size());
            double y = layout.body.top();
            for (const QRectF& row : sheetPage.rows) {
                QVERIFY(Inside(layout.body, row));
                QVERIFY(row.top() >= y - kTolerance);
                y = row.bottom();
            }
            channels.insert(channels.end(), sheetPage.channels.begin(), sheetPage.channels.end());
            // The next page's first row would not have fitted here.
            if (p + 1 < layout.pages.size())
                QVERIFY2(y + rowHeight > layout.body.bottom(), qPrintable(QString::number(p)));

            bool numbered = false;
            for (std::size_t i = 0; i < sheetPage.texts.size(); ++i) {
                const PlacedText& text = sheetPage.texts[i];
                QVERIFY(!text.text.isEmpty());
                QVERIFY2(Inside(page0, text.rect), qPrintable(text.text));
                QVERIFY2(style.width(text.role, text.text) <= text.rect.width() + kTolerance,
                         qPrintable(text.text));
                QVERIFY2(style.lineHeight(text.role) <= text.rect.height() + kTolerance,
                         qPrintable(text.text));
                const bool inRow =
                    std::any_of(sheetPage.rows.begin(), sheetPage.rows.end(),
                                [&](const QRectF& row) { return Inside(row, text.rect); });
                QVERIFY2(!inRow || !text.text.contains(QChar(0x2026)), qPrintable(text.text));
                numbered = numbered ||
                           text.text ==
                               QStringLiteral("Page %1 of %2").arg(p + 1).arg(layout.pages.size());
                for (std::size_t j = i + 1; j < sheetPage.texts.size(); ++j) {
                    const QRectF common = text.rect.intersected(sheetPage.texts[j].rect);
                    QVERIFY2(common.width() <= kTolerance || common.height() <= kTolerance,
                             qPrintable(text.text + " / " + sheetPage.texts[j].text));
                }
            }
            QVERIFY(numbered);
        }
        std::vector<int> expected(kEditableChannelCount);
        std::iota(expected.begin(), expected.end(), 1);
        QCOMPARE(channels, expected);
    }

    // What a cell and a row say: missing files, bands, play times and the loudness column.
    void contents()
    {
        SlotTable table;
        table.SetSlotFile(12, 3, "late.mp3");
        table.SetSlotFile(1, 5, "here.mp3");
        table.SetSlotFile(2, 5, "gone.mp3");
        table.SetSlotFile(3, 5, "loop.mp3");
        table.SetSlotRepeat(3, 5, 255);
        table.SetSlotFile(1, 9, "unknown.mp3");
        SheetSource source;
        source.table = &table;
        source.dataFolderKnown = true;
        source.missing = {"GONE.MP3"};
        source.durationOf = [](const std::string& name) -> std::optional<std::int64_t> {
            if (name == "UNKNOWN.MP3")
                return std::nullopt;
            return 61000;
        };

        SheetContent content = BuildSheetContent(source);
        QCOMPARE(content.rows.size(), std::size_t(3));
        const SheetRow& late = content.rows[0];
        QCOMPARE(late.number, QStringLiteral("0003"));
        QVERIFY(!late.firstBand && late.secondBand);
        QCOMPARE(late.cells[11].name, QStringLiteral("LATE.MP3"));
        QVERIFY(!late.cells[0].used);

        const SheetRow& five = content.rows[1];
        QVERIFY(five.firstBand && !five.secondBand);
        QVERIFY(!five.cells[0].missing);
        QVERIFY(five.cells[0].timing.contains(QStringLiteral("1:01")));
        QVERIFY(five.cells[1].missing);
        QVERIFY(five.cells[1].timing.contains(QStringLiteral("missing")));
        QVERIFY(five.cells[2].settings.contains(QStringLiteral("\u221e")));
        QCOMPARE(five.playTime, QStringLiteral("\u221e"));
        QCOMPARE(content.rows[2].playTime, QStringLiteral("?"));
        QVERIFY(!content.hasLoudness);
        QVERIFY(content.details.contains(QStringLiteral("Channels in use: 3")));

        // Without a known data folder nothing can be called missing.
        source.dataFolderKnown = false;
        source.loudnessOf = [](int frame, int channel) -> std::optional<double> {
            return frame == 1 && channel == 5 ? std::optional(-16.04) : std::nullopt;
        };
        content = BuildSheetContent(source);
        QVERIFY(!content.rows[1].cells[1].missing);
        QVERIFY(content.hasLoudness);
        QCOMPARE(content.rows[1].cells[0].loudness, QStringLiteral("-16.0 LUFS"));
        QVERIFY(content.rows[1].cells[2].loudness.isEmpty());
    }

    void emptyPlaylistStillHasAPage()
    {
        const SlotTable table;
        SheetSource source = SourceOf(table);
        const SheetLayout layout = LayOutSheet(
            BuildSheetContent(source), AreaOf(SheetPageLayout(QPageSize(QPageSize::A4))), kDpi);
        QCOMPARE(layout.pages.size(), std::size_t(1));
        QVERIFY(layout.pages.front().channels.empty());
    }

    // The PDF has the pages of the layout on landscape paper, and in Japanese the CJK font
    // that prints the texts is embedded.
    void pdfInJapanese()
    {
        text::InstallTranslations(*QCoreApplication::instance(), QLocale(QLocale::Japanese));
        const SlotTable table = FullTable(1, 20, 16);
        const SheetContent content = BuildSheetContent(SourceOf(table));
        text::InstallTranslations(*QCoreApplication::instance(), QLocale(QLocale::English));
        QVERIFY(content.legend.contains(QStringLiteral("間隔")));

        const QByteArray pdf = SheetPdf(content, QPageSize(QPageSize::Letter));
        QVERIFY(pdf.startsWith("%PDF-"));
        const QPageLayout letter = SheetPageLayout(QPageSize(QPageSize::Letter));
        const SheetLayout layout = LayOutSheet(content, letter.paintRectPixels(600).size(), 600);
        QCOMPARE(pdf.count("/Type /Page\n"), qsizetype(layout.pages.size()));
        QVERIFY(pdf.contains("/MediaBox [0 0 792.000000 612.000000]"));
        QVERIFY(pdf.contains("/FontFile2"));
        QVERIFY(pdf.contains("NotoSansCJKjp"));
    }
};

QTEST_MAIN(SheetLayoutTest)
#include "tst_sheet_layout.moc"
