// SPDX-License-Identifier: GPL-3.0-or-later
#include "../media/audiosource.h"
#include "core/playlistfile.h"
#include "testapp.h"

#include <csignal>
#include <gtest/gtest.h>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

using namespace cuelist;

namespace {

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

SlotTable Load(const QString& path)
{
    const QByteArray bytes = FileBytes(path);
    SlotTable table;
    std::copy(bytes.begin(), bytes.begin() + std::min<qsizetype>(bytes.size(), kImageSize),
              table.Bytes().begin());
    return table;
}

class CliImport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const auto path = [this](const char* name) { return Path(name).toStdString(); };
        ASSERT_TRUE(WriteTone(path("Station (morning).wav"), "wavenc", 0.4, 1000, 48000, 2));
        ASSERT_TRUE(WriteTone(path("abc.flac"), "flacenc", 0.1, 1000));
        ASSERT_TRUE(WriteTone(path("The long announcement.mp3"), "lamemp3enc", 0.025, 1000));
        WriteBytes(Path("readme.txt"), "not audio");
    }
    QString Path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(CliImport, FilesGoToFreeFramesUnderUniqueNamesAndReportLoudness)
{
    // A playlist whose frame 2 is taken and whose data folder holds ABC.MP3 in lower case.
    SlotTable table;
    ASSERT_EQ(table.SetSlotFile(2, 5, "abc.mp3"), kSlotDone);
    const QString playlist = Path("show.slp");
    WriteBytes(playlist, QByteArray(reinterpret_cast<const char*>(table.Bytes().data()),
                                    qsizetype(kImageSize)));
    QDir(m_dir.path()).mkdir("data");
    WriteBytes(Path("data/abc.mp3"), "old");

    const CliRun run =
        RunCli({"import", playlist, "5", "1", Path("Station (morning).wav"), Path("readme.txt"),
                Path("abc.flac"), Path("The long announcement.mp3")});
    EXPECT_EQ(run.status, 1) << run.err.toStdString(); // the text file is refused
    EXPECT_TRUE(run.err.contains("readme.txt holds no audio")) << run.err.toStdString();
    EXPECT_EQ(Entries(Path("data")),
              (QStringList{"ABC~1.MP3", "STATIONM.MP3", "THELONGA.MP3", "abc.mp3"}));
    EXPECT_EQ(FileBytes(Path("data/abc.mp3")), "old");

    // Frames 1, 3 and 4: frame 2 stays as it was, the refused file takes no frame.
    const SlotTable saved = Load(playlist);
    const std::pair<int, const char*> expected[] = {
        {1, "STATIONM.MP3"}, {2, "ABC.MP3"}, {3, "ABC~1.MP3"}, {4, "THELONGA.MP3"}, {5, " "}};
    for (const auto& [frame, name] : expected) {
        std::string text;
        saved.GetSlotText(frame, 5, text);
        EXPECT_EQ(text, name) << frame;
    }
    EXPECT_TRUE(run.out.contains("0005\t03\tABC~1.MP3\t")) << run.out.toStdString();

    const CliRun loudness = RunCli({"loudness", playlist});
    ASSERT_EQ(loudness.status, 0);
    const QList<QByteArray> lines = loudness.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[1].startsWith("0005\t02\tABC.MP3\t?\t?\t0 dB\t?")) << lines[1].toStdString();
    // 0.1 of full scale measures about -23 LUFS, before and after the import.
    EXPECT_TRUE(lines[2].startsWith("0005\t03\tABC~1.MP3\t-2")) << lines[2].toStdString();

    const CliRun show = RunCli({"show", playlist, "--json"});
    const QJsonArray entries = QJsonDocument::fromJson(show.out).object()["slots"].toArray();
    ASSERT_EQ(entries.size(), 4);
    EXPECT_TRUE(entries[1].toObject()["loudness"].isNull());
    const double quiet = entries[2].toObject()["loudness"].toDouble();
    const double loud = entries[0].toObject()["loudness"].toDouble();
    EXPECT_NEAR(quiet, -23.0, 1.0);
    EXPECT_NEAR(loud - quiet, 12.0 + 3.0, 1.0); // four times the amplitude, on two channels
    EXPECT_LT(entries[0].toObject()["truePeak"].toDouble(), 0.0);
}

TEST_F(CliImport, NewPlaylistGetsADataFolderAndAnInterruptLeavesNothing)
{
    const QString playlist = Path("fresh.slp");
    const CliRun run =
        RunCli({"import", playlist, "127", "16", Path("abc.flac"), Path("abc.flac")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("no free frame")) << run.err.toStdString();
    EXPECT_EQ(Entries(Path("DATA")), QStringList{"ABC.MP3"});

    ASSERT_TRUE(WriteTone(Path("long.wav").toStdString(), "wavenc", 0.3, 240000, 48000, 2));
    const QByteArray before = FileBytes(playlist);
    QProcess process;
    process.start(QStringLiteral(CUELIST_CLI_PATH),
                  {"import", playlist, "1", "1", Path("long.wav"), Path("long.wav")});
    ASSERT_TRUE(process.waitForStarted(10000));
    ::kill(pid_t(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_NE(process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, 0);
    EXPECT_EQ(Entries(Path("DATA")), QStringList{"ABC.MP3"});
    EXPECT_EQ(FileBytes(playlist), before);

    EXPECT_EQ(RunCli({"import", playlist, "1", "1", Path("abc.flac"), "--bitrate", "100"}).status,
              2);
}
