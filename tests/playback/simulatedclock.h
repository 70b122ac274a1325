#pragma once

#include "playbackclock.h"

#include <functional>
#include <map>

// A PlaybackClock whose time moves only when the worker waits, jumping to the deadline or
// to the next scheduled action. Single-threaded: actions run inside WaitUntil.
class SimulatedClock final : public PlaybackClock
{
public:
    using Ms = std::chrono::milliseconds;

    TimePoint Now() override { return m_now; }
    void WaitUntil(TimePoint deadline) override;
    void Interrupt() override { m_interrupted = true; }

    // Runs action once the simulated time reaches start + at.
    void At(Ms at, std::function<void()> action);
    Ms Elapsed() const { return std::chrono::duration_cast<Ms>(m_now - TimePoint{}); }

private:
    TimePoint m_now{};
    bool m_interrupted = false;
    std::multimap<TimePoint, std::function<void()>> m_actions;
};
