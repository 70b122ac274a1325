// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <csignal>
#include <iterator>

namespace cuelist::cli {

// Turns SIGINT, SIGTERM and SIGHUP into a cancel request for as long as it lives, so that an
// interrupted import or export still removes its temporary files. Only one may live at a
// time; the previous handlers come back when it ends.
class InterruptAsCancel final
{
public:
    InterruptAsCancel();
    ~InterruptAsCancel();
    InterruptAsCancel(const InterruptAsCancel&) = delete;
    InterruptAsCancel& operator=(const InterruptAsCancel&) = delete;

    // Set from the signal handler; read from any thread.
    const std::atomic<bool>* flag() const;
    bool interrupted() const { return flag()->load(); }

private:
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
    struct sigaction m_old[std::size(kSignals)]{};
};

} // namespace cuelist::cli
