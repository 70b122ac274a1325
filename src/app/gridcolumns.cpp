// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridcolumns.h"

#include "cueview.h"
#include "settingvalue.h"
#include "text/messages.h"

namespace {

// Widths differ between the languages (titles and fonts), so each keeps its own.
SettingValue<QString> WidthsSetting()
{
    return SettingValue<QString>(QStringLiteral("GRID/ColumnWidths_") +
                                 cuelist::text::LanguageTag());
}

} // namespace

void RestoreColumnWidths(CCueView* view)
{
    QList<int> widths;
    for (const QString& item : WidthsSetting().get().split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int width = item.toInt(&ok);
        if (!ok || width <= 0 || width > 4000)
            return; // a damaged entry: the defaults stand
        widths << width;
    }
    view->sizer()->setColumnWidths(widths);
    QObject::connect(view->sizer(), &GridSizer::columnWidthsChanged, view, [view] {
        QStringList items;
        for (int width : view->sizer()->columnWidths())
            items << QString::number(width);
        WidthsSetting().set(items.join(QLatin1Char(',')));
    });
}
