#include "simulatedclock.h"

void SimulatedClock::WaitUntil(TimePoint deadline)
{
    while (!m_interrupted && !m_actions.empty() && m_actions.begin()->first <= deadline) {
        const auto next = m_actions.begin();
        m_now = std::max(m_now, next->first);
        const auto action = next->second;
        m_actions.erase(next);
        action();
    }
    if (m_interrupted) {
        m_interrupted = false;
        return;
    }
    m_now = std::max(m_now, deadline);
}

void SimulatedClock::At(Ms at, std::function<void()> action)
{
    m_actions.emplace(TimePoint{} + at, std::move(action));
}
