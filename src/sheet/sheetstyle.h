// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <QStringList>
#include <vector>

namespace cuelist::sheet {

// What a piece of text on the sheet is; it decides the font and colour.
enum class TextRole {
    Title,
    PageNumber,
    Info,
    ColumnHeader,
    Channel,
    PlayTime,
    Frame,
    Name,
    MissingName,
    Detail,
    Missing,
    Legend,
};
inline constexpr int kTextRoleCount = int(TextRole::Legend) + 1;

// The sheet's fonts at one device resolution and scale. Sizes are whole device pixels, so
// that measuring and painting use the very same font. Needs a QGuiApplication.
class SheetStyle final
{
public:
    // dpi: the device's resolution; scale shrinks every size (small paper).
    SheetStyle(double dpi, double scale);

    const QFont& font(TextRole role) const { return m_fonts[std::size_t(role)]; }
    double lineHeight(TextRole role) const;
    double width(TextRole role, const QString& text) const;
    // The text shortened with an ellipsis so that it is no wider than width.
    QString elided(TextRole role, const QString& text, double width, Qt::TextElideMode mode) const;
    // A length given in points, in device pixels at this resolution and scale.
    double points(double pt) const { return pt * m_dpi / 72.0 * m_scale; }

    // The families tried in order: a CJK face first, so that Japanese texts and half-width
    // katakana names print (and embed) from one font.
    static QStringList families();

private:
    double m_dpi;
    double m_scale;
    std::array<QFont, kTextRoleCount> m_fonts;
    std::vector<QFontMetricsF> m_metrics;
};

} // namespace cuelist::sheet
