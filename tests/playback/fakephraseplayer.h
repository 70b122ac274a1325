#pragma once

#include "iphraseplayer.h"
#include "playbackclock.h"

#include <atomic>
#include <filesystem>
#include <mutex>
#include <set>
#include <string>
#include <vector>

// Makes fake phrase players that play by the given clock, fail where told and record what
// they played. Thread-safe, so a dialog's worker thread can use it; settings are made
// before the worker starts.
class FakePlayerScript final
{
public:
    using Ms = std::chrono::milliseconds;
    static constexpr Ms kForever{-1};

    explicit FakePlayerScript(PlaybackClock& clock) : m_clock(clock) {}

    Ms duration{200};
    Ms openCost{0}; // Open waits this long on the clock, as a preroll does
    bool failCreate = false;
    std::set<std::string> failOpen, failRun, breakOff; // by file name as opened
    std::function<void(int runs)> onRun;               // on the player's thread

    PhrasePlayerFactory Factory()
    {
        return [this] { return std::make_unique<Player>(*this); };
    }
    // "file@ms volume" per playing.
    std::vector<std::string> Plays() const
    {
        std::lock_guard lock(m_mutex);
        return m_plays;
    }
    int Runs() const { return m_runs; }
    int LivePlayers() const { return m_live; }
    int MostLivePlayers() const { return m_mostLive; }

private:
    class Player final : public IPhrasePlayer
    {
    public:
        explicit Player(FakePlayerScript& s) : m_s(s)
        {
            const int live = ++m_s.m_live;
            if (live > m_s.m_mostLive)
                m_s.m_mostLive = live;
        }
        ~Player() override { --m_s.m_live; }
        int Create() override { return m_s.failCreate ? kFailed : kOk; }
        int Open(const std::string& path) override
        {
            m_file = std::filesystem::path(path).filename().string();
            if (m_s.openCost > Ms{0})
                m_s.m_clock.WaitUntil(m_s.m_clock.Now() + m_s.openCost);
            return m_s.failOpen.count(m_file) ? kFailed : kOk;
        }
        int SetVolume(int decibels) override
        {
            m_volume = decibels;
            return kOk;
        }
        int Rewind() override { return kOk; }
        int Run() override
        {
            if (m_s.failRun.count(m_file))
                return kFailed;
            m_start = m_s.Now();
            {
                std::lock_guard lock(m_s.m_mutex);
                m_s.m_plays.push_back(m_file + "@" + std::to_string(m_start.count()) + " " +
                                      std::to_string(m_volume));
            }
            if (m_s.onRun)
                m_s.onRun(++m_s.m_runs);
            else
                ++m_s.m_runs;
            return kOk;
        }
        int Stop() override { return kOk; }
        int PollCompletion() override
        {
            if (m_s.duration < Ms{0} || m_s.Now() - m_start < m_s.duration)
                return kStillPlaying;
            return m_s.breakOff.count(m_file) ? kErrorAbort : kComplete;
        }

    private:
        FakePlayerScript& m_s;
        std::string m_file;
        int m_volume = 0;
        Ms m_start{0};
    };

    Ms Now() const { return std::chrono::duration_cast<Ms>(m_clock.Now().time_since_epoch()); }

    PlaybackClock& m_clock;
    mutable std::mutex m_mutex;
    std::vector<std::string> m_plays; // guarded by m_mutex
    std::atomic<int> m_runs{0}, m_live{0}, m_mostLive{0};
};
