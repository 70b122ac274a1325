#include "commandids.h"
#include "commandtable.h"
#include "cuedoc.h"
#include "cueview.h"
#include "prompt.h"

void CCueView::OpenSlotSettings()
{
    openSlotSettings(SettingsTrigger::DoubleClick);
}

void CCueView::openSlotSettings(SettingsTrigger trigger)
{
    if (m_cursorColumn <= 0 || !m_doc)
        return;
    // The slot checked here is the slot that is edited: the document's current slot.
    int frame = 0;
    int channel = 0;
    m_doc->GetCurrentSlot(frame, channel);
    const QString cellText = m_doc->cellText(frame, channel);

    if (cellText == QLatin1String(" ")) {
        // Select File belongs to the document; it runs once this event is done.
        if (CommandTable* table = CommandTable::instance()) {
            QMetaObject::invokeMethod(
                table, [table] { table->execute(ID_SELECT_FILE); }, Qt::QueuedConnection);
        }
        viewport()->repaint();
    } else {
        const QString kind = cellText.right(3).toLower();
        if (kind == QLatin1String("mp3")) {
            openMp3Settings(frame, channel, cellText);
        } else if (kind == QLatin1String("txt")) {
            openTextSettings(frame, channel, cellText);
        } else {
            prompt().refuse(this, tr("Unknown File Type. Reset File Name"));
            if (trigger == SettingsTrigger::DoubleClick)
                prompt().refuse(this, cellText);
        }
    }

    if (trigger == SettingsTrigger::DoubleClick)
        ShowSlotDescription(frame, m_activeChannel);
}

void CCueView::openMp3Settings(int /*frame*/, int /*channel*/, const QString& /*cellText*/)
{
    viewport()->repaint();
}

void CCueView::openTextSettings(int /*frame*/, int /*channel*/, const QString& /*cellText*/)
{
    viewport()->repaint();
}
