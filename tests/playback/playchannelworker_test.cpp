// The Play Channel worker against a fake player and a simulated clock.
#include "fakephraseplayer.h"
#include "iplaychannellistener.h"
#include "playchannelstate.h"
#include "playchannelworker.h"
#include "simulatedclock.h"
#include "steadyplaybackclock.h"
#include "tempdatafolder.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <thread>

using namespace cuelist;
using namespace std::chrono_literals;
using Ms = std::chrono::milliseconds;
using Failure = IPlayChannelListener::Failure;

namespace {

SlotRecord Mp3(const char* name, int volume = 0, int repeat = 0, int interval = 0)
{
    SlotRecord r{};
    r[record::kType] = kTypeMp3;
    std::memset(&r[record::kName], ' ', record::kNameLength);
    std::memcpy(&r[record::kName], name, std::strlen(name));
    r[record::kVolume] = std::uint8_t(volume);
    r[record::kRepeat] = std::uint8_t(repeat);
    r[record::kIntervalHigh] = std::uint8_t(interval >> 8);
    r[record::kIntervalLow] = std::uint8_t(interval);
    return r;
}

// Records what the worker reports, with the simulated time.
class RecordingListener final : public IPlayChannelListener
{
public:
    explicit RecordingListener(PlaybackClock& clock) : m_clock(clock) {}
    std::vector<std::string> notes;
    Ms endedAt{-1};

    void PhraseStarted(int frameIndex) override
    {
        notes.push_back("phrase " + std::to_string(frameIndex));
    }
    void PlayingStopped() override
    {
        notes.push_back("stopped");
        endedAt = Now();
    }
    void PlayingFailed(Failure failure, const std::string& name) override
    {
        notes.push_back((failure == Failure::FileMissing ? "missing " : "failed ") + name);
        endedAt = Now();
    }

private:
    Ms Now() { return std::chrono::duration_cast<Ms>(m_clock.Now().time_since_epoch()); }
    PlaybackClock& m_clock;
};

// One channel with its data folder, a simulated clock and a fake player.
struct Rig
{
    Rig() : data({"a.mp3", "B.MP3", "c.Mp3", "d.mp3", "ｱｲ.mp3"}) {}

    void PlayChannel()
    {
        state.play = PlayChannelState::kPlaying;
        state.workerDone = false;
        job.dataFolder = data.UpperCasePath();
        PlayChannelWorker(job, script.Factory(), clock, state, listener).Run();
    }
    void RequestAt(Ms at, int play)
    {
        clock.At(at, [this, play] {
            state.play = play;
            clock.Interrupt();
        });
    }
    std::vector<std::string> PlayedFiles() const
    {
        std::vector<std::string> files;
        for (const auto& p : script.Plays())
            files.push_back(p.file);
        return files;
    }
    std::vector<Ms> Starts() const
    {
        std::vector<Ms> starts;
        for (const auto& p : script.Plays())
            starts.push_back(p.start);
        return starts;
    }

    TempDataFolder data;
    PlayChannelJob job;
    SimulatedClock clock;
    FakePlayerScript script{clock};
    PlayChannelState state;
    RecordingListener listener{clock};
};

class WorkerTest : public ::testing::Test, protected Rig
{
};

TEST_F(WorkerTest, PlaysTheMp3FramesInOrderFindingFilesIgnoringCase)
{
    job.records[1] = Mp3("A", 12);
    job.records[2][record::kType] = kTypeText;
    std::memcpy(&job.records[2][record::kName], "C       ", 8);
    job.records[5] = Mp3("C");
    job.records[15] = Mp3("B", 70);
    job.records[7] = Mp3("\xB1\xB2"); // half-width katakana in the record, UTF-8 on disk
    PlayChannel();

    EXPECT_EQ(PlayedFiles(), (std::vector<std::string>{"a.mp3", "c.Mp3", "ｱｲ.mp3", "B.MP3"}));
    EXPECT_EQ(listener.notes, (std::vector<std::string>{"phrase 1", "phrase 5", "phrase 7",
                                                        "phrase 15", "stopped"}));
    const auto log = script.Log();
    EXPECT_EQ(std::count(log.begin(), log.end(), "volume -12"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "volume -70"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "volume 0"), 2);
    EXPECT_EQ(script.LivePlayers(), 0);
    EXPECT_EQ(state.play.load(), PlayChannelState::kStopped);
    EXPECT_TRUE(state.workerDone.load());
}

TEST_F(WorkerTest, ChannelWithoutMp3FramesStopsAtOnce)
{
    job.records[0][record::kType] = kTypeText;
    PlayChannel();
    EXPECT_TRUE(script.Plays().empty());
    EXPECT_EQ(listener.notes, std::vector<std::string>{"stopped"});
    EXPECT_TRUE(state.workerDone.load());
}

TEST(WorkerRowsTest, RepeatByteCountsExtraPlayings)
{
    for (const int repeat : {0, 3, 254}) {
        SCOPED_TRACE(repeat);
        Rig rig;
        rig.job.records[0] = Mp3("A", 0, repeat);
        rig.job.records[1] = Mp3("B");
        rig.PlayChannel();
        const auto files = rig.PlayedFiles();
        ASSERT_EQ(files.size(), std::size_t(repeat + 2));
        EXPECT_EQ(std::count(files.begin(), files.end(), "a.mp3"), repeat + 1);
        EXPECT_EQ(files.back(), "B.MP3");
    }
}

TEST_F(WorkerTest, IntervalFollowsEveryPlayingAndKeepsToTheClock)
{
    script.defaultDuration = 200ms;
    job.records[0] = Mp3("A", 0, 2, 1);
    job.records[3] = Mp3("B", 0, 0, 0);
    job.records[4] = Mp3("C", 0, 0, 3);
    PlayChannel();
    // Each playing starts when the previous one and its interval have ended.
    EXPECT_EQ(Starts(), (std::vector<Ms>{0ms, 1200ms, 2400ms, 3600ms, 3800ms}));
    for (const auto& play : script.Plays())
        EXPECT_EQ(play.end - play.start, 200ms);
    // The last phrase's interval is waited out too.
    EXPECT_EQ(listener.endedAt, 3800ms + 200ms + 3s);
}

// Opening a file takes time (GStreamer prerolls it). Within a phrase the rewind, and at
// a phrase's last playing the next phrase's opening, happen inside the interval, so only
// an interval of 0 shows that time.
TEST_F(WorkerTest, NextPlayingIsMadeReadyInsideTheInterval)
{
    script.openCost = 15ms;
    job.records[0] = Mp3("A", 0, 1, 1);
    job.records[1] = Mp3("B", 0, 0, 0);
    job.records[2] = Mp3("C", 0, 0, 2);
    PlayChannel();
    EXPECT_EQ(Starts(), (std::vector<Ms>{15ms, 1215ms, 2415ms, 2630ms}));
    EXPECT_EQ(listener.endedAt, 2630ms + 200ms + 2s);
    EXPECT_EQ(script.MostLivePlayers(), 1);
}

TEST_F(WorkerTest, EndlessRepeatPlaysUntilStop)
{
    job.records[0] = Mp3("A", 0, 255, 2);
    job.records[1] = Mp3("B");
    script.onRun = [this](int runs) {
        if (runs == 300)
            RequestAt(clock.Elapsed() + 50ms, PlayChannelState::kStopped);
    };
    PlayChannel();
    EXPECT_EQ(script.Runs(), 300);
    EXPECT_EQ(PlayedFiles().back(), "a.mp3");
    EXPECT_EQ(listener.notes, (std::vector<std::string>{"phrase 0", "stopped"}));
    EXPECT_EQ(script.LivePlayers(), 0);
}

// A playing that ends at its first poll, with no interval, gives the worker no wait to
// look at the state in; Stop must still end an endless phrase.
TEST_F(WorkerTest, StopEndsAnEndlessPhraseThatNeverWaits)
{
    script.defaultDuration = 0ms;
    job.records[0] = Mp3("A", 0, 255, 0);
    script.onRun = [this](int runs) {
        if (runs == 1000)
            state.play = PlayChannelState::kStopped;
        if (runs > 5000) {
            std::fputs("Stop was never noticed\n", stderr);
            std::abort();
        }
    };
    PlayChannel();
    EXPECT_EQ(script.Runs(), 1000);
    EXPECT_EQ(listener.notes, (std::vector<std::string>{"phrase 0", "stopped"}));
}

TEST(WorkerRowsTest, StopEndsPlayingOrIntervalAtTheNextLook)
{
    struct Row
    {
        const char* what;
        Ms stopAt;
    };
    // A: 0-200 playing, 200-5200 interval; B: 5200-5400 playing.
    for (const Row row : {Row{"during play", 5300ms}, Row{"during interval", 2000ms}}) {
        SCOPED_TRACE(row.what);
        Rig rig;
        rig.job.records[0] = Mp3("A", 0, 0, 5);
        rig.job.records[1] = Mp3("B", 0, 0, 0);
        rig.job.records[2] = Mp3("C");
        rig.RequestAt(row.stopAt, PlayChannelState::kStopped);
        rig.PlayChannel();

        EXPECT_LE(rig.listener.endedAt - row.stopAt, PlayChannelWorker::kPollPeriod);
        EXPECT_EQ(rig.PlayedFiles().size(), row.stopAt > 5200ms ? 2u : 1u);
        EXPECT_EQ(rig.listener.notes.back(), "stopped");
        EXPECT_EQ(rig.script.Log().back(), "destroy");
        EXPECT_EQ(rig.script.LivePlayers(), 0);
        EXPECT_EQ(rig.state.play.load(), PlayChannelState::kStopped);
        EXPECT_TRUE(rig.state.workerDone.load());
    }
}

TEST_F(WorkerTest, CloseEndsPlayingWithoutReportingIt)
{
    job.records[0] = Mp3("A", 0, 255);
    RequestAt(1000ms, PlayChannelState::kClosing);
    PlayChannel();
    EXPECT_EQ(listener.notes, std::vector<std::string>{"phrase 0"});
    EXPECT_EQ(state.play.load(), PlayChannelState::kClosing);
    EXPECT_TRUE(state.workerDone.load());
    EXPECT_EQ(script.LivePlayers(), 0);
    EXPECT_EQ(clock.Elapsed(), 1000ms);
}

TEST_F(WorkerTest, MissingFileEndsTheChannelWithOneReport)
{
    job.records[0] = Mp3("A");
    job.records[1] = Mp3("B", 0, 1);
    job.records[2] = Mp3("GONE");
    job.records[3] = Mp3("C");
    PlayChannel();
    EXPECT_EQ(PlayedFiles(), (std::vector<std::string>{"a.mp3", "B.MP3", "B.MP3"}));
    EXPECT_EQ(listener.notes,
              (std::vector<std::string>{"phrase 0", "phrase 1", "phrase 2", "missing GONE"}));
    EXPECT_EQ(state.play.load(), PlayChannelState::kStopped);
    EXPECT_EQ(script.LivePlayers(), 0);
}

TEST(WorkerRowsTest, PlayerFailuresEndTheChannelWithOneReport)
{
    struct Row
    {
        const char* what;
        std::function<void(FakePlayerScript&)> setUp;
    };
    const Row rows[] = {
        {"create", [](FakePlayerScript& s) { s.failCreate = true; }},
        {"open", [](FakePlayerScript& s) { s.failOpen = {"a.mp3"}; }},
        {"run", [](FakePlayerScript& s) { s.failRun = {"a.mp3"}; }},
        {"playing", [](FakePlayerScript& s) { s.breakOff = {"a.mp3"}; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Rig rig;
        row.setUp(rig.script);
        rig.job.records[4] = Mp3("A", 0, 255);
        rig.job.records[5] = Mp3("B");
        rig.PlayChannel();
        EXPECT_EQ(rig.script.Plays().size(), std::strcmp(row.what, "playing") == 0 ? 1u : 0u);
        EXPECT_EQ(rig.listener.notes, (std::vector<std::string>{"phrase 4", "failed A"}));
        EXPECT_EQ(rig.script.LivePlayers(), 0);
        EXPECT_TRUE(rig.state.workerDone.load());
    }
}

TEST(WorkerThreadTest, StopFromAnotherThreadEndsAnEndlessPhrase)
{
    TempDataFolder data({"A.MP3"});
    SteadyPlaybackClock clock;
    FakePlayerScript script(clock);
    script.defaultDuration = FakePlayerScript::kForever;
    PlayChannelJob job;
    job.dataFolder = data.Folder().string() + "/";
    job.records[0] = Mp3("A", 0, 255);
    PlayChannelState state;
    state.play = PlayChannelState::kPlaying;
    state.workerDone = false;
    RecordingListener listener(clock);

    std::thread worker(
        [&] { PlayChannelWorker(job, script.Factory(), clock, state, listener).Run(); });
    while (script.Runs() == 0)
        std::this_thread::yield();
    state.play = PlayChannelState::kStopped;
    clock.Interrupt();
    worker.join();

    EXPECT_TRUE(state.workerDone.load());
    EXPECT_EQ(listener.notes, (std::vector<std::string>{"phrase 0", "stopped"}));
    EXPECT_EQ(script.LivePlayers(), 0);
}

} // namespace
