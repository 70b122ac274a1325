// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/describe.h"
#include "cuedoc.h"
#include "cuegridmodel.h"
#include "cueview.h"
#include "datafolderwatch.h"
#include "descriptionpane.h"
#include "durationstore.h"
#include "playtimepane.h"
#include "text/messages.h"

#include <algorithm>
#include <QSet>

void CCueView::ShowSlotDescription(int column, int rowOrCode)
{
    if (column == 0) {
        DescriptionPane::setText(QStringLiteral("       "));
        updatePlayTime();
        updateCommandStates();
        return;
    }

    // Every route names the cursor's row: the slot described is the one commands act on.
    (void)rowOrCode;
    const int channel = activeChannel();
    m_cursorColumn = column;
    const int frame = std::clamp(column, 0, kLastColumn);
    const int shownChannel = std::clamp(channel, 1, cuelist::kEditableChannelCount);
    if (m_doc)
        m_doc->SetCurrentSlot(frame, shownChannel);
    m_statusText = describe(frame, shownChannel);
    DescriptionPane::setText(m_statusText);
    updatePlayTime();
    updateCommandStates();
}

void CCueView::requestDurations(int firstChannel, int lastChannel, bool recheck) const
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
            if (const QString path = m_model->filePath(frame, channel); !path.isEmpty())
                paths.insert(path);
    }
    store->request(paths.values(), recheck);
}

cuelist::ChannelPlayTime CCueView::channelPlayTime(int channel) const
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

QString CCueView::playTimeText() const
{
    if (!m_doc)
        return QString();
    const int channel = std::clamp(activeChannel(), 1, cuelist::kEditableChannelCount);
    return tr("Ch.%1 play time: %2")
        .arg(channel, 4, 10, QLatin1Char('0'))
        .arg(cuelist::text::PlayTimeText(channelPlayTime(channel)));
}

void CCueView::updatePlayTime()
{
    // Only the active playlist's view speaks for the pane.
    if (m_active)
        PlayTimePane::setText(playTimeText());
}

QString CCueView::describe(int frame, int channel) const
{
    if (!m_doc)
        return QString();
    return cuelist::text::DescriptionText(cuelist::DescribeSlot(m_doc->table(), frame, channel));
}
