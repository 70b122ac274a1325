// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>

// What the Play Channel dialog asks of its worker, and whether a worker runs. Shared by
// the dialog's thread and the worker's; every field is atomic and no lock guards them.
struct PlayChannelState final
{
    enum Play : int {
        kIdle = 0,
        kPlaying = 1,
        kStopped = 2, // Stop pressed, or the worker ended
        kClosing = 3, // the dialog is ending: the worker reports nothing more
    };

    std::atomic<int> play{kIdle};
    std::atomic<bool> workerDone{true};
    // The time played by the running or last worker, intervals included, in milliseconds.
    std::atomic<std::int64_t> playedMs{0};
};
