// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafolderwatch.h"

#include "core/datafolder.h"

#include <QDir>
#include <QFileInfo>

namespace {
// Long enough to gather the events of one copy or move, well inside a second.
constexpr int kSettleMs = 150;
} // namespace

DataFolderWatch::DataFolderWatch(QObject* parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &DataFolderWatch::rescan);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle,
            qOverload<>(&QTimer::start));
}

DataFolderWatch::~DataFolderWatch() = default;

void DataFolderWatch::setFolder(const QString& dataFolderPath)
{
    if (dataFolderPath == m_path && m_listing)
        return;
    m_path = dataFolderPath;
    rescan();
}

void DataFolderWatch::rescan()
{
    m_listing = std::make_unique<cuelist::DataFolderListing>(m_path.toStdString());
    QStringList names;
    for (const std::string& name : m_listing->Names())
        names << QString::fromStdString(name);
    watchPaths();
    if (names != m_names) {
        m_names = names;
        emit changed();
    }
}

void DataFolderWatch::watchPaths()
{
    QStringList wanted;
    if (m_listing && m_listing->Exists())
        wanted << QString::fromStdString(m_listing->Folder());
    // The folder above: a DATA folder made, removed or renamed there is seen too.
    const QString above = QFileInfo(QDir::cleanPath(m_path)).absolutePath();
    if (!m_path.isEmpty() && QFileInfo(above).isDir())
        wanted << above + QLatin1Char('/');
    QStringList watched = m_watcher.directories();
    for (QString& path : watched)
        if (!path.endsWith(QLatin1Char('/')))
            path += QLatin1Char('/');
    if (watched == wanted)
        return;
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
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
