// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandids.h"
#include "commandtable.h"
#include "core/datafolder.h"
#include "cuedoc.h"
#include "cueview.h"
#include "firstline.h"
#include "mp3phrasedlg.h"
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

    switch (m_doc->table().TypeAt(frame, channel)) {
    case cuelist::kTypeEmpty:
        // Select File belongs to the document; it runs once this event is done.
        if (CommandTable* table = CommandTable::instance()) {
            QMetaObject::invokeMethod(
                table, [table] { table->execute(ID_SELECT_FILE); }, Qt::QueuedConnection);
        }
        viewport()->update();
        break;
    case cuelist::kTypeMp3:
        openMp3Settings(frame, channel, QString());
        break;
    case cuelist::kTypeText:
        openTextSettings(frame, channel, QString());
        break;
    default:
        prompt().refuse(this, tr("Unknown File Type. Reset File Name"));
        if (trigger == SettingsTrigger::DoubleClick)
            prompt().refuse(this, m_doc->cellText(frame, channel));
        break;
    }

    if (trigger == SettingsTrigger::DoubleClick && m_doc)
        ShowSlotDescription(frame, activeChannel());
}

PhraseValue CCueView::phraseValue(int frame, int channel, const QString& droppedPath) const
{
    PhraseValue value;
    value.frame = frame;
    value.channel = channel;
    value.fileName = m_doc->cellText(frame, channel);
    value.settings = cuelist::ReadSlotSettings(m_doc->table(), frame, channel);
    if (m_doc->table().TypeAt(frame, channel) != cuelist::kTypeText)
        return value;
    if (!droppedPath.isEmpty()) {
        value.textContents = ReadFirstTextLine(droppedPath);
        return value;
    }
    const cuelist::DataFolderListing folder(m_doc->dataFolderPath().toStdString());
    if (const auto* entry = folder.Find(value.fileName.toStdString()))
        value.textContents =
            ReadFirstTextLine(QString::fromStdString(folder.Folder() + entry->name));
    return value;
}

namespace {

// Runs a settings dialog and commits what Apply and OK confirm as one step of the document.
// The document may go away while the dialog runs (its window closed from elsewhere).
template <typename Dialog>
void RunSettings(Dialog& dlg, CCueDoc* document, const PhraseValue& value, bool dropped)
{
    const QPointer<CCueDoc> doc = document;
    if (!doc)
        return;
    const auto commit = [doc](const PhraseValue& confirmed) {
        if (doc)
            doc->SetSlotSettings(confirmed.frame, confirmed.channel, confirmed.settings);
    };
    dlg.setValue(value);
    dlg.setApplyHandler(commit);
    dlg.setApplyDisabled(dropped);
    doc->beginEditGroup(CCueView::tr("Settings"));
    if (dlg.exec() == QDialog::Accepted)
        commit(dlg.value());
    if (doc)
        doc->endEditGroup();
}

} // namespace

void CCueView::openMp3Settings(int frame, int channel, const QString& droppedPath)
{
    {
        CMp3PhraseDlg dlg(this);
        RunSettings(dlg, m_doc, phraseValue(frame, channel, droppedPath), !droppedPath.isEmpty());
    }
    viewport()->update();
}

void CCueView::openTextSettings(int frame, int channel, const QString& droppedPath)
{
    {
        CTextPhraseDlg dlg(this);
        RunSettings(dlg, m_doc, phraseValue(frame, channel, droppedPath), !droppedPath.isEmpty());
    }
    viewport()->update();
}
