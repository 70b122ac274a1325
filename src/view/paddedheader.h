// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHeaderView>

// A header whose sections leave room around their titles, so that no title touches the
// grid lines. The room follows the header's font.
class PaddedHeader final : public QHeaderView
{
    Q_OBJECT
public:
    explicit PaddedHeader(Qt::Orientation orientation, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(PaddedHeader)

    // The room on each side of a title, in pixels.
    int padding() const;
    // The same room for a header drawn in a font with these metrics.
    static int paddingFor(const QFontMetrics& metrics);

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override;
    bool event(QEvent* event) override;

private:
    // Measured once per font: a header's size hint asks for it once per section.
    mutable int m_padding = -1;
};
