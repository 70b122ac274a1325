#include "commandids.h"
#include "commandtable.h"
#include "cuedoc.h"
#include "cueview.h"
#include "firstline.h"
#include "mp3phrasedlg.h"
#include "phrasecommit.h"
#include "prompt.h"
#include "textphrasedlg.h"

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
            openMp3Settings(frame, channel, QString());
        } else if (kind == QLatin1String("txt")) {
            openTextSettings(frame, channel, QString());
        } else {
            prompt().refuse(this, tr("Unknown File Type. Reset File Name"));
            if (trigger == SettingsTrigger::DoubleClick)
                prompt().refuse(this, cellText);
        }
    }

    if (trigger == SettingsTrigger::DoubleClick)
        ShowSlotDescription(frame, m_activeChannel);
}

void CCueView::openMp3Settings(int frame, int channel, const QString& droppedPath)
{
    // The document may go away while the dialog runs (its window closed from elsewhere).
    const QPointer<CCueDoc> doc = m_doc;
    {
        CMp3PhraseDlg dlg(doc, this);
        dlg.loadSlot(*doc, frame, channel);
        dlg.setApplyDisabled(!droppedPath.isEmpty());
        if (dlg.exec() == QDialog::Accepted && doc)
            CommitMp3Phrase(*doc, dlg, frame, channel);
    }
    viewport()->repaint();
}

void CCueView::openTextSettings(int frame, int channel, const QString& droppedPath)
{
    const QPointer<CCueDoc> doc = m_doc;
    {
        CTextPhraseDlg dlg(doc, this);
        dlg.loadSlot(*doc, frame, channel);
        if (!droppedPath.isEmpty()) {
            dlg.setTextContents(ReadFirstTextLine(droppedPath));
            dlg.setApplyDisabled(true);
        }
        if (dlg.exec() == QDialog::Accepted && doc)
            CommitTextPhrase(*doc, dlg, frame, channel);
    }
    viewport()->repaint();
}
