// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clip.h"
#include "cuedoc.h"
#include "playlistclipboard.h"
#include "playlisteditor.h"
#include "prompt.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

PlaylistEditor::CopyResult PlaylistEditor::copyToClipboard()
{
    if (!m_doc)
        return CopyResult::Skipped;
    const std::optional<std::vector<std::uint8_t>> clip =
        m_cursor.onPhrase()
            ? cuelist::EncodePhraseClip(m_doc->table(), m_cursor.frame(), m_cursor.slotChannel())
            : cuelist::EncodeChannelClip(m_doc->table(), m_cursor.channel);
    if (!clip)
        return CopyResult::Skipped;

    const QByteArray records(reinterpret_cast<const char*>(clip->data()), qsizetype(clip->size()));
    if (QGuiApplication::clipboard())
        PlaylistClipboard::writeClip(records);
    // The platform can refuse the clipboard (no display connection, another client holding
    // it); then the clip is not there to read back.
    const PlaylistClipboard::Probe placed = PlaylistClipboard::probe();
    if (!placed.ours || placed.records != records) {
        prompt().refuse(m_widget, tr("The data could not be placed on the clipboard."));
        return CopyResult::Failed;
    }
    updateCommandStates();
    return CopyResult::Written;
}

void PlaylistEditor::OnEditCopy()
{
    copyToClipboard();
}

void PlaylistEditor::OnEditCut()
{
    // What could not be copied is not deleted.
    if (copyToClipboard() != CopyResult::Failed)
        deleteAtCursor(tr("Cut"));
}

void PlaylistEditor::OnEditDelete()
{
    deleteAtCursor(QString());
}

void PlaylistEditor::deleteAtCursor(const QString& actionText)
{
    if (!m_doc)
        return;
    if (m_cursor.onPhrase())
        m_doc->ClearSlot(m_cursor.frame(), m_cursor.slotChannel(), actionText);
    else
        m_doc->ClearChannel(m_cursor.channel, actionText);
}

void PlaylistEditor::OnEditPaste()
{
    if (!m_doc)
        return;
    const bool channelPaste = !m_cursor.onPhrase();
    const int frame = channelPaste ? 1 : m_cursor.frame();
    const int channel = channelPaste ? m_cursor.channel : m_cursor.slotChannel();
    if (cuelist::SlotTable::CheckSlotRange(frame, channel) != cuelist::kSlotDone)
        return;

    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* mime = clipboard ? clipboard->mimeData() : nullptr;
    if (!mime) {
        prompt().refuse(m_widget, tr("The data on the clipboard could not be read."));
        return;
    }
    const PlaylistClipboard::Probe clip = PlaylistClipboard::probe(mime);
    const std::size_t expected =
        channelPaste ? cuelist::kChannelClipSize : cuelist::kPhraseClipSize;
    if (!clip.ours || !clip.records || std::size_t(clip.records->size()) != expected)
        return;
    // Kept before the question: the clipboard may change while it is open.
    const QByteArray records = *clip.records;

    const cuelist::SlotTable& table = m_doc->table();
    const bool occupied = channelPaste ? table.ChannelHasSlots(channel)
                                       : table.TypeAt(frame, channel) != cuelist::kTypeEmpty;
    if (occupied &&
        prompt().ask(m_widget, m_doc->replacePrompt(), QMessageBox::Ok | QMessageBox::Cancel,
                     QMessageBox::Warning) != QMessageBox::Ok)
        return;
    // The question may have outlived the document.
    if (!m_doc)
        return;
    if (channelPaste)
        m_doc->PasteChannelClip(channel, records);
    else
        m_doc->PastePhraseClip(frame, channel, records);
}
