// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playbackclock.h"

#include <functional>
#include <map>

// A PlaybackClock whose time moves only while the worker waits, jumping to the deadline or
// to the next scheduled action, or that much later when told to wake late. Single-threaded:
// actions run inside WaitUntil.
class SimulatedClock final : public PlaybackClock
{
public:
    TimePoint Now() override { return m_now; }
    void Interrupt() override { m_interrupted = true; }
    void WaitUntil(TimePoint deadline) override
    {
        while (!m_interrupted && !m_actions.empty() && m_actions.begin()->first <= deadline) {
            const auto action = m_actions.begin()->second;
            m_now = std::max(m_now, m_actions.begin()->first);
            m_actions.erase(m_actions.begin());
            action();
        }
        if (!m_interrupted)
            m_now = std::max(m_now, deadline + lateness);
        m_interrupted = false;
    }
    void At(std::chrono::milliseconds at, std::function<void()> action)
    {
        m_actions.emplace(TimePoint{} + at, std::move(action));
    }

    std::chrono::milliseconds lateness{0}; // added to every wait that runs to its deadline

private:
    TimePoint m_now{};
    bool m_interrupted = false;
    std::multimap<TimePoint, std::function<void()>> m_actions;
};
