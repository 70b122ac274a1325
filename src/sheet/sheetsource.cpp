// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/datafolder.h"
#include "sheetcontent.h"

#include <QFile>
#include <QFileInfo>

namespace cuelist::sheet {

SheetSource SourceForPlaylistFile(const SlotTable& table, const QString& playlistPath,
                                  const QString& dataFolderPath)
{
    SheetSource source;
    source.table = &table;
    const QFileInfo file(playlistPath);
    source.title = file.fileName();
    source.playlistPath = file.absoluteFilePath();
    if (file.exists())
        source.lastSaved = file.lastModified();
    const DataFolderListing listing(QFile::encodeName(dataFolderPath).toStdString());
    source.dataFolderKnown = true;
    source.totalKb = TotalDataSizeKb(table, listing);
    for (std::string& name : MissingFiles(table, listing))
        source.missing.insert(std::move(name));
    return source;
}

} // namespace cuelist::sheet
