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

    int channel = 0;
    if (m_dragHover)
        channel = rowOrCode + 1;
    else if (rowOrCode == kCodePageUp || rowOrCode == kCodePageDown)
        channel = m_activeChannel;
    else
        channel = selectionMark() + 1;

    m_cursorColumn = column;
    const int frame = std::clamp(column, 0, kLastColumn);
    channel = std::clamp(channel, 1, 127);
    if (m_doc)
        m_doc->SetCurrentSlot(frame, channel);
    m_statusText = describe(frame, channel);
    DescriptionPane::setText(m_statusText);
    updateCommandStates();
}

QString CCueView::describe(int frame, int channel) const
{
    if (!m_doc)
        return QString();
    return cuelist::text::DescriptionText(cuelist::DescribeSlot(m_doc->table(), frame, channel));
}
