// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "iphraseplayer.h"
#include "playbackclock.h"

#include <atomic>
#include <filesystem>
#include <mutex>
#include <set>
#include <string>
#include <vector>

// Makes fake players that play their queue by the given clock as one stream: each playing
// starts at the end of the one before plus its silence, or when it is queued if that is
// later. They fail where told and record what they were asked and what sounded.
// Thread-safe, so a dialog's worker thread can use it; settings are made before the
// worker starts, except that onRun may change the duration.
class FakePlayerScript final
{
public:
    using Ms = std::chrono::milliseconds;
    static constexpr Ms kForever{-1};

    explicit FakePlayerScript(PlaybackClock& clock) : m_clock(clock) {}

    std::atomic<Ms> duration{Ms{200}}; // of each playing, read when it starts
    Ms openCost{0}; // Open waits this long on the clock, as a check of the file does
    bool failCreate = false;
    std::set<std::string> failOpen, failRun, breakOff; // by file name as opened or queued
    std::set<std::string> failAtTurn; // queued fine, but gone or broken when the stream gets there
    std::function<void(int runs)> onRun; // on the player's thread, per playing

    PhrasePlayerFactory Factory()
    {
        return [this] { return std::make_unique<Player>(*this); };
    }
    // "file@ms volume" per playing, at the time it began to sound.
    std::vector<std::string> Plays() const { return Copy(m_plays); }
    // The calls that shape the stream: "open file@ms", "queue file+silence@ms", "run@ms",
    // "end queue@ms", "stop@ms".
    std::vector<std::string> Calls() const { return Copy(m_calls); }
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
            const std::string file = std::filesystem::path(path).filename().string();
            if (m_s.openCost > Ms{0})
                m_s.m_clock.WaitUntil(m_s.m_clock.Now() + m_s.openCost);
            m_s.Call("open " + file);
            if (m_s.failOpen.count(file))
                return kFailed;
            m_items.push_back({file, 0, Ms{0}, m_s.Now()});
            return kOk;
        }
        int SetVolume(int decibels) override
        {
            if (!m_items.empty())
                m_items.front().volume = decibels;
            return kOk;
        }
        int Queue(const std::string& path, int decibels, Ms silence) override
        {
            const std::string file = std::filesystem::path(path).filename().string();
            m_s.Call("queue " + file + "+" + std::to_string(silence.count()));
            if (m_items.empty() || m_ended || m_s.failOpen.count(file))
                return kFailed;
            m_items.push_back({file, decibels, silence, m_s.Now()});
            return kOk;
        }
        void EndQueue() override
        {
            m_s.Call("end queue");
            m_ended = true;
        }
        int Run() override
        {
            m_s.Call("run");
            if (m_items.empty() || m_s.failRun.count(m_items.front().file))
                return kFailed;
            if (!m_running) {
                m_streamStart = m_s.Now();
                Begin(0, m_streamStart);
            }
            m_running = true;
            return kOk;
        }
        int Stop() override
        {
            m_s.Call("stop");
            m_running = false;
            return kOk;
        }
        int Heard() override
        {
            Advance();
            return m_current + 1;
        }
        int PollCompletion() override
        {
            Advance();
            return m_end;
        }
        Ms Played() override
        {
            Advance();
            if (m_current < 0)
                return Ms{0};
            const Ms now = m_s.Now();
            const bool more = m_end == kStillPlaying && m_current + 1 < int(m_items.size());
            const Ms bound = more || m_length < Ms{0} ? now : std::min(now, m_start + m_length);
            return std::max(Ms{0}, bound - m_streamStart);
        }
        int FailedPlaying() override { return m_failed; }
        bool Drained() override
        {
            return m_current < 0 || (m_length >= Ms{0} && m_s.Now() >= m_start + m_length);
        }

    private:
        struct Item
        {
            std::string file;
            int volume = 0;
            Ms silence{0};
            Ms queued{0};
        };

        void Begin(int index, Ms at)
        {
            m_current = index;
            m_start = at;
            m_length = m_s.duration.load();
            m_s.Play(m_items[index].file + "@" + std::to_string(at.count()) + " " +
                     std::to_string(m_items[index].volume));
        }
        // Moves the stream on to the clock's time.
        void Advance()
        {
            const Ms now = m_s.Now();
            while (m_running && m_end == kStillPlaying && m_current >= 0 && m_length >= Ms{0} &&
                   now >= m_start + m_length) {
                if (m_s.breakOff.count(m_items[m_current].file)) {
                    m_end = kErrorAbort;
                } else if (m_current + 1 < int(m_items.size()) &&
                           m_s.failAtTurn.count(m_items[m_current + 1].file)) {
                    m_end = kErrorAbort;
                    m_failed = m_current + 1;
                } else if (m_current + 1 < int(m_items.size())) {
                    const Item& next = m_items[m_current + 1];
                    const Ms at = std::max(m_start + m_length + next.silence, next.queued);
                    if (now < at)
                        return;
                    Begin(m_current + 1, at);
                } else if (m_ended) {
                    m_end = kComplete;
                } else {
                    return; // runs dry: the next playing starts when it is queued
                }
            }
        }

        FakePlayerScript& m_s;
        std::vector<Item> m_items;
        bool m_ended = false;
        bool m_running = false;
        int m_current = -1;
        Ms m_start{0};
        Ms m_length{0};
        int m_end = kStillPlaying;
        int m_failed = -1;
        Ms m_streamStart{0};
    };

    Ms Now() const { return std::chrono::duration_cast<Ms>(m_clock.Now().time_since_epoch()); }
    void Call(const std::string& what)
    {
        std::lock_guard lock(m_mutex);
        m_calls.push_back(what + "@" + std::to_string(Now().count()));
    }
    void Play(const std::string& what)
    {
        {
            std::lock_guard lock(m_mutex);
            m_plays.push_back(what);
        }
        if (onRun)
            onRun(++m_runs);
        else
            ++m_runs;
    }
    std::vector<std::string> Copy(const std::vector<std::string>& v) const
    {
        std::lock_guard lock(m_mutex);
        return v;
    }

    PlaybackClock& m_clock;
    mutable std::mutex m_mutex;
    std::vector<std::string> m_plays, m_calls; // guarded by m_mutex
    std::atomic<int> m_runs{0}, m_live{0}, m_mostLive{0};
};
