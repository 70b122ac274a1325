// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/datafolder.h"
#include "core/playlistfile.h"
#include "cuedoc.h"
#include "ownfiledialog.h"
#include "prompt.h"
#include "text/messages.h"
#include "waitcursor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

namespace {

// The playlist's own folder: the parent of its data folder.
QString PlaylistFolderOf(const QString& dataFolderPath)
{
    QString folder = QDir::cleanPath(dataFolderPath);
    const QFileInfo info(folder);
    if (info.fileName().compare(QLatin1String("DATA"), Qt::CaseInsensitive) == 0)
        folder = info.path();
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

bool CCueDoc::HasPlaylistExtension(const QString& path)
{
    return cuelist::HasPlaylistExtension(path.toStdString());
}

bool CCueDoc::IsOutsideDataFolder(const QString& filePath) const
{
    return cuelist::IsOutsideDataFolder(filePath.toStdString(), m_dataFolderPath.toStdString());
}

bool CCueDoc::CheckMissingFiles()
{
    const cuelist::DataFolderListing folder(m_dataFolderPath.toStdString());
    const std::vector<std::string> missing = cuelist::MissingFiles(m_table, folder);
    if (missing.empty())
        return true;
    QStringList names;
    for (const std::string& name : missing)
        names << QString::fromStdString(name);
    QString text = tr("The following files do not exist in \"data\" folder.\n"
                      "Are you sure you want to do the save operation?") +
                   QLatin1String("\r\n") + names.join(QLatin1String(", "));
    // With DATA and data side by side, the user must learn which one was looked in.
    if (const QString note = cuelist::text::AmbiguousDataFolderText(
            cuelist::DataFolderSpellings(m_dataFolderPath.toStdString()));
        !note.isEmpty())
        text += QLatin1String("\r\n\r\n") + note;
    return prompt().ask(dialogParent(), text, QMessageBox::Yes | QMessageBox::No,
                        QMessageBox::Question) == QMessageBox::Yes;
}

bool CCueDoc::OnSaveDocument(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (absolute == QFileInfo(m_playlistPath).absoluteFilePath() && IsChangedOnDisk() &&
        prompt().ask(dialogParent(),
                     tr("The file was changed by another program since it was opened. "
                        "Overwrite it?"),
                     QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning) != QMessageBox::Yes)
        return false;

    // A failed write leaves any earlier file as it was; the document keeps its state too.
    const std::vector<std::uint8_t> image = cuelist::BuildImage(m_table);
    cuelist::fileio::FileStamp stamp;
    const cuelist::fileio::FileResult written =
        cuelist::fileio::WriteFileSafely(QFile::encodeName(path).toStdString(), image, &stamp);
    if (!written.ok()) {
        // A refusal (read-only folder, device, link) explains itself and names what it concerns.
        const QString text =
            tr("Unable to save %1.\n%2")
                .arg(QDir::toNativeSeparators(path), cuelist::text::FileFaultReason(written));
        prompt().refuse(dialogParent(), text);
        return false;
    }

    m_playlistPath = absolute;
    m_diskStamp = stamp;
    m_dataFolderPath = QString::fromStdString(cuelist::DataFolderPathFor(absolute.toStdString()));
    m_dataFolderKnown = true;
    m_titleRefreshDue = true;
    m_undoStack.setClean();
    setModifiedFlag(false);
    return true;
}

bool CCueDoc::PromptSaveFileName(QString& name, bool replace)
{
    const QString title = replace ? tr("Save As") : tr("Save Copy As");
    if (!name.contains(QLatin1Char('/')))
        name = PlaylistFolderOf(m_dataFolderPath) + name;
    COwnFileDialog dialog(dialogParent(), title);
    if (!dialog.exec(name))
        return false;
    name = dialog.chosenPath();
    return true;
}

bool CCueDoc::DoSave(const QString& path, bool replace)
{
    if (!CheckMissingFiles())
        return false;

    QString name = path.isEmpty() ? pathName() : path;
    const bool ask = path.isEmpty() || !HasPlaylistExtension(path);
    if (replace && name.isEmpty())
        name = QStringLiteral("playlist.slp");
    if (!name.isEmpty() && !HasPlaylistExtension(name)) {
        // A file opened under another extension is offered under its own name.
        const QFileInfo info(name);
        name = info.absolutePath() + QLatin1Char('/') + info.completeBaseName() +
               QLatin1String(".slp");
    }
    if (ask && !PromptSaveFileName(name, replace))
        return false;

    {
        const WaitCursor wait;
        if (!OnSaveDocument(name))
            return false;
    }
    if (replace)
        setPathName(QFileInfo(name).absoluteFilePath());
    return true;
}

bool CCueDoc::DoFileSave()
{
    const QFileInfo file(pathName());
    if (pathName().isEmpty() || !file.exists() || !file.isWritable())
        return DoSave(QString(), true);
    return DoSave(pathName(), true);
}

bool CCueDoc::SaveModified()
{
    if (!isModified())
        return true;
    QString name = shownTitle();
    if (pathName().isEmpty()) {
        name = title();
        if (name.isEmpty())
            name = tr("playlist");
    }
    const QMessageBox::StandardButton answer = prompt().ask(
        dialogParent(), tr("Do you want to save changes %1?").arg(name),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Question);
    if (answer == QMessageBox::Yes)
        return DoFileSave();
    return answer == QMessageBox::No;
}
