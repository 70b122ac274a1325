// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

// Time and waiting for the Play Channel worker: a monotonic clock whose waits another
// thread can cut short. Tests substitute a simulated one.
class PlaybackClock
{
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    using Duration = std::chrono::steady_clock::duration;

    virtual ~PlaybackClock() = default;

    virtual TimePoint Now() = 0;
    // Returns at the deadline at the latest, earlier once Interrupt has been called.
    virtual void WaitUntil(TimePoint deadline) = 0;
    // Safe from any thread. Cuts short the current wait, or the next one when none runs.
    virtual void Interrupt() = 0;
};
