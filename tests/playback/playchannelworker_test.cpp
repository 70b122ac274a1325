// SPDX-License-Identifier: GPL-3.0-or-later
// The Play Channel worker against fake players and a simulated clock.
#include "fakephraseplayer.h"
#include "mp3record.h"
#include "playchannelstate.h"
#include "playchannelworker.h"
#include "simulatedclock.h"
#include "tempdatafolder.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace cuelist;
using namespace std::chrono_literals;

namespace {

std::string Join(const std::vector<std::string>& parts)
{
    std::string out;
    for (const auto& p : parts)
        out += (out.empty() ? "" : ", ") + p;
    return out;
}

// Everything the worker reports, each with the simulated time.
class Notes final : public IPlayChannelListener
{
public:
    explicit Notes(PlaybackClock& clock) : m_clock(clock) {}
    std::vector<std::string> notes;

    void PhraseStarted(int frameIndex) override
    {
        notes.push_back("phrase " + std::to_string(frameIndex) + At());
    }
    void PlayingStopped() override { notes.push_back("stopped" + At()); }
    void PlayingFailed(Failure failure, const std::string& name) override
    {
        notes.push_back((failure == Failure::FileMissing ? "missing " : "failed ") + name + At());
    }

private:
    std::string At()
    {
        const auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(m_clock.Now().time_since_epoch());
        return "@" + std::to_string(ms.count());
    }
    PlaybackClock& m_clock;
};

// One channel with its data folder, a simulated clock and fake players.
struct Rig
{
    TempDataFolder data{"a.mp3", "B.MP3", "c.Mp3", "ｱｲ.mp3"};
    PlayChannelJob job;
    SimulatedClock clock;
    FakePlayerScript script{clock};
    PlayChannelState state;
    Notes listener{clock};

    void PlayChannel()
    {
        state.play = PlayChannelState::kPlaying;
        state.workerDone = false;
        job.dataFolder = data.Path();
        PlayChannelWorker(job, script.Factory(), clock, state, listener).Run();
        EXPECT_TRUE(state.workerDone.load());
        EXPECT_EQ(script.LivePlayers(), 0);
        EXPECT_LE(script.MostLivePlayers(), 1);
        // One player per channel, opened right before it runs: nothing waits prepared.
        std::string opened;
        for (const std::string& call : script.Calls()) {
            if (call.starts_with("open ")) {
                EXPECT_TRUE(opened.empty()) << call;
                opened = call.substr(call.find('@'));
            } else if (call.starts_with("run@")) {
                EXPECT_EQ(call.substr(3), opened);
            }
        }
    }
    void RequestAt(std::chrono::milliseconds at, int play)
    {
        clock.At(at, [this, play] {
            state.play = play;
            clock.Interrupt();
        });
    }
};

struct Row
{
    const char* what;
    std::vector<std::pair<int, SlotRecord>> frames;
    std::function<void(Rig&)> setUp;
    const char* plays; // "file@start volume", in order
    const char* notes;
};

TEST(PlayChannelWorkerTest, PlaysReportsAndStopsAsTheChannelSays)
{
    SlotRecord text{};
    text[record::kType] = kTypeText;
    const auto none = [](Rig&) {};
    const Row rows[] = {
        {"MP3 frames in order, files found ignoring case",
         {{1, Mp3("A", 12)}, {2, text}, {5, Mp3("C")}, {7, Mp3("\xB1\xB2")}, {15, Mp3("B", 70)}},
         none,
         "a.mp3@0 -12, c.Mp3@200 0, ｱｲ.mp3@400 0, B.MP3@600 -70",
         "phrase 1@0, phrase 5@200, phrase 7@400, phrase 15@600, stopped@800"},
        {"no MP3 frame", {{0, text}}, none, "", "stopped@0"},
        // Checking the first file takes 15 ms and delays the channel's start only; each
        // phrase shows when it is heard, not when the interval before it begins.
        {"repeats and intervals from the channel's start",
         {{0, Mp3("A", 0, 1, 1)}, {1, Mp3("B")}, {2, Mp3("C", 0, 0, 2)}},
         [](Rig& r) { r.script.openCost = 15ms; },
         "a.mp3@15 0, a.mp3@1215 0, B.MP3@2415 0, c.Mp3@2615 0",
         "phrase 0@15, phrase 1@2415, phrase 2@2615, stopped@4815"},
        {"late wake-ups never add up",
         {{0, Mp3("A", 0, 2, 1)}, {1, Mp3("B", 0, 0, 1)}, {2, Mp3("C")}},
         [](Rig& r) { r.clock.lateness = 7ms; },
         "a.mp3@0 0, a.mp3@1200 0, a.mp3@2400 0, B.MP3@3600 0, c.Mp3@4800 0",
         "phrase 0@0, phrase 1@3604, phrase 2@4811, stopped@5015"},
        {"endless until Stop",
         {{0, Mp3("A", 0, 255)}, {1, Mp3("B")}},
         [](Rig& r) { r.RequestAt(650ms, PlayChannelState::kStopped); },
         "a.mp3@0 0, a.mp3@200 0, a.mp3@400 0, a.mp3@600 0",
         "phrase 0@0, stopped@650"},
        {"Stop during an interval",
         {{0, Mp3("A", 0, 0, 5)}, {1, Mp3("B")}},
         [](Rig& r) { r.RequestAt(2000ms, PlayChannelState::kStopped); },
         "a.mp3@0 0",
         "phrase 0@0, stopped@2000"},
        {"Close while playing reports nothing",
         {{0, Mp3("A", 0, 255)}},
         [](Rig& r) { r.RequestAt(250ms, PlayChannelState::kClosing); },
         "a.mp3@0 0, a.mp3@200 0",
         "phrase 0@0"},
        {"missing file at frame 3, after the interval before it",
         {{0, Mp3("A")}, {1, Mp3("B", 0, 1, 1)}, {2, Mp3("GONE")}, {3, Mp3("C")}},
         none,
         "a.mp3@0 0, B.MP3@200 0, B.MP3@1400 0",
         "phrase 0@0, phrase 1@200, phrase 2@2600, missing GONE@2600"},
        {"a FIFO or a folder by the file's name cannot play, and is never opened",
         {{0, Mp3("A")}, {1, Mp3("FIFO")}, {2, Mp3("DIR")}},
         [](Rig& r) {
             ::mkfifo(r.data.File("fifo.MP3").c_str(), 0600);
             std::filesystem::create_directory(r.data.File("Dir.mp3"));
         },
         "a.mp3@0 0",
         "phrase 0@0, phrase 1@200, failed FIFO@200"},
        {"a folder as the first file, a dangling link as the second",
         {{0, Mp3("DIR")}, {1, Mp3("LINK")}},
         [](Rig& r) {
             std::filesystem::create_directory(r.data.File("DIR.MP3"));
             std::filesystem::create_symlink("nowhere", r.data.File("LINK.MP3"));
         },
         "",
         "phrase 0@0, failed DIR@0"},
        {"a dangling link is missing",
         {{0, Mp3("A")}, {1, Mp3("LINK")}},
         [](Rig& r) { std::filesystem::create_symlink("nowhere", r.data.File("LINK.MP3")); },
         "a.mp3@0 0",
         "phrase 0@0, phrase 1@200, missing LINK@200"},
        {"player cannot be created",
         {{4, Mp3("A")}, {5, Mp3("B")}},
         [](Rig& r) { r.script.failCreate = true; },
         "",
         "phrase 4@0, failed A@0"},
        {"first file does not open",
         {{4, Mp3("A")}, {5, Mp3("B")}},
         [](Rig& r) { r.script.failOpen = {"a.mp3"}; },
         "",
         "phrase 4@0, failed A@0"},
        {"later file refused by the player",
         {{4, Mp3("A")}, {5, Mp3("B")}},
         [](Rig& r) { r.script.failOpen = {"B.MP3"}; },
         "a.mp3@0 0",
         "phrase 4@0, phrase 5@200, failed B@200"},
        {"file does not run",
         {{4, Mp3("A")}, {5, Mp3("B")}},
         [](Rig& r) { r.script.failRun = {"a.mp3"}; },
         "",
         "phrase 4@0, failed A@0"},
        // Gone or broken after it was queued: the phrase before it and its interval are
        // heard whole, then the message names the file that failed.
        {"file removed during the phrase before it",
         {{0, Mp3("A", 0, 0, 1)}, {1, Mp3("B")}, {2, Mp3("C")}},
         [](Rig& r) {
             r.script.failAtTurn = {"B.MP3"};
             r.clock.At(100ms, [&r] { std::filesystem::remove(r.data.File("B.MP3")); });
         },
         "a.mp3@0 0",
         "phrase 0@0, phrase 1@1200, missing B@1200"},
        {"file broken during the phrase before it",
         {{0, Mp3("A", 0, 1, 2)}, {1, Mp3("B")}},
         [](Rig& r) { r.script.failAtTurn = {"B.MP3"}; },
         "a.mp3@0 0, a.mp3@2200 0",
         "phrase 0@0, phrase 1@4400, failed B@4400"},
        {"playing breaks off",
         {{4, Mp3("A", 0, 255)}, {5, Mp3("B")}},
         [](Rig& r) { r.script.breakOff = {"a.mp3"}; },
         "a.mp3@0 0",
         "phrase 4@0, failed A@200"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Rig rig;
        for (const auto& [index, record] : row.frames)
            rig.job.records[index] = record;
        row.setUp(rig);
        rig.PlayChannel();
        EXPECT_EQ(Join(rig.script.Plays()), row.plays);
        EXPECT_EQ(Join(rig.listener.notes), row.notes);
        const bool closing = std::strstr(row.what, "Close");
        EXPECT_EQ(rig.state.play.load(),
                  closing ? PlayChannelState::kClosing : PlayChannelState::kStopped);
    }
}

// Every playing after the first is queued with the silence before it, before the one
// ahead of it can drain; the first file is opened and run at once.
TEST(PlayChannelWorkerTest, QueuesEachPlayingWithTheIntervalBeforeIt)
{
    Rig rig;
    rig.job.records[0] = Mp3("A", 0, 1, 1);
    rig.job.records[1] = Mp3("B", 0, 0, 2);
    rig.job.records[3] = Mp3("C");
    rig.PlayChannel();
    EXPECT_EQ(Join(rig.script.Calls()),
              "open a.mp3@0, queue a.mp3+1000@0, queue B.MP3+1000@0, run@0, "
              "queue c.Mp3+2000@0, end queue@1200");
    EXPECT_EQ(Join(rig.listener.notes), "phrase 0@0, phrase 1@2400, phrase 3@4600, stopped@4800");
    // The time played is the stream's, the last interval included.
    EXPECT_EQ(rig.state.playedMs.load(), 4800);
}

// The time played stops where the channel stops: at a file that failed at its turn, after
// the interval before it, and it does not run on while the message is up.
TEST(PlayChannelWorkerTest, TimePlayedStopsAtTheFailure)
{
    Rig rig;
    rig.job.records[0] = Mp3("A", 0, 0, 3);
    rig.job.records[1] = Mp3("B");
    rig.script.failAtTurn = {"B.MP3"};
    rig.PlayChannel();
    EXPECT_EQ(Join(rig.listener.notes), "phrase 0@0, phrase 1@3200, failed B@3200");
    EXPECT_EQ(rig.state.playedMs.load(), 3200);
}

TEST(PlayChannelWorkerTest, RepeatByteCountsExtraPlayings)
{
    for (const int repeat : {0, 3, 254}) {
        Rig rig;
        rig.job.records[0] = Mp3("A", 0, repeat);
        rig.job.records[1] = Mp3("B");
        rig.PlayChannel();
        EXPECT_EQ(rig.script.Runs(), repeat + 2) << repeat;
    }
}

} // namespace
