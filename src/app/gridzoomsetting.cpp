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
    view->sizer()->setZoom(GridZoom::bounded(ZoomSetting().get()));
    QObject::connect(view->sizer(), &GridSizer::zoomChanged, view,
                     [](int percent) { ZoomSetting().set(percent); });
}
