#include "core/clip.h"
#include "cuedoc.h"
#include "cueview.h"
#include "descriptionpane.h"
#include "playlistclipboard.h"
#include "prompt.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <span>

namespace {

std::span<const std::uint8_t> Bytes(const QByteArray& data)
{
    return {reinterpret_cast<const std::uint8_t*>(data.constData()), std::size_t(data.size())};
}

} // namespace

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
        clip = cuelist::EncodeChannelClip(m_doc->table(), m_activeChannel);
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
        OnEditDelete();
}

void CCueView::OnEditDelete()
{
    if (!m_doc)
        return;
    cuelist::SlotTable& table = m_doc->table();
    if (m_cursorColumn != 0) {
        int frame = 0;
        int channel = 0;
        m_doc->GetCurrentSlot(frame, channel);
        if (cuelist::SlotTable::CheckSlotRange(frame, channel) != cuelist::kSlotDone)
            return;
        table.SetSlotFile(frame, channel, " ");
        viewport()->update();
        m_statusText = describe(frame, channel);
        DescriptionPane::setText(m_statusText);
    } else {
        if (cuelist::SlotTable::CheckSlotRange(1, m_activeChannel) != cuelist::kSlotDone)
            return;
        for (int frame = 1; frame <= cuelist::kFrameCount; ++frame)
            table.SetSlotFile(frame, m_activeChannel, " ");
        viewport()->update();
    }
    finishSlotChange();
}

void CCueView::OnEditPaste()
{
    if (!m_doc)
        return;
    const bool channelPaste = m_cursorColumn == 0;
    int frame = 1;
    int channel = m_activeChannel;
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

    cuelist::SlotTable& table = m_doc->table();
    const bool occupied = channelPaste ? table.ChannelHasSlots(channel)
                                       : table.RecordAt(frame, channel)[cuelist::record::kType] !=
                                             cuelist::kTypeEmpty;
    if (occupied &&
        prompt().ask(this, m_doc->replacePrompt(), QMessageBox::Ok | QMessageBox::Cancel,
                     QMessageBox::Warning) != QMessageBox::Ok)
        return;

    if (channelPaste) {
        cuelist::PasteChannelClip(table, channel, Bytes(records));
    } else {
        cuelist::PastePhraseClip(table, frame, channel, Bytes(records));
        m_statusText = describe(frame, channel);
        DescriptionPane::setText(m_statusText);
    }
    finishSlotChange();
}

void CCueView::finishSlotChange()
{
    OnUpdate();
    m_doc->setModifiedFlag(true);
    m_doc->SetTitleRefreshDue(true);
    emit m_doc->frameTitleUpdateRequested();
}
