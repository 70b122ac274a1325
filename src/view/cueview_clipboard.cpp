// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clip.h"
#include "cuedoc.h"
#include "cueview.h"
#include "playlistclipboard.h"
#include "prompt.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

CCueView::CopyResult CCueView::copyToClipboard()
{
    if (!m_doc)
        return CopyResult::Skipped;
    std::optional<std::vector<std::uint8_t>> clip;
    if (m_cursorColumn != 0) {
        int frame = 0;
        int channel = 0;
        m_doc->GetCurrentSlot(frame, channel);
        clip = cuelist::EncodePhraseClip(m_doc->table(), frame, channel);
    } else {
        clip = cuelist::EncodeChannelClip(m_doc->table(), activeChannel());
    }
    if (!clip)
        return CopyResult::Skipped;

    const QByteArray records(reinterpret_cast<const char*>(clip->data()), qsizetype(clip->size()));
    if (QGuiApplication::clipboard())
        PlaylistClipboard::writeClip(records);
    // The platform can refuse the clipboard (no display connection, another client holding
    // it); then the clip is not there to read back.
    const PlaylistClipboard::Probe placed = PlaylistClipboard::probe();
    if (!placed.ours || placed.records != records) {
        prompt().refuse(this, tr("The data could not be placed on the clipboard."));
        return CopyResult::Failed;
    }
    updateCommandStates();
    return CopyResult::Written;
}

void CCueView::OnEditCopy()
{
    copyToClipboard();
}

void CCueView::OnEditCut()
{
    // What could not be copied is not deleted.
    if (copyToClipboard() != CopyResult::Failed)
        deleteAtCursor(tr("Cut"));
}

void CCueView::OnEditDelete()
{
    deleteAtCursor(QString());
}

void CCueView::deleteAtCursor(const QString& actionText)
{
    if (!m_doc)
        return;
    if (m_cursorColumn != 0) {
        int frame = 0;
        int channel = 0;
        m_doc->GetCurrentSlot(frame, channel);
        m_doc->ClearSlot(frame, channel, actionText);
    } else {
        m_doc->ClearChannel(activeChannel(), actionText);
    }
}

void CCueView::OnEditPaste()
{
    if (!m_doc)
        return;
    const bool channelPaste = m_cursorColumn == 0;
    int frame = 1;
    int channel = activeChannel();
    if (!channelPaste)
        m_doc->GetCurrentSlot(frame, channel);
    if (cuelist::SlotTable::CheckSlotRange(frame, channel) != cuelist::kSlotDone)
        return;

    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* mime = clipboard ? clipboard->mimeData() : nullptr;
    if (!mime) {
        prompt().refuse(this, tr("The data on the clipboard could not be read."));
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
        prompt().ask(this, m_doc->replacePrompt(), QMessageBox::Ok | QMessageBox::Cancel,
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
