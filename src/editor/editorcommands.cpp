// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandids.h"
#include "core/clip.h"
#include "cuedoc.h"
#include "help.h"
#include "importaudioflow.h"
#include "matchloudnessflow.h"
#include "playlistclipboard.h"
#include "playlisteditor.h"

#include <algorithm>
#include <QWidget>

namespace {

CommandState Enabled(bool enabled)
{
    return CommandState{enabled, std::nullopt};
}

} // namespace

bool PlaylistEditor::handlesCommand(int id) const
{
    switch (id) {
    case ID_EDIT_CUT:
    case ID_EDIT_COPY:
    case ID_EDIT_PASTE:
    case ID_EDIT_DELETE:
    case ID_PLAY_CHANNEL:
    case ID_FIND_MISSING:
    case ID_CSV_OUTPUT:
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
    case ID_FILE_CLOSE:
    case ID_SELECT_FILE:
    case ID_OPEN_CONTENTS:
    case ID_IMPORT_AUDIO:
    case ID_MATCH_LOUDNESS:
        return m_doc != nullptr;
    default:
        return id == ID_HELP && m_widget && m_widget->hasFocus();
    }
}

void PlaylistEditor::runCommand(int id)
{
    switch (id) {
    case ID_HELP:
        OpenHelp(m_widget);
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
        onFindMissingFiles();
        break;
    case ID_CSV_OUTPUT:
        OnFileCsvOutput();
        break;
    case ID_FILE_SAVE:
        DoFileSave();
        break;
    case ID_FILE_SAVE_AS:
        DoSave(QString(), true);
        break;
    case ID_FILE_CLOSE:
        if (SaveModified())
            emit closeRequested();
        break;
    case ID_SELECT_FILE:
        OnSelectFile();
        break;
    case ID_OPEN_CONTENTS:
        OnOpenContents();
        break;
    case ID_IMPORT_AUDIO:
        importAudio({}, std::max(m_cursor.column, 1), m_cursor.channel);
        break;
    case ID_MATCH_LOUDNESS:
        MatchLoudnessFlow(m_doc, m_widget).run(m_cursor.channel);
        break;
    default:
        break;
    }
}

void PlaylistEditor::importAudio(const QStringList& paths, int frame, int channel)
{
    ImportAudioFlow flow(this);
    if (paths.isEmpty())
        flow.chooseAndImport(frame, channel);
    else
        flow.importFiles(paths, frame, channel);
}

bool PlaylistEditor::clipFitsCursor() const
{
    const PlaylistClipboard::Known clip = PlaylistClipboard::known();
    if (!clip.ours || !clip.hasRecords)
        return false;
    const int column = m_cursor.column;
    if (column >= 1 && column <= cuelist::kFrameCount)
        return clip.size == qsizetype(cuelist::kPhraseClipSize);
    if (column == 0)
        return clip.size == qsizetype(cuelist::kChannelClipSize);
    return false;
}

std::optional<CommandState> PlaylistEditor::commandState(int id) const
{
    const int column = m_cursor.column;
    const int channel = m_cursor.channel;
    switch (id) {
    case ID_SELECT_FILE:
        return Enabled(column >= 1);
    case ID_EDIT_CUT:
        // A negative cursor column gives no rule: the command's default applies.
        if (column < 0)
            return std::nullopt;
        return Enabled(channel >= 1);
    case ID_EDIT_COPY:
    case ID_EDIT_DELETE:
        return Enabled(channel >= 1);
    case ID_OPEN_CONTENTS:
        if (column < 1 || !m_doc)
            return Enabled(false);
        return Enabled(m_doc->table().TypeAt(m_cursor.frame(), m_cursor.slotChannel()) !=
                       cuelist::kTypeEmpty);
    case ID_PLAY_CHANNEL:
        return Enabled(column == 0 && m_doc && m_doc->table().ChannelHasSlots(channel));
    case ID_EDIT_PASTE:
        return Enabled(channel >= 1 && clipFitsCursor());
    case ID_FIND_MISSING:
        return Enabled(m_doc != nullptr);
    case ID_IMPORT_AUDIO:
        return Enabled(m_doc && channel >= 1);
    case ID_MATCH_LOUDNESS:
        return Enabled(m_doc && m_doc->IsDataFolderKnown());
    default:
        return std::nullopt;
    }
}
