// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playbackclock.h"

#include <condition_variable>
#include <mutex>

// The real PlaybackClock: std::chrono::steady_clock, waits on a condition variable.
class SteadyPlaybackClock final : public PlaybackClock
{
public:
    SteadyPlaybackClock() = default;
    SteadyPlaybackClock(const SteadyPlaybackClock&) = delete;
    SteadyPlaybackClock& operator=(const SteadyPlaybackClock&) = delete;

    TimePoint Now() override;
    void WaitUntil(TimePoint deadline) override;
    void Interrupt() override;

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_interrupted = false; // guarded by m_mutex; consumed by the wait it cuts short
};
