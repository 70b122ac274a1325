// SPDX-License-Identifier: GPL-3.0-or-later
#include "playlisteditor.h"

#include "commandids.h"
#include "commandtable.h"
#include "core/describe.h"
#include "cuedoc.h"
#include "datafolderwatch.h"
#include "durationstore.h"
#include "help.h"
#include "playlistclipboard.h"
#include "runplaychanneldialog.h"
#include "slotrange.h"
#include "text/messages.h"

#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QSet>
#include <QWidget>

PlaylistEditor::PlaylistEditor(CCueDoc* doc, QObject* parent)
    : QObject(parent), m_doc(doc), m_folderWatch(new DataFolderWatch(this))
{
    PlaylistClipboard::follow();
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        connect(clipboard, &QClipboard::dataChanged, this, [this] { updateCommandStates(); });
    // A file added to or removed from the data folder shows in the flags within a second.
    connect(m_folderWatch, &DataFolderWatch::changed, this, [this] {
        if (m_doc) {
            m_doc->SetTitleRefreshDue(true); // the total data size follows the folder too
            emit m_doc->frameTitleUpdateRequested();
        }
        requestDurations(1, cuelist::kEditableChannelCount, true);
        updatePlayTime();
    });
    if (DurationStore* store = DurationStore::instance())
        connect(store, &DurationStore::durationsChanged, this, &PlaylistEditor::updatePlayTime);
    if (m_doc) {
        connect(m_doc, &CCueDoc::slotsChanged, this, &PlaylistEditor::onSlotsChanged);
        connect(m_doc, &CCueDoc::dataFolderChanged, this, &PlaylistEditor::followFolder);
        connect(m_doc, &CCueDoc::stepReplayed, this, &PlaylistEditor::showReplayed);
        connect(m_doc, &DocumentBase::pathNameChanged, this, &PlaylistEditor::followFolder);
    }
}

PlaylistEditor::~PlaylistEditor()
{
    emit descriptionChanged(QStringLiteral(" "));
    if (m_active)
        emit playTimeChanged(QString());
}

CCueDoc* PlaylistEditor::document() const
{
    return m_doc;
}

void PlaylistEditor::setDialogRunner(DialogRunner runner)
{
    m_runDialog = std::move(runner);
}

int PlaylistEditor::runDialog(QDialog& dialog) const
{
    return m_runDialog ? m_runDialog(dialog) : dialog.exec();
}

void PlaylistEditor::SetCurrentSlot(const SlotPos& pos)
{
    m_cursor = pos;
    if (pos.column == 0) {
        emit descriptionChanged(QStringLiteral("       "));
        // The Channel column shows the play time of its channel too.
        updatePlayTime();
        updateCommandStates();
        return;
    }
    m_statusText = describe(pos.frame(), pos.slotChannel());
    emit descriptionChanged(m_statusText);
    updatePlayTime();
    updateCommandStates();
}

void PlaylistEditor::setActiveChannel(int channel)
{
    if (m_cursor.channel == channel)
        return;
    m_cursor.channel = channel;
    scheduleCommandStates();
}

void PlaylistEditor::setCursorColumn(int column)
{
    m_cursor.column = column;
}

void PlaylistEditor::moveCursorTo(int column, int row)
{
    emit cursorMoveRequested(column, row);
}

void PlaylistEditor::describeCurrent()
{
    SetCurrentSlot(m_cursor);
}

void PlaylistEditor::OnActivateView(bool activate)
{
    m_active = activate && m_doc;
    if (!m_active)
        return;
    updatePlayTime();
    // From the Channel column the slot of its first frame is described.
    m_statusText = describe(m_cursor.column == 0 ? 1 : m_cursor.frame(), m_cursor.slotChannel());
    emit descriptionChanged(m_statusText);
    updateCommandStates();
}

void PlaylistEditor::followFolder()
{
    if (m_doc)
        m_folderWatch->setFolder(m_doc->dataFolderPath());
    requestDurations();
    updatePlayTime();
    updateCommandStates();
}

void PlaylistEditor::showReplayed(const SlotRange& range)
{
    // The cursor stays when it stands on the change already (a slot of it, or the Channel
    // column of a one-channel change); otherwise it goes to the change's first slot.
    const bool onChange =
        m_cursor.column >= 1
            ? range.contains(m_cursor.frame(), m_cursor.slotChannel())
            : range.firstChannel == range.lastChannel && range.firstChannel == m_cursor.channel;
    if (onChange)
        moveCursorTo(m_cursor.column, m_cursor.channel - 1);
    else
        moveCursorTo(range.firstFrame, range.firstChannel - 1);
}

void PlaylistEditor::onSlotsChanged(const SlotRange& range)
{
    // Only the changed files' lengths are asked for, so that an edit stays as quick as the
    // cells it touches.
    requestDurations(range.firstChannel, range.lastChannel);
    updatePlayTime();
    if (m_cursor.column >= 1 && range.contains(m_cursor.frame(), m_cursor.slotChannel())) {
        m_statusText = describe(m_cursor.frame(), m_cursor.slotChannel());
        emit descriptionChanged(m_statusText);
    }
    scheduleCommandStates();
}

QString PlaylistEditor::describe(int frame, int channel) const
{
    if (!m_doc)
        return QString();
    return cuelist::text::DescriptionText(cuelist::DescribeSlot(m_doc->table(), frame, channel));
}

bool PlaylistEditor::isMissing(int frame, int channel) const
{
    if (!m_doc || m_doc->table().TypeAt(frame, channel) != cuelist::kTypeMp3)
        return false;
    return !m_folderWatch->contains(m_doc->cellText(frame, channel));
}

QString PlaylistEditor::filePath(int frame, int channel) const
{
    if (!m_doc || m_doc->table().TypeAt(frame, channel) != cuelist::kTypeMp3)
        return QString();
    return m_folderWatch->pathOf(m_doc->cellText(frame, channel));
}

void PlaylistEditor::requestDurations(int firstChannel, int lastChannel, bool recheck) const
{
    DurationStore* store = DurationStore::instance();
    if (!store || !m_doc)
        return;
    QSet<QString> paths;
    for (int channel = std::max(firstChannel, 1);
         channel <= std::min(lastChannel, cuelist::kEditableChannelCount); ++channel) {
        if (!m_doc->table().ChannelHasSlots(channel))
            continue;
        for (int frame = 1; frame <= cuelist::kFrameCount; ++frame)
            if (const QString path = filePath(frame, channel); !path.isEmpty())
                paths.insert(path);
    }
    store->request(paths.values(), recheck);
}

cuelist::ChannelPlayTime PlaylistEditor::channelPlayTime(int channel) const
{
    if (!m_doc)
        return {};
    const DurationStore* store = DurationStore::instance();
    const auto lookup = [this, store](const std::string& name) -> std::optional<std::int64_t> {
        const QString path = m_folderWatch->pathOf(cuelist::text::CellText(name));
        if (path.isEmpty() || (store && store->unreadable(path)))
            return cuelist::kUnplayable; // the preview stops there
        return store ? store->duration(path) : std::nullopt;
    };
    return cuelist::ChannelPlayTimeOf(m_doc->table(), channel, lookup);
}

QString PlaylistEditor::playTimeText() const
{
    if (!m_doc)
        return QString();
    const int channel = m_cursor.slotChannel();
    return tr("Ch.%1 play time: %2")
        .arg(channel, 4, 10, QLatin1Char('0'))
        .arg(cuelist::text::PlayTimeText(channelPlayTime(channel)));
}

void PlaylistEditor::updatePlayTime()
{
    // Only the active playlist's editor speaks for the pane.
    if (m_active)
        emit playTimeChanged(playTimeText());
}

void PlaylistEditor::playChannel()
{
    const int channel = m_cursor.channel;
    if (!m_doc || cuelist::SlotTable::CheckSlotRange(1, channel) != cuelist::kSlotDone)
        return;
    std::array<cuelist::SlotRecord, cuelist::kFrameCount> records;
    for (int frame = 1; frame <= cuelist::kFrameCount; ++frame)
        records[frame - 1] = m_doc->table().RecordAt(frame, channel);
    RunPlayChannelDialog(m_widget, QFile::encodeName(m_doc->dataFolderPath()).toStdString(),
                         channel, records, channelPlayTime(channel));
}

void PlaylistEditor::updateCommandStates() const
{
    if (CommandTable* table = CommandTable::instance())
        table->updateStates();
}

void PlaylistEditor::scheduleCommandStates()
{
    if (m_statesPending)
        return;
    m_statesPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_statesPending = false;
            updateCommandStates();
        },
        Qt::QueuedConnection);
}
