// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/durationcache.h"
#include "media/loudness.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <QObject>
#include <QString>
#include <set>
#include <thread>

// The play lengths and loudness of the MP3 files the open playlists name, for the grid's tool
// tips, the play-time pane and Match Loudness. Lengths kept from earlier runs are read on a
// worker thread, started when first needed, and known as soon as it has them; the others are
// measured there too, so no caller ever waits for a file. Loudness is measured on the same worker
// after every waiting length, a few files at a time, and kept beside the lengths under the same
// file stamps. The application makes one and registers it; without one no length is known.
class DurationStore final : public QObject
{
    Q_OBJECT
public:
    // cacheFile: where lengths are kept between runs; empty keeps them in memory only.
    // loudnessFile: where loudness is kept; empty keeps it in memory only.
    explicit DurationStore(const QString& cacheFile, QObject* parent = nullptr,
                           const QString& loudnessFile = QString());
    ~DurationStore() override; // stops the worker after the file it is reading
    Q_DISABLE_COPY_MOVE(DurationStore)

    static DurationStore* instance(); // the registered store, or null
    static void setInstance(DurationStore* store);

    // Starts the worker, which first reads the kept lengths and loudness; the first request
    // and the first use of the loudness cache start it too. Until then the store costs
    // nothing, so that an editor started without a playlist shows at once.
    void start();

    // The length of a file given by its path as on disk, when known.
    std::optional<qint64> duration(const QString& path) const;
    // True when the file was read and found to hold no playable audio (or could not be read).
    bool unreadable(const QString& path) const;
    // Asks for the lengths of these files (paths as on disk). Lengths kept from earlier runs
    // are known when this returns once the worker has read them; it then checks each file's stamp,
    // measures the new and changed ones, and durationsChanged() follows. Files already known are
    // checked again only with `recheck` (after the data folder changed on disk).
    void request(const QStringList& paths, bool recheck = false);
    // True while files wait to be measured.
    bool busy() const;

    // The loudness of a file given by its path as on disk, when measured.
    std::optional<cuelist::Loudness> loudness(const QString& path) const;
    // The kept loudness, shared with the worker (it locks itself), for callers that measure
    // files at once on their own threads; they hand the values back with noteLoudness.
    cuelist::LoudnessCache& loudnessCache()
    {
        start(); // what callers add is merged with the kept values, never written over them
        return m_loudnessCache;
    }
    void noteLoudness(const std::vector<std::string>& paths,
                      const std::vector<std::optional<cuelist::Loudness>>& values);

signals:
    // New lengths are known; sent at most every few hundred milliseconds while measuring.
    void durationsChanged();

private:
    void work();
    void deliver(const std::vector<std::string>& paths,
                 const std::vector<std::optional<std::int64_t>>& lengths);

    cuelist::DurationCache m_cache;                       // shared with the worker; locks itself
    std::map<std::string, std::optional<qint64>> m_known; // GUI thread only
    cuelist::LoudnessCache m_loudnessCache;               // shared with the worker; locks itself
    std::map<std::string, std::optional<cuelist::Loudness>> m_loudness; // GUI thread only
    std::atomic<bool> m_abort{false}; // cuts a loudness measurement short when stopping

    mutable std::mutex m_mutex; // guards the queue and the flags below
    std::condition_variable m_wake;
    std::deque<std::string> m_queue; // paths
    std::set<std::string> m_queued;
    std::deque<std::string> m_loudnessQueue; // paths whose length is known, for loudness
    std::set<std::string> m_loudnessQueued;
    bool m_stopping = false;
    bool m_measuring = false;
    std::thread m_worker; // GUI thread only; started once
};
