#pragma once

#include "iphraseplayer.h"
#include "playbackclock.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

// Stands in for CPhrasePlayer: plays by the given clock, fails where told to, and logs
// every call. Thread-safe, so a dialog's worker thread can use it.
class FakePlayerScript final
{
public:
    using Ms = std::chrono::milliseconds;
    static constexpr Ms kForever{-1};

    explicit FakePlayerScript(PlaybackClock& clock) : m_clock(clock) {}

    // Settings; set before the worker starts. Keys are file names as opened ("A.mp3").
    Ms defaultDuration{200};
    Ms openCost{0}; // Open waits this long on the clock, as a preroll does
    std::map<std::string, Ms> duration;
    bool failCreate = false;
    std::set<std::string> failOpen;
    std::set<std::string> failRun;
    std::set<std::string> breakOff;          // playing ends with an error instead of completing
    std::function<void(int runCount)> onRun; // called on the player's thread

    PhrasePlayerFactory Factory();

    struct Play
    {
        std::string file;
        Ms start;
        Ms end{-1}; // -1 while playing or when cut short
    };
    std::vector<Play> Plays() const;
    std::vector<std::string> Log() const; // "open A.mp3", "volume -12", ...
    int LivePlayers() const { return m_live.load(); }
    int MostLivePlayers() const { return m_mostLive.load(); }
    int Runs() const { return m_runs.load(); }

private:
    friend class FakePhrasePlayer;
    Ms Now() const;
    void Append(const std::string& entry);

    PlaybackClock& m_clock;
    mutable std::mutex m_mutex;
    std::vector<Play> m_plays;
    std::vector<std::string> m_log;
    std::atomic<int> m_live{0};
    std::atomic<int> m_mostLive{0};
    std::atomic<int> m_runs{0};
};
