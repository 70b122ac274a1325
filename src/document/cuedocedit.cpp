// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandids.h"
#include "core/clip.h"
#include "cuedoc.h"

#include <span>
#include <utility>

namespace {

using cuelist::SlotTable;

bool Editable(int frame, int channel)
{
    return SlotTable::CheckSlotRange(frame, channel) == cuelist::kSlotDone;
}

std::span<const std::uint8_t> Bytes(const QByteArray& data)
{
    return {reinterpret_cast<const std::uint8_t*>(data.constData()), std::size_t(data.size())};
}

SlotRange ChannelRange(int channel)
{
    return {1, channel, cuelist::kFrameCount, channel};
}

} // namespace

template <typename Change>
bool CCueDoc::edit(const QString& text, const SlotRange& range, Change change)
{
    if (range.isEmpty() || !Editable(range.firstFrame, range.firstChannel) ||
        !Editable(range.lastFrame, range.lastChannel))
        return false;
    Changes changes;
    for (int channel = range.firstChannel; channel <= range.lastChannel; ++channel)
        for (int frame = range.firstFrame; frame <= range.lastFrame; ++frame)
            changes.push_back({frame, channel, m_table.RecordAt(frame, channel), {}});
    // The change runs on the table itself; the step puts its result back on redo.
    change(m_table);
    std::erase_if(changes, [this](SlotEdit::Change& c) {
        c.after = m_table.RecordAt(c.frame, c.channel);
        m_table.RecordAt(c.frame, c.channel) = c.before;
        return c.after == c.before;
    });
    if (changes.empty()) {
        if (m_groupDepth == 0 && m_unrecordedFolderFix)
            setDataFolderState(false, *std::exchange(m_unrecordedFolderFix, std::nullopt));
        return false;
    }
    record(text, std::move(changes));
    return true;
}

void CCueDoc::record(const QString& text, Changes changes)
{
    if (m_groupDepth == 0) {
        auto* step = new SlotEdit(*this, text, std::move(changes));
        takeFolderFix(*step);
        m_undoStack.push(step);
        return;
    }
    SlotRange range;
    for (const SlotEdit::Change& change : changes)
        range = range.united(SlotRange::slot(change.frame, change.channel));
    writeRecords(changes, true, range);
    // A slot changed twice in a group keeps its first before and its last after.
    for (const SlotEdit::Change& change : changes) {
        const auto same = std::find_if(
            m_groupChanges.begin(), m_groupChanges.end(), [&](const SlotEdit::Change& c) {
                return c.frame == change.frame && c.channel == change.channel;
            });
        if (same == m_groupChanges.end())
            m_groupChanges.push_back(change);
        else
            same->after = change.after;
    }
}

void CCueDoc::beginEditGroup(const QString& text)
{
    if (m_groupDepth++ == 0) {
        m_groupText = text;
        m_groupChanges.clear();
    }
}

void CCueDoc::endEditGroup()
{
    if (m_groupDepth == 0 || --m_groupDepth > 0)
        return;
    Changes changes = std::move(m_groupChanges);
    m_groupChanges.clear();
    // The group's slots that ended as they began are in the table as they were.
    std::erase_if(changes, [](const SlotEdit::Change& c) { return c.after == c.before; });
    if (!changes.empty()) {
        auto* step = new SlotEdit(*this, m_groupText, std::move(changes), true);
        takeFolderFix(*step);
        m_undoStack.push(step);
    } else if (m_unrecordedFolderFix) {
        // Nothing stayed changed: neither does the folder.
        setDataFolderState(false, *std::exchange(m_unrecordedFolderFix, std::nullopt));
    }
}

void CCueDoc::writeRecords(const Changes& changes, bool after, const SlotRange& range)
{
    for (const SlotEdit::Change& change : changes)
        m_table.RecordAt(change.frame, change.channel) = after ? change.after : change.before;
    m_titleRefreshDue = true;
    emit slotsChanged(range);
    emit frameTitleUpdateRequested();
}

bool CCueDoc::SetSlotFile(int frame, int channel, const QString& name,
                          const std::optional<cuelist::SlotSettings>& settings)
{
    const std::string utf8 = name.toStdString();
    return edit(tr("Select File"), SlotRange::slot(frame, channel), [&](SlotTable& table) {
        if (table.SetSlotFile(frame, channel, utf8) == cuelist::kSlotDone && settings)
            cuelist::WriteSlotSettings(table, frame, channel, *settings);
    });
}

bool CCueDoc::SetSlotSettings(int frame, int channel, const cuelist::SlotSettings& settings)
{
    return edit(tr("Settings"), SlotRange::slot(frame, channel), [&](SlotTable& table) {
        cuelist::WriteSlotSettings(table, frame, channel, settings);
    });
}

bool CCueDoc::ClearSlot(int frame, int channel, const QString& actionText)
{
    return edit(actionText.isEmpty() ? tr("Delete") : actionText, SlotRange::slot(frame, channel),
                [&](SlotTable& table) { table.ClearSlot(frame, channel); });
}

bool CCueDoc::ClearChannel(int channel, const QString& actionText)
{
    return edit(actionText.isEmpty() ? tr("Delete") : actionText, ChannelRange(channel),
                [&](SlotTable& table) {
                    for (int frame = 1; frame <= cuelist::kFrameCount; ++frame)
                        table.ClearSlot(frame, channel);
                });
}

bool CCueDoc::PastePhraseClip(int frame, int channel, const QByteArray& clip)
{
    return edit(tr("Paste"), SlotRange::slot(frame, channel), [&](SlotTable& table) {
        cuelist::PastePhraseClip(table, frame, channel, Bytes(clip));
    });
}

bool CCueDoc::PasteChannelClip(int channel, const QByteArray& clip)
{
    return edit(tr("Paste"), ChannelRange(channel),
                [&](SlotTable& table) { cuelist::PasteChannelClip(table, channel, Bytes(clip)); });
}

bool CCueDoc::MoveSlot(int fromFrame, int fromChannel, int toFrame, int toChannel)
{
    if (!Editable(fromFrame, fromChannel) || !Editable(toFrame, toChannel) ||
        (fromFrame == toFrame && fromChannel == toChannel))
        return false;
    const SlotRange range =
        SlotRange::slot(fromFrame, fromChannel).united(SlotRange::slot(toFrame, toChannel));
    return edit(tr("Move"), range, [&](SlotTable& table) {
        table.RecordAt(toFrame, toChannel) = table.RecordAt(fromFrame, fromChannel);
        table.ClearSlot(fromFrame, fromChannel);
    });
}

std::optional<CommandState> CCueDoc::commandState(int id) const
{
    // A step names files, and a file name may hold "&": the menu shows it, not a key.
    const auto shown = [](QString text) {
        return text.replace(QLatin1Char('&'), QLatin1String("&&"));
    };
    switch (id) {
    case ID_EDIT_UNDO:
        if (!m_undoStack.canUndo())
            return CommandState{false, std::nullopt, tr("Undo(&U)")};
        return CommandState{true, std::nullopt,
                            tr("Undo %1(&U)").arg(shown(m_undoStack.undoText())),
                            tr("Undo %1").arg(m_undoStack.undoText())};
    case ID_EDIT_REDO:
        if (!m_undoStack.canRedo())
            return CommandState{false, std::nullopt, tr("Redo(&R)")};
        return CommandState{true, std::nullopt,
                            tr("Redo %1(&R)").arg(shown(m_undoStack.redoText())),
                            tr("Redo %1").arg(m_undoStack.redoText())};
    default:
        return std::nullopt;
    }
}
