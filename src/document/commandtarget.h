// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <QString>

// State an enabling rule gives for a command.
struct CommandState
{
    bool enabled = true;
    std::optional<bool> checked;                   // no value: not a checkable command
    std::optional<QString> text = std::nullopt;    // no value: the command's own menu text
    std::optional<QString> toolTip = std::nullopt; // no value: the command's own tool tip
};

// One stop on the command route (active view, its document, child frame, main frame,
// application). A command runs at the first target that handles it; its state comes
// from the first target with an enabling rule for it, else it is enabled when some
// target handles it, and disabled when none does.
class CommandTarget
{
public:
    virtual ~CommandTarget() = default;

    virtual bool handlesCommand(int id) const = 0;
    // Runs the command; only called when handlesCommand(id) is true.
    virtual void runCommand(int id) = 0;
    // The enabling rule, when this target has one for id.
    virtual std::optional<CommandState> commandState(int /*id*/) const { return std::nullopt; }
};
