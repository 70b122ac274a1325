// SPDX-License-Identifier: GPL-3.0-or-later
#include "steadyplaybackclock.h"

PlaybackClock::TimePoint SteadyPlaybackClock::Now()
{
    return std::chrono::steady_clock::now();
}

void SteadyPlaybackClock::WaitUntil(TimePoint deadline)
{
    std::unique_lock lock(m_mutex);
    m_wake.wait_until(lock, deadline, [this] { return m_interrupted; });
    m_interrupted = false;
}

void SteadyPlaybackClock::Interrupt()
{
    {
        std::lock_guard lock(m_mutex);
        m_interrupted = true;
    }
    m_wake.notify_all();
}
