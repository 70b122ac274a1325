// The Play Channel worker against fake players and a simulated clock.
#include "fakephraseplayer.h"
#include "mp3record.h"
#include "playchannelstate.h"
#include "playchannelworker.h"
#include "simulatedclock.h"
#include "tempdatafolder.h"

#include <cstring>
#include <gtest/gtest.h>

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

// Everything the worker reports; the last report carries the simulated time.
class Notes final : public IPlayChannelListener
{
public:
    explicit Notes(PlaybackClock& clock) : m_clock(clock) {}
    std::vector<std::string> notes;

    void PhraseStarted(int frameIndex) override
    {
        notes.push_back("phrase " + std::to_string(frameIndex));
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
         "phrase 1, phrase 5, phrase 7, phrase 15, stopped@800"},
        {"no MP3 frame", {{0, text}}, none, "", "stopped@0"},
        // Opening takes 15 ms; an interval hides it, an interval of 0 cannot.
        {"repeats and intervals to the clock",
         {{0, Mp3("A", 0, 1, 1)}, {1, Mp3("B")}, {2, Mp3("C", 0, 0, 2)}},
         [](Rig& r) { r.script.openCost = 15ms; },
         "a.mp3@15 0, a.mp3@1215 0, B.MP3@2415 0, c.Mp3@2630 0",
         "phrase 0, phrase 1, phrase 2, stopped@4830"},
        {"endless until Stop",
         {{0, Mp3("A", 0, 255)}, {1, Mp3("B")}},
         [](Rig& r) { r.RequestAt(650ms, PlayChannelState::kStopped); },
         "a.mp3@0 0, a.mp3@200 0, a.mp3@400 0, a.mp3@600 0",
         "phrase 0, stopped@650"},
        {"Stop during an interval",
         {{0, Mp3("A", 0, 0, 5)}, {1, Mp3("B")}},
         [](Rig& r) { r.RequestAt(2000ms, PlayChannelState::kStopped); },
         "a.mp3@0 0",
         "phrase 0, stopped@2000"},
        {"Close while playing reports nothing",
         {{0, Mp3("A", 0, 255)}},
         [](Rig& r) { r.RequestAt(250ms, PlayChannelState::kClosing); },
         "a.mp3@0 0, a.mp3@200 0",
         "phrase 0"},
        {"missing file at frame 3",
         {{0, Mp3("A")}, {1, Mp3("B", 0, 1)}, {2, Mp3("GONE")}, {3, Mp3("C")}},
         none,
         "a.mp3@0 0, B.MP3@200 0, B.MP3@400 0",
         "phrase 0, phrase 1, phrase 2, missing GONE@600"},
        {"player cannot be created",
         {{4, Mp3("A")}, {5, Mp3("B")}},
         [](Rig& r) { r.script.failCreate = true; },
         "",
         "phrase 4, failed A@0"},
        {"file does not open",
         {{4, Mp3("A")}, {5, Mp3("B")}},
         [](Rig& r) { r.script.failOpen = {"a.mp3"}; },
         "",
         "phrase 4, failed A@0"},
        {"file does not run",
         {{4, Mp3("A")}, {5, Mp3("B")}},
         [](Rig& r) { r.script.failRun = {"a.mp3"}; },
         "",
         "phrase 4, failed A@0"},
        {"playing breaks off",
         {{4, Mp3("A", 0, 255)}, {5, Mp3("B")}},
         [](Rig& r) { r.script.breakOff = {"a.mp3"}; },
         "a.mp3@0 0",
         "phrase 4, failed A@200"},
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

// A playing that ends at its first poll, with no interval, leaves the worker no wait in
// which to look at the state; Stop must still end an endless phrase.
TEST(PlayChannelWorkerTest, StopEndsAnEndlessPhraseThatNeverWaits)
{
    Rig rig;
    rig.script.duration = 0ms;
    rig.job.records[0] = Mp3("A", 0, 255);
    rig.script.onRun = [&rig](int runs) {
        if (runs == 1000)
            rig.state.play = PlayChannelState::kStopped;
        if (runs > 5000) {
            std::fputs("Stop was never noticed\n", stderr);
            std::abort();
        }
    };
    rig.PlayChannel();
    EXPECT_EQ(rig.script.Runs(), 1000);
}

} // namespace
