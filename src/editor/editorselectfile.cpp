// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/datafolder.h"
#include "core/names.h"
#include "cuedoc.h"
#include "filefilter.h"
#include "playlisteditor.h"
#include "prompt.h"
#include "text/messages.h"

#include <QDir>
#include <QFileInfo>

void PlaylistEditor::OnSelectFile()
{
    if (!m_doc)
        return;
    const int frame = m_cursor.frame();
    const int channel = m_cursor.slotChannel();
    QWidget* parent = m_widget;

    std::uint8_t value = 0;
    std::uint8_t type = 0;
    const cuelist::SlotResult state =
        m_doc->table().GetSlotVolumeOrSpeed(frame, channel, value, type);
    if (state == cuelist::kSlotUnknownType) {
        prompt().refuse(parent, tr("Selected file is not playlist or damaged"));
        return;
    }
    if (state != cuelist::kSlotDone) {
        prompt().refuse(parent, cuelist::text::RangeResultMessage(state));
        return;
    }
    if (type != cuelist::kTypeEmpty &&
        prompt().ask(parent, m_doc->replacePrompt(), QMessageBox::Ok | QMessageBox::Cancel,
                     QMessageBox::Warning) != QMessageBox::Ok)
        return;

    // The data folder as it is on disk, else the playlist's folder, else home.
    QString folder = QString::fromStdString(
        cuelist::ResolveFolderIgnoringCase(m_doc->dataFolderPath().toStdString()));
    if (folder.isEmpty()) {
        const QFileInfo playlistFolder(QFileInfo(m_doc->playlistPath()).absolutePath());
        folder = playlistFolder.isDir() ? playlistFolder.absoluteFilePath() : QDir::homePath();
    }
    const QString path = prompt().openFileName(
        parent, tr("Select File"), folder,
        QtFileFilter(tr("MP3(*.MP3)|*.MP3|All Files(*.*)|*.*||"), FilterCase::BothCases));
    if (path.isEmpty() || !m_doc)
        return;

    // A symbolic link stands for the file it points to, as with dropped files.
    const QFileInfo chosen(path);
    const QString file = chosen.isSymLink() && !chosen.canonicalFilePath().isEmpty()
                             ? chosen.canonicalFilePath()
                             : path;
    // The file and the settings confirmed for it are one step; Cancel keeps the file.
    m_doc->beginEditGroup(tr("Select File"));
    if (storeChosenFile(file, frame, channel))
        OnOpenContents();
    if (m_doc)
        m_doc->endEditGroup();
}

bool PlaylistEditor::storeChosenFile(const QString& path, int frame, int channel)
{
    const QFileInfo info(path);
    // A folder is no phrase file, whatever its name.
    if (info.isDir() || !cuelist::IsInFolderNamedData(path.toStdString())) {
        prompt().refuse(m_widget, tr("Select file existring in the DATA folder"));
        return false;
    }
    if (m_doc->IsDataFolderKnown() && m_doc->IsOutsideDataFolder(path)) {
        prompt().refuse(m_widget,
                        tr("Cannot refer to the files in this \"data\" folder from the playlist."));
        return false;
    }
    // Only the editable part of the table is ever written.
    if (const cuelist::SlotResult range = cuelist::SlotTable::CheckSlotRange(frame, channel);
        range != cuelist::kSlotDone) {
        prompt().refuse(m_widget, cuelist::text::RangeResultMessage(range));
        return false;
    }
    const QString name = info.fileName();
    if (const cuelist::NameResult refusal = cuelist::CheckChosenFileName(name.toStdString());
        refusal != cuelist::kNameAccepted) {
        prompt().refuse(m_widget, cuelist::text::NameResultMessage(refusal));
        return false;
    }
    m_doc->setDataFolderFromFile(path);
    m_doc->SetSlotFile(frame, channel, name);
    return true;
}

void PlaylistEditor::OnOpenContents()
{
    OpenSlotSettings(SettingsTrigger::DoubleClick);
}
