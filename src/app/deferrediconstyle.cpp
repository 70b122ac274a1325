// SPDX-License-Identifier: GPL-3.0-or-later
#include "deferrediconstyle.h"

#include "appicon.h"

#include <optional>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>

DeferredIconStyle::DeferredIconStyle(const QString& key) : QProxyStyle(key) {}

QIcon DeferredIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                      const QWidget* widget) const
{
    // What the drawing depends on is kept: the option's plain part (direction, palette,
    // state) and the widget as long as it lives. The base style belongs to this one.
    std::optional<QStyleOption> kept;
    if (option) {
        kept.emplace(*option);
        kept->styleObject = nullptr;
    }
    QPointer<const QStyle> base(baseStyle());
    QPointer<const QWidget> owner(widget);
    return DeferredIcon([base, standardIcon, kept, owner, hadWidget = widget != nullptr] {
        if (!base || (hadWidget && !owner))
            return QIcon();
        return base->standardIcon(standardIcon, kept ? &*kept : nullptr, owner.data());
    });
}
