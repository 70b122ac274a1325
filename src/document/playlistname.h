// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/datafolder.h"

#include <QFile>
#include <QString>

// Whether path names a playlist file: a name ending in ".slp", in any letter case as a
// FAT card shows it.
inline bool IsPlaylistPath(const QString& path)
{
    return cuelist::HasPlaylistExtension(QFile::encodeName(path).toStdString());
}
