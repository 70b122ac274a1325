// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafolderwatch.h"

#include "core/datafolder.h"

#include <algorithm>
#include <QDir>
#include <QFileInfo>

namespace {
// Long enough to gather the events of one copy or move, well inside a second.
constexpr int kSettleMs = 150;
// However busy the folder is, a change shows within this time.
constexpr int kMaxWaitMs = 500;
// Files watched one by one (a file written over in place tells only its own watch); in a
// larger folder only the folder itself is watched.
constexpr qsizetype kMaxWatchedFiles = 4096;
// A watch per file costs a few milliseconds per hundred files: they are set up after the
// playlist's window has been painted, not while it opens.
constexpr int kFileWatchDelayMs = 1000;
} // namespace

DataFolderWatch::DataFolderWatch(QObject* parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(kMaxWaitMs);
    m_fileWatchDelay.setSingleShot(true);
    m_fileWatchDelay.setInterval(kFileWatchDelayMs);
    connect(&m_fileWatchDelay, &QTimer::timeout, this, [this] {
        m_watchFiles = true;
        watchPaths(m_names, false);
    });
    connect(&m_settle, &QTimer::timeout, this, &DataFolderWatch::rescan);
    connect(&m_deadline, &QTimer::timeout, this, &DataFolderWatch::rescan);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &DataFolderWatch::onEvent);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &DataFolderWatch::onEvent);
}

DataFolderWatch::~DataFolderWatch() = default;

void DataFolderWatch::setFolder(const QString& dataFolderPath)
{
    if (dataFolderPath == m_path && m_listing)
        return;
    m_path = dataFolderPath;
    m_watchFiles = false;
    m_fileWatchDelay.start();
    // A new folder is no change on disk: its owner refreshes what depends on it anyway.
    list(false);
}

void DataFolderWatch::onEvent()
{
    m_settle.start();
    if (!m_deadline.isActive())
        m_deadline.start();
}

void DataFolderWatch::rescan()
{
    list(true);
}

void DataFolderWatch::list(bool announce)
{
    m_settle.stop();
    m_deadline.stop();
    m_listing = std::make_unique<cuelist::DataFolderListing>(m_path.toStdString());
    QStringList names;
    QList<cuelist::fileio::FileStamp> stamps;
    for (const std::string& name : m_listing->Names()) {
        names << QString::fromStdString(name);
        // What a rewrite, a copy with kept times or a rename over the name changes.
        stamps << cuelist::fileio::StampOfListed(m_listing->Folder() + name);
    }
    std::vector<std::string> spellings = cuelist::DataFolderSpellings(m_path.toStdString());
    const bool differs = names != m_names || stamps != m_stamps || spellings != m_spellings;
    // A file replaced under its name keeps a watch on the old one: every watch is made anew.
    watchPaths(names, differs);
    if (differs) {
        m_names = names;
        m_stamps = stamps;
        m_spellings = std::move(spellings);
        if (announce)
            emit changed();
    }
}

void DataFolderWatch::watchPaths(const QStringList& names, bool renew)
{
    QStringList wanted;
    if (m_listing && m_listing->Exists()) {
        const QString folder = QString::fromStdString(m_listing->Folder());
        wanted << folder;
        if (m_watchFiles && names.size() <= kMaxWatchedFiles)
            for (const QString& name : names)
                wanted << folder + name;
    }
    // The folder above: a DATA folder made, removed or renamed there is seen too.
    const QString above = QFileInfo(QDir::cleanPath(m_path)).absolutePath();
    if (!m_path.isEmpty() && QFileInfo(above).isDir())
        wanted << above + QLatin1Char('/');
    QStringList watched = m_watcher.directories() + m_watcher.files();
    for (QString& path : watched)
        if (QFileInfo(path).isDir() && !path.endsWith(QLatin1Char('/')))
            path += QLatin1Char('/');
    std::sort(watched.begin(), watched.end());
    QStringList sortedWanted = wanted;
    std::sort(sortedWanted.begin(), sortedWanted.end());
    if (!renew && watched == sortedWanted)
        return;
    const QStringList old = m_watcher.directories() + m_watcher.files();
    if (!old.isEmpty())
        m_watcher.removePaths(old);
    if (!wanted.isEmpty())
        m_watcher.addPaths(wanted);
}

bool DataFolderWatch::contains(const QString& fileName) const
{
    return m_listing && m_listing->Contains(fileName.toStdString());
}

QString DataFolderWatch::pathOf(const QString& fileName) const
{
    return m_listing ? QString::fromStdString(m_listing->PathOf(fileName.toStdString()))
                     : QString();
}

QStringList DataFolderWatch::mp3Files() const
{
    QStringList files;
    for (const QString& name : m_names)
        if (name.endsWith(QLatin1String(".mp3"), Qt::CaseInsensitive))
            files << name;
    return files;
}
