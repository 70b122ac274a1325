// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandtarget.h"

#include <QPointer>

class CCueView;

// View > Zoom In, Zoom Out, Actual Size and Fit All Frames for one grid, with their enabling
// rules. The grid is not owned and may go first. GUI thread only.
class ZoomCommands final : public CommandTarget
{
public:
    explicit ZoomCommands(CCueView* view);
    Q_DISABLE_COPY_MOVE(ZoomCommands)

    bool handlesCommand(int id) const override;
    void runCommand(int id) override;
    std::optional<CommandState> commandState(int id) const override;

private:
    QPointer<CCueView> m_view;
};
