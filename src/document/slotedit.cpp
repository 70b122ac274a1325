// SPDX-License-Identifier: GPL-3.0-or-later
#include "slotedit.h"

#include "cuedoc.h"

#include <utility>

SlotEdit::SlotEdit(CCueDoc& doc, const QString& text, std::vector<Change> changes, bool applied)
    : QUndoCommand(text), m_doc(doc), m_changes(std::move(changes)), m_applied(applied)
{
    for (const Change& change : m_changes)
        m_range = m_range.united(SlotRange::slot(change.frame, change.channel));
}

void SlotEdit::undo()
{
    m_doc.writeRecords(m_changes, false, m_range);
}

void SlotEdit::redo()
{
    if (std::exchange(m_applied, false))
        return;
    m_doc.writeRecords(m_changes, true, m_range);
}
