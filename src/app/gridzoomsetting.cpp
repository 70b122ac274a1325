// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridzoomsetting.h"

#include "cueview.h"
#include "settingvalue.h"

namespace {

SettingValue<int> ZoomSetting()
{
    return SettingValue<int>(QStringLiteral("GRID/Zoom"), GridZoom::kActual);
}

} // namespace

void RestoreZoom(CCueView* view)
{
    // A damaged or foreign value is brought into the range the grid offers.
    view->setZoom(GridZoom::bounded(ZoomSetting().get()));
    QObject::connect(view, &CCueView::zoomChanged, view,
                     [](int percent) { ZoomSetting().set(percent); });
}
