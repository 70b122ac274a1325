#include "durationstore.h"

#include <QPointer>

namespace {
QPointer<DurationStore> g_store;
// Files measured per batch; each batch is delivered to the GUI thread as one signal.
constexpr std::size_t kBatch = 96;
} // namespace

DurationStore::DurationStore(const QString& cacheFile, QObject* parent)
    : QObject(parent), m_cache(cacheFile.toStdString())
{
    m_cache.Load();
    m_worker = std::thread([this] { work(); });
}

DurationStore::~DurationStore()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_queue.clear();
    }
    m_wake.notify_all();
    m_worker.join();
    m_cache.Save();
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
    return it == m_known.end() ? std::nullopt : it->second.milliseconds;
}

void DurationStore::request(const QStringList& paths)
{
    std::vector<Item> pending;
    for (const QString& path : paths) {
        Item item{path.toStdString(), {}};
        const auto stamp = cuelist::StampOf(item.path);
        if (!stamp) {
            m_known.erase(item.path);
            continue;
        }
        item.stamp = *stamp;
        if (const auto it = m_known.find(item.path);
            it != m_known.end() && it->second.stamp == item.stamp)
            continue;
        if (const auto entry = m_cache.Find(item.path, item.stamp)) {
            m_known[item.path] = {item.stamp, entry->milliseconds};
            continue;
        }
        m_known.erase(item.path);
        pending.push_back(std::move(item));
    }
    if (pending.empty())
        return;
    {
        std::lock_guard lock(m_mutex);
        for (Item& item : pending) {
            const auto [it, added] = m_queued.try_emplace(item.path, item.stamp);
            if (!added && it->second == item.stamp)
                continue;
            it->second = item.stamp;
            m_queue.push_back(std::move(item));
        }
    }
    m_wake.notify_one();
}

bool DurationStore::busy() const
{
    std::lock_guard lock(m_mutex);
    return m_measuring || !m_queue.empty();
}

void DurationStore::work()
{
    for (;;) {
        std::vector<Item> batch;
        {
            std::unique_lock lock(m_mutex);
            m_measuring = false;
            m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
            if (m_stopping)
                return;
            while (!m_queue.empty() && batch.size() < kBatch) {
                batch.push_back(std::move(m_queue.front()));
                m_queue.pop_front();
            }
            m_measuring = true;
        }
        std::vector<std::string> paths;
        for (const Item& item : batch)
            paths.push_back(item.path);
        // Two readers: the machine the editor targets has two cores.
        const auto lengths = cuelist::ReadDurations(paths, m_cache, 2);
        bool last = false;
        {
            std::lock_guard lock(m_mutex);
            for (const Item& item : batch)
                if (const auto it = m_queued.find(item.path);
                    it != m_queued.end() && it->second == item.stamp)
                    m_queued.erase(it);
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

void DurationStore::deliver(const std::vector<Item>& items,
                            const std::vector<std::optional<std::int64_t>>& lengths)
{
    for (std::size_t i = 0; i < items.size(); ++i)
        m_known[items[i].path] = {items[i].stamp, lengths[i]};
    emit durationsChanged();
}
