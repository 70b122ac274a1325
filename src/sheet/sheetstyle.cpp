// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetstyle.h"

#include <cmath>

namespace cuelist::sheet {

namespace {

struct RoleFont
{
    double points;
    bool bold;
};

constexpr RoleFont kRoleFonts[kTextRoleCount] = {
    {13.0, true}, // Title
    {9.0, false}, // PageNumber
    {8.0, false}, // Info
    {8.0, true},  // ColumnHeader
    {10.0, true}, // Channel
    {8.0, true},  // PlayTime
    {7.0, false}, // Frame
    {8.0, true},  // Name
    {8.0, true},  // MissingName
    {7.0, false}, // Detail
    {7.0, true},  // Missing
    {6.5, false}, // Legend
};

} // namespace

QStringList SheetStyle::families()
{
    return {QStringLiteral("DejaVu Sans"),  QStringLiteral("Noto Sans CJK JP"),
            QStringLiteral("Noto Sans JP"), QStringLiteral("IPAexGothic"),
            QStringLiteral("IPAGothic"),    QStringLiteral("Noto Sans"),
            QStringLiteral("DejaVu Sans")};
}

SheetStyle::SheetStyle(double dpi, double scale) : m_dpi(dpi), m_scale(scale)
{
    for (int i = 0; i < kTextRoleCount; ++i) {
        QFont font;
        font.setFamilies(families());
        font.setStyleHint(QFont::SansSerif);
        // Hinting would make widths depend on the resolution the text is measured at.
        font.setHintingPreference(QFont::PreferNoHinting);
        font.setPixelSize(std::max(1, int(std::lround(points(kRoleFonts[i].points)))));
        font.setBold(kRoleFonts[i].bold);
        m_fonts[std::size_t(i)] = font;
        m_metrics.emplace_back(font);
    }
}

double SheetStyle::lineHeight(TextRole role) const
{
    return std::ceil(m_metrics[std::size_t(role)].height());
}

double SheetStyle::width(TextRole role, const QString& text) const
{
    return m_metrics[std::size_t(role)].horizontalAdvance(text);
}

QString SheetStyle::elided(TextRole role, const QString& text, double width,
                           Qt::TextElideMode mode) const
{
    const QFontMetricsF& metrics = m_metrics[std::size_t(role)];
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    return metrics.elidedText(text, mode, width);
}

} // namespace cuelist::sheet
