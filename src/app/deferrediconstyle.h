// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The application's style with its standard icons made when first drawn. The tool bars, the
// menu bar and every playlist window ask for icons that are seldom shown (the tool bar's
// overflow arrow, the window menu's entries), and Qt reads each of them at once, loading every
// installed image plugin on the way.
class DeferredIconStyle final : public QProxyStyle
{
    Q_OBJECT
public:
    // key: the style to draw with, as QStyleFactory names it.
    explicit DeferredIconStyle(const QString& key);
    Q_DISABLE_COPY_MOVE(DeferredIconStyle)

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
