// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetlayout.h"

#include <algorithm>
#include <cmath>

namespace cuelist::sheet {

namespace {

constexpr int kBandFrames = kFrameCount / 2;
constexpr double kSmallestScale = 0.3;

// The sizes every row shares at one scale.
struct Grid
{
    double pad = 0;
    double headerHeight = 0;
    double columnHeaderHeight = 0;
    double footerHeight = 0;
    double bandHeight = 0;
    double channelHeight = 0;
    double channelWidth = 0;
    double cellWidth = 0;
    int detailLines = 2;

    double rowHeight(const SheetRow& row) const
    {
        return std::max(row.bands() * bandHeight, channelHeight);
    }
};

// Where a channel's preview stops, in place of the "Play time" label.
QString StopText(int frame)
{
    return SheetText::tr("Stops at %1").arg(frame, 2, 10, QLatin1Char('0'));
}

Grid MeasureGrid(const SheetContent& content, const SheetStyle& style, const QSizeF& area)
{
    Grid g;
    g.pad = style.points(2);
    g.detailLines = content.hasLoudness ? 3 : 2;
    g.headerHeight =
        style.lineHeight(TextRole::Title) + 2 * style.lineHeight(TextRole::Info) + style.points(4);
    g.columnHeaderHeight = style.lineHeight(TextRole::ColumnHeader) + 2 * g.pad;
    g.footerHeight = style.lineHeight(TextRole::Legend) + style.points(3);
    g.bandHeight = 2 * g.pad + style.lineHeight(TextRole::Name) +
                   g.detailLines * style.lineHeight(TextRole::Detail);
    g.channelHeight =
        2 * g.pad + style.lineHeight(TextRole::Channel) +
        std::max(style.lineHeight(TextRole::Detail), style.lineHeight(TextRole::Missing)) +
        style.lineHeight(TextRole::PlayTime);
    double widest = std::max({style.width(TextRole::Channel, QStringLiteral("0000")),
                              style.width(TextRole::PlayTime, QStringLiteral("\u2265 00:00:00")),
                              style.width(TextRole::ColumnHeader, SheetText::tr("Channel")),
                              style.width(TextRole::Detail, SheetText::tr("Play time")),
                              style.width(TextRole::Missing, StopText(0))});
    // Hundreds of repeats of long files take hours past 99.
    for (const SheetRow& row : content.rows)
        widest = std::max(widest, style.width(TextRole::PlayTime, row.playTime));
    g.channelWidth = std::ceil(widest + 2 * g.pad);
    g.cellWidth = std::floor((area.width() - g.channelWidth) / kBandFrames);
    return g;
}

// Whether the tallest row fits a page and a whole name fits a cell.
bool Fits(const Grid& g, const SheetStyle& style, const QSizeF& area)
{
    const double body = area.height() - g.headerHeight - g.columnHeaderHeight - g.footerHeight;
    const double name = style.width(TextRole::Frame, QStringLiteral("00 ")) +
                        style.width(TextRole::Name, QStringLiteral("WWWWWWWW.MP3"));
    return std::max(2 * g.bandHeight, g.channelHeight) <= body && name + 2 * g.pad <= g.cellWidth;
}

class PageBuilder
{
public:
    PageBuilder(const SheetContent& content, const SheetStyle& style, const Grid& grid,
                const QSizeF& area)
        : m_content(content), m_style(style), m_g(grid), m_area(area)
    {
    }

    QRectF body() const
    {
        const double top = m_g.headerHeight + m_g.columnHeaderHeight;
        return {0, top, m_area.width(), m_area.height() - top - m_g.footerHeight};
    }

    void text(SheetPage& page, const QRectF& rect, const QString& s, TextRole role,
              Qt::TextElideMode mode = Qt::ElideRight,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
    {
        if (s.isEmpty())
            return;
        const QString shown = m_style.elided(role, s, rect.width(), mode);
        if (!shown.isEmpty())
            page.texts.push_back({rect, shown, role, align});
    }

    SheetPage startPage()
    {
        SheetPage page;
        const double w = m_area.width();
        const double title = m_style.lineHeight(TextRole::Title);
        const double info = m_style.lineHeight(TextRole::Info);
        // The page number is filled in once the number of pages is known.
        const double numberWidth = pageNumberWidth();
        text(page, {0, 0, w - numberWidth - m_g.pad, title}, m_content.title, TextRole::Title);
        text(page, {0, title, w, info}, m_content.path, TextRole::Info, Qt::ElideMiddle);
        text(page, {0, title + info, w, info}, m_content.details, TextRole::Info);

        const double y = m_g.headerHeight;
        const double h = m_g.columnHeaderHeight;
        page.boxes.push_back({{0, y, w, h}, BoxRole::HeaderFill});
        page.boxes.push_back({{0, y, m_g.channelWidth, h}, BoxRole::Grid});
        text(page, cellText({0, y, m_g.channelWidth, h}), SheetText::tr("Channel"),
             TextRole::ColumnHeader);
        for (int col = 0; col < kBandFrames; ++col) {
            const QRectF cell(m_g.channelWidth + col * m_g.cellWidth, y, m_g.cellWidth, h);
            page.boxes.push_back({cell, BoxRole::Grid});
            text(page, cellText(cell),
                 SheetText::tr("Frame %1 / %2").arg(col + 1).arg(col + 1 + kBandFrames),
                 TextRole::ColumnHeader);
        }
        const double legendHeight = m_style.lineHeight(TextRole::Legend);
        text(page, {0, m_area.height() - legendHeight, w, legendHeight}, m_content.legend,
             TextRole::Legend);
        return page;
    }

    void addPageNumbers(std::vector<SheetPage>& pages)
    {
        const double w = m_area.width();
        const double title = m_style.lineHeight(TextRole::Title);
        const int count = int(pages.size());
        const double numberWidth = pageNumberWidth();
        for (int i = 0; i < count; ++i)
            text(pages[std::size_t(i)], {w - numberWidth, 0, numberWidth, title},
                 SheetText::tr("Page %1 of %2").arg(i + 1).arg(count), TextRole::PageNumber,
                 Qt::ElideRight, Qt::AlignRight | Qt::AlignVCenter);
    }

    void placeRow(SheetPage& page, const SheetRow& row, double y)
    {
        const double h = m_g.rowHeight(row);
        page.channels.push_back(row.channel);
        page.rows.emplace_back(0, y, m_g.channelWidth + kBandFrames * m_g.cellWidth, h);

        const QRectF channel(0, y, m_g.channelWidth, h);
        page.boxes.push_back({channel, BoxRole::Grid});
        const QRectF inner = cellText(channel);
        double line = inner.top();
        text(page, {inner.left(), line, inner.width(), m_style.lineHeight(TextRole::Channel)},
             row.number, TextRole::Channel);
        line += m_style.lineHeight(TextRole::Channel);
        const TextRole labelRole = row.stopFrame > 0 ? TextRole::Missing : TextRole::Detail;
        text(page, {inner.left(), line, inner.width(), m_style.lineHeight(labelRole)},
             row.stopFrame > 0 ? StopText(row.stopFrame) : SheetText::tr("Play time"), labelRole);
        line += m_style.lineHeight(labelRole);
        text(page, {inner.left(), line, inner.width(), m_style.lineHeight(TextRole::PlayTime)},
             row.playTime, TextRole::PlayTime);

        // A one-band row as tall as the channel cell stretches its band to the row's height.
        const double bandHeight = row.bands() == 1 ? h : m_g.bandHeight;
        double bandTop = y;
        for (int band = 0; band < 2; ++band) {
            if (!(band == 0 ? row.firstBand : row.secondBand))
                continue;
            for (int col = 0; col < kBandFrames; ++col) {
                const SheetCell& cell = row.cells[std::size_t(band * kBandFrames + col)];
                const QRectF rect(m_g.channelWidth + col * m_g.cellWidth, bandTop, m_g.cellWidth,
                                  bandHeight);
                placeCell(page, cell, rect);
            }
            bandTop += bandHeight;
        }
    }

    void placeEmptyNote(SheetPage& page, double y)
    {
        const double h = m_style.lineHeight(TextRole::Info);
        text(page, {m_g.pad, y + m_g.pad, m_area.width() - 2 * m_g.pad, h},
             SheetText::tr("No channel holds a file."), TextRole::Info);
    }

private:
    double pageNumberWidth() const
    {
        return std::ceil(m_style.width(TextRole::PageNumber,
                                       SheetText::tr("Page %1 of %2").arg(9999).arg(9999)));
    }

    QRectF cellText(const QRectF& cell) const
    {
        return cell.adjusted(m_g.pad, m_g.pad, -m_g.pad, -m_g.pad);
    }

    void placeCell(SheetPage& page, const SheetCell& cell, const QRectF& rect)
    {
        if (cell.missing)
            page.boxes.push_back({rect, BoxRole::MissingFill});
        page.boxes.push_back({rect, BoxRole::Grid});
        const QRectF inner = cellText(rect);
        const double nameHeight = m_style.lineHeight(TextRole::Name);
        const double frameWidth =
            std::ceil(m_style.width(TextRole::Frame, cell.frame + QLatin1Char(' ')));
        text(page, {inner.left(), inner.top(), frameWidth, nameHeight}, cell.frame,
             TextRole::Frame);
        text(page, {inner.left() + frameWidth, inner.top(), inner.width() - frameWidth, nameHeight},
             cell.name, cell.missing ? TextRole::MissingName : TextRole::Name, Qt::ElideMiddle);
        const double detail = m_style.lineHeight(TextRole::Detail);
        double line = inner.top() + nameHeight;
        for (const QString* s : {&cell.settings, &cell.timing, &cell.loudness}) {
            if (line + detail > inner.bottom() + 0.5)
                break;
            const bool missingLine = cell.missing && s == &cell.timing;
            text(page, {inner.left(), line, inner.width(), detail}, *s,
                 missingLine ? TextRole::Missing : TextRole::Detail);
            line += detail;
        }
    }

    const SheetContent& m_content;
    const SheetStyle& m_style;
    const Grid& m_g;
    QSizeF m_area;
};

} // namespace

SheetLayout LayOutSheet(const SheetContent& content, const QSizeF& area, double dpi)
{
    SheetLayout layout;
    layout.area = area;
    layout.dpi = dpi;
    double scale = 1;
    for (;;) {
        const SheetStyle style(dpi, scale);
        const Grid grid = MeasureGrid(content, style, area);
        if (!Fits(grid, style, area) && scale * 0.9 >= kSmallestScale) {
            scale *= 0.9;
            continue;
        }
        layout.scale = scale;
        PageBuilder builder(content, style, grid, area);
        layout.body = builder.body();
        SheetPage page = builder.startPage();
        double y = layout.body.top();
        if (content.rows.empty())
            builder.placeEmptyNote(page, y);
        for (const SheetRow& row : content.rows) {
            const double h = grid.rowHeight(row);
            if (y + h > layout.body.bottom() && !page.channels.empty()) {
                layout.pages.push_back(std::move(page));
                page = builder.startPage();
                y = layout.body.top();
            }
            builder.placeRow(page, row, y);
            y += h;
        }
        layout.pages.push_back(std::move(page));
        builder.addPageNumbers(layout.pages);
        return layout;
    }
}

} // namespace cuelist::sheet
