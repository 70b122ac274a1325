// CPhrasePlayer on GStreamer, with short MP3 tones that the test encodes.
#include "phraseplayer.h"
#include "tempdatafolder.h"
#include "tonefile.h"

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
        ASSERT_TRUE(WriteToneMp3(s_data->File("TONE.MP3"), 200));
        ASSERT_TRUE(WriteToneMp3(s_data->File("LONG.MP3"), 3000));
    }
    static void TearDownTestSuite() { delete s_data; }

    // Polls as the worker does, with a generous bound so that a fault cannot hang the test.
    static int PollUntilEnd(IPhrasePlayer& player)
    {
        int code = IPhrasePlayer::kStillPlaying;
        for (int i = 0; i < 2000 && code == IPhrasePlayer::kStillPlaying; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            code = player.PollCompletion();
        }
        return code;
    }

    static inline TempDataFolder* s_data = nullptr;
};

TEST_F(PhrasePlayerTest, PlaysToTheEndAgainAfterEachRewind)
{
    CPhrasePlayer player;
    ASSERT_EQ(player.Create(), kOk);
    ASSERT_EQ(player.Open(s_data->File("TONE.MP3")), kOk);
    for (const int decibels : {0, -70, -255})
        EXPECT_EQ(player.SetVolume(decibels), kOk);
    for (int round = 0; round < 3; ++round) {
        ASSERT_EQ(player.Rewind(), kOk);
        ASSERT_EQ(player.Run(), kOk);
        EXPECT_EQ(player.Run(), kOk);
        EXPECT_EQ(PollUntilEnd(player), IPhrasePlayer::kComplete) << round;
        ASSERT_EQ(player.Stop(), kOk);
        EXPECT_EQ(player.Stop(), kOk);
    }

    CPhrasePlayer playing; // poll answers at once; destroyed while playing
    ASSERT_EQ(playing.Create(), kOk);
    ASSERT_EQ(playing.Open(s_data->File("LONG.MP3")), kOk);
    ASSERT_EQ(playing.Run(), kOk);
    EXPECT_EQ(playing.PollCompletion(), IPhrasePlayer::kStillPlaying);
}

TEST_F(PhrasePlayerTest, OpenRefusesWhatCannotBePlayed)
{
    s_data->Write("TEXT.MP3", "This is not an MP3 file at all.\n");
    s_data->Write("EMPTY.MP3", "");
    std::string noise(4096, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = char(i * 7919 % 251);
    s_data->Write("NOISE.MP3", noise);
    for (const std::string& path :
         {s_data->File("TEXT.MP3"), s_data->File("EMPTY.MP3"), s_data->File("NOISE.MP3"),
          s_data->File("MISSING.MP3"), s_data->File(""), std::string(),
          s_data->File(std::string(5000, 'X') + ".MP3")}) {
        CPhrasePlayer player;
        ASSERT_EQ(player.Create(), kOk);
        EXPECT_EQ(player.Open(path), kFailed) << path.substr(0, 100);
        EXPECT_EQ(player.Run(), kFailed);
    }
}

TEST_F(PhrasePlayerTest, EachOperationNeedsTheOneBefore)
{
    CPhrasePlayer uncreated;
    EXPECT_EQ(uncreated.Open(s_data->File("TONE.MP3")), kFailed);
    EXPECT_EQ(uncreated.SetVolume(0), kFailed);
    EXPECT_EQ(uncreated.Rewind(), kFailed);
    EXPECT_EQ(uncreated.Run(), kFailed);
    EXPECT_EQ(uncreated.Stop(), kOk);
    EXPECT_EQ(uncreated.PollCompletion(), IPhrasePlayer::kErrorAbort);

    CPhrasePlayer unopened;
    ASSERT_EQ(unopened.Create(), kOk);
    EXPECT_EQ(unopened.Rewind(), kFailed);
    EXPECT_EQ(unopened.Run(), kFailed);

    CPhrasePlayer opened;
    ASSERT_EQ(opened.Create(), kOk);
    ASSERT_EQ(opened.Open(s_data->File("TONE.MP3")), kOk);
    EXPECT_EQ(opened.Open(s_data->File("TONE.MP3")), kFailed); // one player, one file
}

} // namespace
