// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandids.h"
#include "core/clip.h"
#include "cuedoc.h"
#include "cueview.h"
#include "help.h"
#include "importaudioflow.h"
#include "matchloudnessflow.h"
#include "playlistclipboard.h"
#include "runplaychanneldialog.h"

#include <QFile>

namespace {

CommandState Enabled(bool enabled)
{
    return CommandState{enabled, std::nullopt};
}

} // namespace

bool CCueView::handlesCommand(int id) const
{
    switch (id) {
    case ID_EDIT_CUT:
    case ID_EDIT_COPY:
    case ID_EDIT_PASTE:
    case ID_EDIT_DELETE:
    case ID_PLAY_CHANNEL:
    case ID_FIND_MISSING:
    case ID_IMPORT_AUDIO:
    case ID_MATCH_LOUDNESS:
        return true;
    default:
        return id == ID_HELP && hasFocus();
    }
}

void CCueView::runCommand(int id)
{
    switch (id) {
    case ID_HELP:
        OpenHelp(this);
        break;
    case ID_EDIT_CUT:
        OnEditCut();
        break;
    case ID_EDIT_COPY:
        OnEditCopy();
        break;
    case ID_EDIT_PASTE:
        OnEditPaste();
        break;
    case ID_EDIT_DELETE:
        OnEditDelete();
        break;
    case ID_PLAY_CHANNEL:
        playChannel();
        break;
    case ID_FIND_MISSING:
        OnFindMissingFiles();
        break;
    case ID_IMPORT_AUDIO:
        importAudio({}, std::max(m_cursorColumn, 1), activeChannel());
        break;
    case ID_MATCH_LOUDNESS:
        MatchLoudnessFlow(m_doc, this).run(activeChannel());
        break;
    default:
        break;
    }
}

void CCueView::importAudio(const QStringList& paths, int frame, int channel)
{
    ImportAudioFlow flow(m_doc, this, [this](int f, int c) { moveCursorTo(f, c - 1); });
    if (paths.isEmpty())
        flow.chooseAndImport(frame, channel);
    else
        flow.importFiles(paths, frame, channel);
}

void CCueView::playChannel()
{
    const int channel = activeChannel();
    if (!m_doc || cuelist::SlotTable::CheckSlotRange(1, channel) != cuelist::kSlotDone)
        return;
    std::array<cuelist::SlotRecord, cuelist::kFrameCount> records;
    for (int frame = 1; frame <= cuelist::kFrameCount; ++frame)
        records[frame - 1] = m_doc->table().RecordAt(frame, channel);
    RunPlayChannelDialog(this, QFile::encodeName(m_doc->dataFolderPath()).toStdString(), channel,
                         records, channelPlayTime(channel));
}

bool CCueView::clipFitsCursor() const
{
    const PlaylistClipboard::Known clip = PlaylistClipboard::known();
    if (!clip.ours || !clip.hasRecords)
        return false;
    const qsizetype size = clip.size;
    if (m_cursorColumn >= 1 && m_cursorColumn <= kLastColumn)
        return size == qsizetype(cuelist::kPhraseClipSize);
    if (m_cursorColumn == 0)
        return size == qsizetype(cuelist::kChannelClipSize);
    return false;
}

std::optional<CommandState> CCueView::commandState(int id) const
{
    switch (id) {
    case ID_SELECT_FILE:
        return Enabled(m_cursorColumn >= 1);
    case ID_EDIT_CUT:
        // A negative cursor column gives no rule: the command's default applies.
        if (m_cursorColumn < 0)
            return std::nullopt;
        return Enabled(activeChannel() >= 1);
    case ID_EDIT_COPY:
    case ID_EDIT_DELETE:
        return Enabled(activeChannel() >= 1);
    case ID_OPEN_CONTENTS: {
        if (m_cursorColumn < 1 || !m_doc)
            return Enabled(false);
        int frame = 0;
        int channel = 0;
        m_doc->GetCurrentSlot(frame, channel);
        return Enabled(m_doc->table().TypeAt(frame, channel) != cuelist::kTypeEmpty);
    }
    case ID_PLAY_CHANNEL:
        return Enabled(m_cursorColumn == 0 && m_doc &&
                       m_doc->table().ChannelHasSlots(activeChannel()));
    case ID_EDIT_PASTE:
        return Enabled(activeChannel() >= 1 && clipFitsCursor());
    case ID_FIND_MISSING:
        return Enabled(m_doc != nullptr);
    case ID_IMPORT_AUDIO:
        return Enabled(m_doc != nullptr && activeChannel() >= 1);
    case ID_MATCH_LOUDNESS:
        return Enabled(m_doc != nullptr && m_doc->IsDataFolderKnown());
    default:
        return std::nullopt;
    }
}
