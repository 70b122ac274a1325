// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/slotsettings.h"
#include "cuedoc.h"
#include "cuegridmodel.h"
#include "cueview.h"
#include "datafolderwatch.h"
#include "filefilter.h"
#include "findmissingdlg.h"
#include "prompt.h"
#include "slotrange.h"
#include "text/messages.h"

#include <QFileInfo>
#include <QMap>

QList<CFindMissingDlg::Missing> CCueView::MissingFiles() const
{
    QMap<QString, QList<QPoint>> byName; // sorted by name
    if (m_doc) {
        for (int channel = 1; channel <= cuelist::kEditableChannelCount; ++channel) {
            if (!m_doc->table().ChannelHasSlots(channel))
                continue;
            for (int frame = 1; frame <= cuelist::kFrameCount; ++frame)
                if (m_model->isMissing(frame, channel))
                    byName[m_doc->cellText(frame, channel)].append(QPoint(frame, channel));
        }
    }
    QList<CFindMissingDlg::Missing> missing;
    for (auto it = byName.cbegin(); it != byName.cend(); ++it)
        missing.append({it.key(), it.value()});
    return missing;
}

void CCueView::OnFindMissingFiles()
{
    m_folderWatch->rescan(); // what the disk holds now, not at the last notice
    CFindMissingDlg dialog(this);
    dialog.setMissing(MissingFiles());
    connect(&dialog, &CFindMissingDlg::relinkRequested, this, [this, &dialog](const QString& name) {
        if (RelinkMissingFile(name))
            dialog.setMissing(MissingFiles());
    });
    dialog.exec();
}

bool CCueView::RelinkMissingFile(const QString& missingName)
{
    const QPointer<CCueDoc> doc = m_doc;
    if (!doc)
        return false;
    const QString filter = QtFileFilter(tr("MP3 File(*.mp3)") + QLatin1String("|*.mp3|") +
                                        tr("All Files(*)") + QLatin1String("|*||"));
    const QString path = prompt().openFileName(this, tr("Relink %1").arg(missingName),
                                               doc->dataFolderPath(), filter);
    if (path.isEmpty() || !doc)
        return false;
    if (doc->IsOutsideDataFolder(path)) {
        prompt().refuse(this, tr("Choose a file in the data folder of this playlist."));
        return false;
    }
    const QString name = QFileInfo(path).fileName();
    cuelist::SlotTable scratch; // the name rules alone, without touching the playlist
    cuelist::NameResult refusal = cuelist::kNameAccepted;
    scratch.SetSlotFile(1, 1, name.toStdString(), &refusal);
    if (refusal != cuelist::kNameAccepted) {
        prompt().refuse(this, cuelist::text::NameResultMessage(refusal));
        return false;
    }

    // Every slot naming the missing file takes the new name and keeps its settings, as one step.
    bool changed = false;
    doc->beginEditGroup(tr("Relink %1").arg(missingName));
    for (const CFindMissingDlg::Missing& file : MissingFiles()) {
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
