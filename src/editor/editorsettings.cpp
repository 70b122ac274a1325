// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandids.h"
#include "commandtable.h"
#include "core/datafolder.h"
#include "core/slotsettings.h"
#include "cuedoc.h"
#include "firstline.h"
#include "mp3phrasedlg.h"
#include "playlisteditor.h"
#include "prompt.h"
#include "textphrasedlg.h"

#include <QWidget>

void PlaylistEditor::OpenSlotSettings(SettingsTrigger trigger)
{
    if (m_cursor.column <= 0 || !m_doc)
        return;
    // The slot checked here is the slot that is edited: the cursor's slot.
    const int frame = m_cursor.frame();
    const int channel = m_cursor.slotChannel();

    switch (m_doc->table().TypeAt(frame, channel)) {
    case cuelist::kTypeEmpty:
        // Select File runs once the event that asked for the settings is done.
        if (CommandTable* table = CommandTable::instance()) {
            QMetaObject::invokeMethod(
                table, [table] { table->execute(ID_SELECT_FILE); }, Qt::QueuedConnection);
        }
        break;
    case cuelist::kTypeMp3:
    case cuelist::kTypeText:
        openSettings(frame, channel, QString());
        break;
    default:
        prompt().refuse(m_widget, tr("Unknown File Type. Reset File Name"));
        if (trigger == SettingsTrigger::DoubleClick)
            prompt().refuse(m_widget, m_doc->cellText(frame, channel));
        break;
    }

    if (trigger == SettingsTrigger::DoubleClick && m_doc)
        describeCurrent();
}

PhraseValue PlaylistEditor::phraseValue(int frame, int channel, const QString& droppedPath) const
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
template <typename Dialog, typename Run>
void RunSettings(Dialog& dlg, CCueDoc* document, const PhraseValue& value, bool dropped,
                 const Run& run)
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
    doc->beginEditGroup(PlaylistEditor::tr("Settings"));
    if (run(dlg) == QDialog::Accepted)
        commit(dlg.value());
    if (doc)
        doc->endEditGroup();
}

} // namespace

void PlaylistEditor::openSettings(int frame, int channel, const QString& droppedPath)
{
    // droppedPath is set when the file was just dropped: Apply then starts disabled (and a
    // text file shows its own line).
    const PhraseValue value = phraseValue(frame, channel, droppedPath);
    const auto run = [this](QDialog& dialog) { return runDialog(dialog); };
    if (m_doc->table().TypeAt(frame, channel) == cuelist::kTypeText) {
        CTextPhraseDlg dlg(m_widget);
        RunSettings(dlg, m_doc, value, !droppedPath.isEmpty(), run);
    } else {
        CMp3PhraseDlg dlg(m_widget);
        RunSettings(dlg, m_doc, value, !droppedPath.isEmpty(), run);
    }
    if (m_widget)
        m_widget->update();
}
