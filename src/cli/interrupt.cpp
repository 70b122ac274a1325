// SPDX-License-Identifier: GPL-3.0-or-later
#include "interrupt.h"

namespace cuelist::cli {

namespace {

std::atomic<bool> g_interrupted{false};

extern "C" void OnInterrupt(int)
{
    g_interrupted.store(true);
}

} // namespace

InterruptAsCancel::InterruptAsCancel()
{
    g_interrupted.store(false);
    struct sigaction action = {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    for (std::size_t k = 0; k < std::size(kSignals); ++k)
        ::sigaction(kSignals[k], &action, &m_old[k]);
}

InterruptAsCancel::~InterruptAsCancel()
{
    for (std::size_t k = 0; k < std::size(kSignals); ++k)
        ::sigaction(kSignals[k], &m_old[k], nullptr);
}

const std::atomic<bool>* InterruptAsCancel::flag() const
{
    return &g_interrupted;
}

} // namespace cuelist::cli
