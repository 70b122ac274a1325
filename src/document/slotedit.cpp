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

void SlotEdit::setFolderFix(const QString& before, const QString& after)
{
    m_folderFix.emplace(before, after);
}

void SlotEdit::undo()
{
    // Only a playlist never saved becomes new again; a saved one keeps its folder.
    if (m_folderFix && m_doc.pathName().isEmpty())
        m_doc.setDataFolderState(false, m_folderFix->first);
    m_doc.writeRecords(m_changes, false, m_range);
    emit m_doc.stepReplayed(m_range);
}

void SlotEdit::redo()
{
    if (std::exchange(m_applied, false))
        return;
    if (m_folderFix && !m_doc.IsDataFolderKnown())
        m_doc.setDataFolderState(true, m_folderFix->second);
    m_doc.writeRecords(m_changes, true, m_range);
    emit m_doc.stepReplayed(m_range);
}
