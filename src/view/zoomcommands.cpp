// SPDX-License-Identifier: GPL-3.0-or-later
#include "zoomcommands.h"

#include "commandids.h"
#include "cueview.h"

ZoomCommands::ZoomCommands(CCueView* view) : m_view(view) {}

bool ZoomCommands::handlesCommand(int id) const
{
    return m_view && (id == ID_VIEW_ZOOM_IN || id == ID_VIEW_ZOOM_OUT ||
                      id == ID_VIEW_ZOOM_ACTUAL || id == ID_VIEW_ZOOM_FIT);
}

void ZoomCommands::runCommand(int id)
{
    if (!m_view)
        return;
    const int zoom = m_view->sizer()->zoom();
    switch (id) {
    case ID_VIEW_ZOOM_IN:
        m_view->sizer()->setZoom(GridZoom::stepIn(zoom));
        break;
    case ID_VIEW_ZOOM_OUT:
        m_view->sizer()->setZoom(GridZoom::stepOut(zoom));
        break;
    case ID_VIEW_ZOOM_ACTUAL:
        m_view->sizer()->setZoom(GridZoom::kActual);
        break;
    case ID_VIEW_ZOOM_FIT:
        m_view->sizer()->fitTo(m_view->viewport()->width());
        break;
    default:
        break;
    }
}

std::optional<CommandState> ZoomCommands::commandState(int id) const
{
    if (!m_view)
        return std::nullopt;
    switch (id) {
    case ID_VIEW_ZOOM_IN:
        return CommandState{m_view->sizer()->zoom() < GridZoom::kMaximum, std::nullopt};
    case ID_VIEW_ZOOM_OUT:
        return CommandState{m_view->sizer()->zoom() > GridZoom::kMinimum, std::nullopt};
    case ID_VIEW_ZOOM_ACTUAL:
        return CommandState{m_view->sizer()->zoom() != GridZoom::kActual, std::nullopt};
    default:
        return std::nullopt;
    }
}
