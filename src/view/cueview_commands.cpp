#include "commandids.h"
#include "core/clip.h"
#include "core/describe.h"
#include "core/names.h"
#include "cuedoc.h"
#include "cueview.h"
#include "help.h"
#include "playlistclipboard.h"
#include "runplaychanneldialog.h"
#include "text/messages.h"

namespace {

// The length of a text as the device's code page stores it.
qsizetype StoredLength(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    std::string cp932;
    if (cuelist::Utf8ToCp932(std::string_view(utf8.constData(), std::size_t(utf8.size())), cp932))
        return qsizetype(cp932.size());
    return utf8.size();
}

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
        if (m_doc)
            RunPlayChannelDialog(this, *m_doc, m_activeChannel);
        break;
    default:
        break;
    }
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
        return Enabled(m_activeChannel >= 1);
    case ID_EDIT_COPY:
    case ID_EDIT_DELETE:
        return Enabled(m_activeChannel >= 1);
    case ID_OPEN_CONTENTS: {
        if (m_cursorColumn < 1)
            return Enabled(false);
        cuelist::SlotDescription empty;
        empty.kind = cuelist::SlotDescription::Kind::NoRegistration;
        const QString noRegistration = cuelist::text::DescriptionText(empty);
        return Enabled(StoredLength(m_statusText) > StoredLength(noRegistration));
    }
    case ID_PLAY_CHANNEL:
        return Enabled(m_cursorColumn == 0 && m_doc &&
                       m_doc->table().ChannelHasSlots(m_activeChannel));
    case ID_EDIT_PASTE:
        return Enabled(m_activeChannel >= 1 && clipFitsCursor());
    default:
        return std::nullopt;
    }
}
