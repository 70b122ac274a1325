// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cuedoc.h"

// Puts any record into a document's slot as if the playlist had been opened with it: the
// history stays empty and the playlist unmodified. Tests need records that the editor's own
// edits never make (odd types, any tone levels: pastes are repaired), so this writes past the
// document's operations and then tells its views.
inline bool PutRecord(CCueDoc& doc, int frame, int channel, const cuelist::SlotRecord& record)
{
    auto& table = const_cast<cuelist::SlotTable&>(doc.table());
    if (!table.PutSlotRecord(frame, channel, record))
        return false;
    doc.undoStack()->clear();
    emit doc.slotsChanged(SlotRange::slot(frame, channel));
    return true;
}
