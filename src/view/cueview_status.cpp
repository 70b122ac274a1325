#include "core/describe.h"
#include "cuedoc.h"
#include "cueview.h"
#include "descriptionpane.h"
#include "text/messages.h"

#include <algorithm>

void CCueView::ShowSlotDescription(int column, int rowOrCode)
{
    if (column == 0) {
        DescriptionPane::setText(QStringLiteral("       "));
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
    updateCommandStates();
}

QString CCueView::describe(int frame, int channel) const
{
    if (!m_doc)
        return QString();
    return cuelist::text::DescriptionText(cuelist::DescribeSlot(m_doc->table(), frame, channel));
}
