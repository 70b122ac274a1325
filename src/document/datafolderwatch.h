// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fileio/filestamp.h"

#include <memory>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>
#include <string>
#include <vector>

namespace cuelist {
class DataFolderListing;
}

// Which files a playlist's data folder holds, kept current while the folder changes on disk:
// the folder, its files and the folder above it (where DATA may appear, vanish or be renamed)
// are watched, and every change is answered by one new listing that also compares each file's
// size, times and inode. A burst of events is gathered, but never for longer than half a
// second. GUI thread only.
class DataFolderWatch final : public QObject
{
    Q_OBJECT
public:
    explicit DataFolderWatch(QObject* parent = nullptr);
    ~DataFolderWatch() override;
    Q_DISABLE_COPY_MOVE(DataFolderWatch)

    // Watches this data folder (a path ending in "/", its last part matched ignoring case)
    // and lists it at once; the same path again changes nothing.
    void setFolder(const QString& dataFolderPath);
    QString folder() const { return m_path; }

    // True when the folder holds the file (UTF-8 name, ASCII case ignored).
    bool contains(const QString& fileName) const;
    // The file's path as on disk; empty when the folder does not hold it.
    QString pathOf(const QString& fileName) const;
    // The names of the folder's MP3 files as on disk, sorted.
    QStringList mp3Files() const;
    // The folders beside it that differ from its name only in case, the one in use first;
    // empty when there is only one.
    const std::vector<std::string>& spellings() const { return m_spellings; }

    // Lists the folder again now; changed() follows when what it holds differs.
    void rescan();

signals:
    // The folder's files changed on disk, were added, removed or replaced (or the folder came
    // or went).
    void changed();

private:
    // Lists the folder; changed() follows when announce is set and what it holds differs.
    void list(bool announce);
    void onEvent();
    void watchPaths(const QStringList& names, bool renew);

    QString m_path;
    std::unique_ptr<cuelist::DataFolderListing> m_listing;
    QStringList m_names;                        // what the last listing held, to tell a real change
    QList<cuelist::fileio::FileStamp> m_stamps; // index for index with m_names
    std::vector<std::string> m_spellings;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;         // a copy of many files is one rescan, not one per file
    QTimer m_deadline;       // started by the first event of a burst; the settle wait ends there
    QTimer m_fileWatchDelay; // a new folder's files are watched once it has run out
    bool m_watchFiles = false;
};
