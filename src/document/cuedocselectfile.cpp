// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/datafolder.h"
#include "core/names.h"
#include "cuedoc.h"
#include "documentview.h"
#include "prompt.h"
#include "text/messages.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

// "Name(*.EXT)|*.EXT|All(*.*)|*.*||" for QFileDialog, whose patterns are matched with
// case on some platforms: each extension in both cases, and "*.*" as "*" so that names
// without a dot are listed too. Each name shows the patterns it stands for.
QString OpenFilter(const QString& barSeparated)
{
    const QStringList parts = barSeparated.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        if (name.isEmpty())
            break;
        if (const qsizetype open = name.indexOf(QLatin1Char('(')); open > 0)
            name = name.left(open).trimmed();
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString trimmed = pattern.trimmed();
            if (trimmed == QLatin1String("*.*")) {
                patterns << QStringLiteral("*");
                continue;
            }
            for (const QString& variant : {trimmed, trimmed.toUpper(), trimmed.toLower()})
                if (!patterns.contains(variant))
                    patterns << variant;
        }
        filters << name + QLatin1Char('(') + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters.join(QLatin1String(";;"));
}

} // namespace

void CCueDoc::OnSelectFile()
{
    int frame = 0;
    int channel = 0;
    GetCurrentSlot(frame, channel);
    QWidget* parent = dialogParent();

    std::uint8_t value = 0;
    std::uint8_t type = 0;
    const cuelist::SlotResult state = m_table.GetSlotVolumeOrSpeed(frame, channel, value, type);
    if (state == cuelist::kSlotUnknownType) {
        prompt().refuse(parent, tr("Selected file is not playlist or damaged"));
        return;
    }
    if (state != cuelist::kSlotDone) {
        prompt().refuse(parent, cuelist::text::RangeResultMessage(state));
        return;
    }
    if (type != cuelist::kTypeEmpty &&
        prompt().ask(parent, replacePrompt(), QMessageBox::Ok | QMessageBox::Cancel,
                     QMessageBox::Warning) != QMessageBox::Ok)
        return;

    // The data folder as it is on disk, else the playlist's folder, else home.
    QString folder =
        QString::fromStdString(cuelist::ResolveFolderIgnoringCase(m_dataFolderPath.toStdString()));
    if (folder.isEmpty()) {
        const QFileInfo playlistFolder(QFileInfo(m_playlistPath).absolutePath());
        folder = playlistFolder.isDir() ? playlistFolder.absoluteFilePath() : QDir::homePath();
    }
    const QString path = prompt().openFileName(
        parent, tr("Select File"), folder, OpenFilter(tr("MP3(*.MP3)|*.MP3|All Files(*.*)|*.*||")));
    if (path.isEmpty())
        return;

    // A symbolic link stands for the file it points to, as with dropped files.
    const QFileInfo chosen(path);
    const QString file = chosen.isSymLink() && !chosen.canonicalFilePath().isEmpty()
                             ? chosen.canonicalFilePath()
                             : path;
    // The file and the settings confirmed for it are one step; Cancel keeps the file.
    beginEditGroup(tr("Select File"));
    if (StoreChosenFile(parent, file, frame, channel))
        OnOpenContents();
    endEditGroup();
}

bool CCueDoc::StoreChosenFile(QWidget* parent, const QString& path, int frame, int channel)
{
    const QFileInfo info(path);
    // A folder is no phrase file, whatever its name.
    if (info.isDir() || !cuelist::IsInFolderNamedData(path.toStdString())) {
        prompt().refuse(parent, tr("Select file existring in the DATA folder"));
        return false;
    }
    if (m_dataFolderKnown && IsOutsideDataFolder(path)) {
        prompt().refuse(parent,
                        tr("Cannot refer to the files in this \"data\" folder from the playlist."));
        return false;
    }
    // Only the editable part of the table is ever written.
    if (const cuelist::SlotResult range = cuelist::SlotTable::CheckSlotRange(frame, channel);
        range != cuelist::kSlotDone) {
        prompt().refuse(parent, cuelist::text::RangeResultMessage(range));
        return false;
    }
    // A blank name would clear the slot instead of storing a file.
    const QString name = info.fileName();
    if (name.trimmed().isEmpty()) {
        prompt().refuse(parent, cuelist::text::NameResultMessage(cuelist::kNameNotMp3));
        return false;
    }
    // The slot would trim such a name and so name another file, or none.
    if (const cuelist::NameResult edges = cuelist::CheckFileNameEdges(name.toStdString());
        edges != cuelist::kNameAccepted) {
        prompt().refuse(parent, cuelist::text::NameResultMessage(edges));
        return false;
    }
    if (const cuelist::NameResult refusal = cuelist::CheckSlotFileName(name.toStdString()).result;
        refusal != cuelist::kNameAccepted) {
        prompt().refuse(parent, cuelist::text::NameResultMessage(refusal));
        return false;
    }
    setDataFolderFromFile(path);
    SetSlotFile(frame, channel, name);
    return true;
}

void CCueDoc::OnOpenContents()
{
    if (DocumentView* view = firstView())
        view->OpenSlotSettings();
}
