// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/names.h"
#include "core/slotsettings.h"
#include "cuedoc.h"
#include "datafolderwatch.h"
#include "filefilter.h"
#include "findmissingdlg.h"
#include "playlisteditor.h"
#include "prompt.h"
#include "text/messages.h"

#include <QFileInfo>
#include <QMap>

QList<CFindMissingDlg::Missing> PlaylistEditor::missingFiles() const
{
    QMap<QString, QList<QPoint>> byName; // sorted by name
    if (m_doc) {
        for (int channel = 1; channel <= cuelist::kEditableChannelCount; ++channel) {
            if (!m_doc->table().ChannelHasSlots(channel))
                continue;
            for (int frame = 1; frame <= cuelist::kFrameCount; ++frame)
                if (isMissing(frame, channel))
                    byName[m_doc->cellText(frame, channel)].append(QPoint(frame, channel));
        }
    }
    QList<CFindMissingDlg::Missing> missing;
    for (auto it = byName.cbegin(); it != byName.cend(); ++it)
        missing.append({it.key(), it.value()});
    return missing;
}

void PlaylistEditor::onFindMissingFiles()
{
    m_folderWatch->rescan(); // what the disk holds now, not at the last notice
    CFindMissingDlg dialog(m_widget);
    dialog.setMissing(missingFiles());
    connect(&dialog, &CFindMissingDlg::relinkRequested, this, [this, &dialog](const QString& name) {
        if (relinkMissingFile(name))
            dialog.setMissing(missingFiles());
    });
    runDialog(dialog);
}

bool PlaylistEditor::relinkMissingFile(const QString& missingName)
{
    const QPointer<CCueDoc> doc = m_doc;
    if (!doc)
        return false;
    const QString filter = QtFileFilter(tr("MP3 File(*.mp3)") + QLatin1String("|*.mp3|") +
                                        tr("All Files(*)") + QLatin1String("|*||"));
    const QString path = prompt().openFileName(m_widget, tr("Relink %1").arg(missingName),
                                               doc->dataFolderPath(), filter);
    if (path.isEmpty() || !doc)
        return false;
    if (doc->IsOutsideDataFolder(path)) {
        prompt().refuse(m_widget, tr("Choose a file in the data folder of this playlist."));
        return false;
    }
    const QString name = QFileInfo(path).fileName();
    if (const cuelist::NameResult refusal = cuelist::CheckChosenFileName(name.toStdString());
        refusal != cuelist::kNameAccepted) {
        prompt().refuse(m_widget, cuelist::text::NameResultMessage(refusal));
        return false;
    }

    // Every slot naming the missing file takes the new name and keeps its settings, as one step.
    bool changed = false;
    doc->beginEditGroup(tr("Relink %1").arg(missingName));
    for (const CFindMissingDlg::Missing& file : missingFiles()) {
        if (file.name != missingName)
            continue;
        for (const QPoint& slot : file.places)
            changed =
                doc->SetSlotFile(slot.x(), slot.y(), name,
                                 cuelist::ReadSlotSettings(doc->table(), slot.x(), slot.y())) ||
                changed;
    }
    doc->endEditGroup();
    return changed;
}
