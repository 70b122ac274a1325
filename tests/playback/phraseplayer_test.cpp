// CPhrasePlayer on GStreamer with short MP3 tones made by the test.
#include "phraseplayer.h"
#include "tempdatafolder.h"
#include "tonefile.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace {

constexpr int kOk = IPhrasePlayer::kOk;
constexpr int kFailed = IPhrasePlayer::kFailed;

class PhrasePlayerTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_data = new TempDataFolder;
        s_tone = (s_data->Folder() / "TONE.MP3").string();
        s_long = (s_data->Folder() / "LONG.MP3").string();
        ASSERT_TRUE(WriteToneMp3(s_tone, 200));
        ASSERT_TRUE(WriteToneMp3(s_long, 3000));
    }
    static void TearDownTestSuite() { delete s_data; }

    // Polls as the worker does; gives up after a generous bound so a fault cannot hang.
    static int PollUntilEnd(IPhrasePlayer& player)
    {
        for (int i = 0; i < 2000; ++i) {
            if (const int code = player.PollCompletion(); code != IPhrasePlayer::kStillPlaying)
                return code;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return IPhrasePlayer::kStillPlaying;
    }

    static inline TempDataFolder* s_data = nullptr;
    static inline std::string s_tone;
    static inline std::string s_long;
};

TEST_F(PhrasePlayerTest, PlaysToTheEndAndAgainAfterRewind)
{
    CPhrasePlayer player;
    ASSERT_EQ(player.Create(), kOk);
    ASSERT_EQ(player.Open(s_tone), kOk);
    EXPECT_EQ(player.SetVolume(-70), kOk);
    EXPECT_EQ(player.SetVolume(0), kOk);
    EXPECT_EQ(player.SetVolume(-255), kOk);
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        ASSERT_EQ(player.Rewind(), kOk);
        ASSERT_EQ(player.Run(), kOk);
        EXPECT_EQ(player.Run(), kOk);
        EXPECT_EQ(PollUntilEnd(player), IPhrasePlayer::kComplete);
        EXPECT_EQ(player.PollCompletion(), IPhrasePlayer::kComplete);
        ASSERT_EQ(player.Stop(), kOk);
        EXPECT_EQ(player.Stop(), kOk);
    }
}

TEST_F(PhrasePlayerTest, PollAnswersAtOnceWhilePlaying)
{
    CPhrasePlayer player;
    ASSERT_EQ(player.Create(), kOk);
    ASSERT_EQ(player.Open(s_long), kOk);
    EXPECT_EQ(player.Stop(), kOk); // never ran
    ASSERT_EQ(player.Rewind(), kOk);
    ASSERT_EQ(player.Run(), kOk);
    EXPECT_EQ(player.PollCompletion(), IPhrasePlayer::kStillPlaying);
    EXPECT_EQ(player.PollCompletion(), IPhrasePlayer::kStillPlaying);
    // Destroyed while playing: stops and releases everything.
}

TEST_F(PhrasePlayerTest, OpenRefusesWhatCannotBePlayed)
{
    s_data->Write("TEXT.MP3", "This is not an MP3 file at all.\n");
    s_data->Write("EMPTY.MP3", "");
    std::string noise(4096, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = char(i * 7919 % 251);
    s_data->Write("NOISE.MP3", noise);
    const std::string folder = s_data->Folder().string() + "/";
    const std::string rows[] = {
        folder + "TEXT.MP3",
        folder + "EMPTY.MP3",
        folder + "NOISE.MP3",
        folder + "MISSING.MP3",
        folder,
        "",
        folder + std::string(5000, 'X') + ".MP3",
        std::string(70000, '/') + "TONE.MP3",
    };
    for (const auto& path : rows) {
        SCOPED_TRACE(path.substr(0, 120));
        CPhrasePlayer player;
        ASSERT_EQ(player.Create(), kOk);
        EXPECT_EQ(player.Open(path), kFailed);
        EXPECT_EQ(player.Run(), kFailed);
    }
}

TEST_F(PhrasePlayerTest, EveryOperationNeedsItsPredecessor)
{
    CPhrasePlayer uncreated;
    EXPECT_EQ(uncreated.Open(s_tone), kFailed);
    EXPECT_EQ(uncreated.SetVolume(0), kFailed);
    EXPECT_EQ(uncreated.Rewind(), kFailed);
    EXPECT_EQ(uncreated.Run(), kFailed);
    EXPECT_EQ(uncreated.Stop(), kOk);
    EXPECT_NE(uncreated.PollCompletion(), IPhrasePlayer::kStillPlaying);

    CPhrasePlayer unopened;
    ASSERT_EQ(unopened.Create(), kOk);
    EXPECT_EQ(unopened.Rewind(), kFailed);
    EXPECT_EQ(unopened.Run(), kFailed);
    EXPECT_EQ(unopened.PollCompletion(), IPhrasePlayer::kStillPlaying);

    CPhrasePlayer reopened;
    ASSERT_EQ(reopened.Create(), kOk);
    ASSERT_EQ(reopened.Open(s_tone), kOk);
    EXPECT_EQ(reopened.Open(s_tone), kFailed);
}

} // namespace
