// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/slotrecord.h"
#include "slotrange.h"

#include <optional>
#include <QString>
#include <QUndoCommand>
#include <utility>
#include <vector>

class CCueDoc;

// One user action on a playlist's slots, as the records it changed before and after.
// Lives on its document's undo stack; redo and undo write the records back through the
// document, which tells its views the changed range.
class SlotEdit final : public QUndoCommand
{
public:
    struct Change
    {
        int frame = 0;
        int channel = 0;
        cuelist::SlotRecord before{};
        cuelist::SlotRecord after{};
    };

    // applied: the changes are in the table already; the first redo does nothing.
    SlotEdit(CCueDoc& doc, const QString& text, std::vector<Change> changes, bool applied = false);
    Q_DISABLE_COPY_MOVE(SlotEdit)

    void undo() override;
    void redo() override;

    SlotRange range() const { return m_range; }
    // The step also fixed the data folder of a new playlist, which was `before` (a folder
    // not yet known): undo makes the playlist new again.
    void setFolderFix(const QString& before, const QString& after);

private:
    CCueDoc& m_doc;
    std::vector<Change> m_changes;
    SlotRange m_range;
    bool m_applied;
    std::optional<std::pair<QString, QString>> m_folderFix; // before, after
};
