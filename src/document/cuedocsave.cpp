// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/datafolder.h"
#include "core/playlistfile.h"
#include "cuedoc.h"

#include <QFile>
#include <QFileInfo>

bool CCueDoc::HasPlaylistExtension(const QString& path)
{
    return cuelist::HasPlaylistExtension(path.toStdString());
}

bool CCueDoc::IsOutsideDataFolder(const QString& filePath) const
{
    return cuelist::IsOutsideDataFolder(filePath.toStdString(), m_dataFolderPath.toStdString());
}

QStringList CCueDoc::missingFileNames() const
{
    const cuelist::DataFolderListing folder(m_dataFolderPath.toStdString());
    QStringList names;
    for (const std::string& name : cuelist::MissingFiles(m_table, folder))
        names << QString::fromStdString(name);
    return names;
}

cuelist::fileio::FileResult CCueDoc::OnSaveDocument(const QString& path)
{
    // A failed write leaves any earlier file as it was; the document keeps its state too.
    const std::vector<std::uint8_t> image = cuelist::BuildImage(m_table);
    cuelist::fileio::FileStamp stamp;
    const cuelist::fileio::FileResult written =
        cuelist::fileio::WriteFileSafely(QFile::encodeName(path).toStdString(), image, &stamp);
    if (!written.ok())
        return written;

    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString folderBefore = m_dataFolderPath;
    m_playlistPath = absolute;
    m_diskStamp = stamp;
    m_dataFolderPath = QString::fromStdString(cuelist::DataFolderPathFor(absolute.toStdString()));
    m_dataFolderKnown = true;
    m_titleRefreshDue = true;
    m_undoStack.setClean();
    setModifiedFlag(false);
    if (m_dataFolderPath != folderBefore)
        emit dataFolderChanged();
    return written;
}
