// SPDX-License-Identifier: GPL-3.0-or-later
#include "durationstore.h"

#include <QPointer>

namespace {
QPointer<DurationStore> g_store;
// Files measured per batch; each batch is delivered to the GUI thread as one signal.
constexpr std::size_t kBatch = 96;
// Loudness decodes whole files: few per batch, so that new length requests wait little.
constexpr std::size_t kLoudnessBatch = 4;
} // namespace

DurationStore::DurationStore(const QString& cacheFile, QObject* parent, const QString& loudnessFile)
    : QObject(parent), m_cache(cacheFile.toStdString()), m_loudnessCache(loudnessFile.toStdString())
{
}

void DurationStore::start()
{
    // The kept lengths and loudness are read on the worker, so that no window waits for them.
    if (!m_worker.joinable())
        m_worker = std::thread([this] { work(); });
}

DurationStore::~DurationStore()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_queue.clear();
        m_loudnessQueue.clear();
    }
    m_abort = true;
    m_wake.notify_all();
    if (m_worker.joinable())
        m_worker.join();
    m_cache.Save();
    m_loudnessCache.Save();
    if (g_store == this)
        g_store = nullptr;
}

DurationStore* DurationStore::instance()
{
    return g_store;
}

void DurationStore::setInstance(DurationStore* store)
{
    g_store = store;
}

std::optional<qint64> DurationStore::duration(const QString& path) const
{
    const auto it = m_known.find(path.toStdString());
    return it == m_known.end() ? std::nullopt : it->second;
}

bool DurationStore::unreadable(const QString& path) const
{
    const auto it = m_known.find(path.toStdString());
    return it != m_known.end() && !it->second;
}

void DurationStore::request(const QStringList& paths, bool recheck)
{
    // No file is touched here: opening a playlist never waits for the disk. The worker
    // checks the stamps.
    std::vector<std::string> pending;
    for (const QString& path : paths) {
        std::string item = path.toStdString();
        if (m_known.count(item) != 0) {
            if (recheck)
                pending.push_back(std::move(item));
            continue;
        }
        if (const auto entry = m_cache.FindAnyStamp(item))
            m_known[item] = entry->milliseconds;
        pending.push_back(std::move(item));
    }
    if (pending.empty())
        return;
    start();
    {
        std::lock_guard lock(m_mutex);
        for (std::string& path : pending)
            if (m_queued.insert(path).second)
                m_queue.push_back(std::move(path));
    }
    m_wake.notify_one();
}

bool DurationStore::busy() const
{
    std::lock_guard lock(m_mutex);
    return m_measuring || !m_queue.empty() || !m_loudnessQueue.empty();
}

std::optional<cuelist::Loudness> DurationStore::loudness(const QString& path) const
{
    const auto it = m_loudness.find(path.toStdString());
    return it == m_loudness.end() ? std::nullopt : it->second;
}

void DurationStore::noteLoudness(const std::vector<std::string>& paths,
                                 const std::vector<std::optional<cuelist::Loudness>>& values)
{
    for (std::size_t i = 0; i < paths.size() && i < values.size(); ++i)
        m_loudness[paths[i]] = values[i];
}

void DurationStore::work()
{
    m_cache.Load();
    m_loudnessCache.Load();
    for (;;) {
        std::vector<std::string> batch;
        bool forLengths = true;
        {
            std::unique_lock lock(m_mutex);
            m_measuring = false;
            m_wake.wait(lock, [this] {
                return m_stopping || !m_queue.empty() || !m_loudnessQueue.empty();
            });
            if (m_stopping)
                return;
            forLengths = !m_queue.empty();
            auto& queue = forLengths ? m_queue : m_loudnessQueue;
            auto& queued = forLengths ? m_queued : m_loudnessQueued;
            while (!queue.empty() && batch.size() < (forLengths ? kBatch : kLoudnessBatch)) {
                queued.erase(queue.front());
                batch.push_back(std::move(queue.front()));
                queue.pop_front();
            }
            if (forLengths)
                for (const std::string& path : batch)
                    if (m_loudnessQueued.insert(path).second)
                        m_loudnessQueue.push_back(path);
            m_measuring = true;
        }
        if (!forLengths) {
            // Kept values whose stamps still hold are only confirmed.
            const auto values = cuelist::ReadLoudness(batch, m_loudnessCache, 2, nullptr, &m_abort);
            if (m_abort)
                return;
            bool last = false;
            {
                std::lock_guard lock(m_mutex);
                last = m_queue.empty() && m_loudnessQueue.empty();
            }
            if (last)
                m_loudnessCache.Save();
            QMetaObject::invokeMethod(
                this, [this, batch, values] { noteLoudness(batch, values); }, Qt::QueuedConnection);
            continue;
        }
        // Files whose kept length still holds are only confirmed; the rest are measured.
        // Two readers: the machine the editor targets has two cores.
        const auto lengths = cuelist::ReadDurations(batch, m_cache, 2);
        bool last = false;
        {
            std::lock_guard lock(m_mutex);
            last = m_queue.empty();
        }
        if (last)
            m_cache.Save(); // a cache that cannot be written only costs time next run
        // Queued: the GUI thread owns m_known. A store being destroyed joins this thread
        // first, and Qt drops events posted to a deleted object.
        QMetaObject::invokeMethod(
            this, [this, batch, lengths] { deliver(batch, lengths); }, Qt::QueuedConnection);
    }
}

void DurationStore::deliver(const std::vector<std::string>& paths,
                            const std::vector<std::optional<std::int64_t>>& lengths)
{
    bool changed = false;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        auto [it, added] = m_known.try_emplace(paths[i], lengths[i]);
        if (added || it->second != lengths[i]) {
            it->second = lengths[i];
            changed = true;
        }
    }
    if (changed)
        emit durationsChanged();
}
