// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/csv.h"
#include "core/playlistfile.h"
#include "testapp.h"

#include <cstring>
#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace cuelist;

namespace {

QByteArray Image(const SlotTable& table)
{
    const auto bytes = table.Bytes();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

void PutMp3(SlotTable& table, int frame, int channel, const char* name, int attenuation, int repeat,
            int interval)
{
    ASSERT_EQ(table.SetSlotFile(frame, channel, name), kSlotDone);
    table.SetSlotVolumeOrSpeed(frame, channel, std::uint8_t(attenuation));
    table.SetSlotRepeat(frame, channel, std::uint8_t(repeat));
    table.SetSlotInterval(frame, channel, std::uint16_t(interval));
}

// A playlist with three MP3 slots, two records that loading empties, and a data folder
// whose names differ in case from the slots; A,B.MP3 and ｶﾅ.MP3 are missing from it.
class CliTool : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        PutMp3(m_table, 3, 2, "abc.mp3", 12, 3, 30);
        PutMp3(m_table, 1, 2, "a,b.mp3", 0, 255, 0);
        PutMp3(m_table, 16, 127, "zz.mp3", 0, 0, 0);
        PutMp3(m_table, 1, 127, "ｶﾅ.mp3", 0, 0, 0);
        m_stored = m_table;
        m_stored.RecordAt(3, 5)[record::kType] = kTypeText;
        ASSERT_EQ(m_stored.SetSlotFile(1, 200, "far.mp3"), kSlotDone);
        m_playlist = Path("list.slp");
        WriteBytes(m_playlist, Image(m_stored));
        QDir(m_dir.path()).mkdir("Data");
        WriteBytes(Path("Data/abc.mp3"), QByteArray(1025, 'x'));
        WriteBytes(Path("Data/ZZ.MP3"), QByteArray(1024, 'y'));
    }

    QString Path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir m_dir;
    SlotTable m_table;  // what remains after loading
    SlotTable m_stored; // what the file holds
    QString m_playlist;
};

} // namespace

TEST_F(CliTool, ReadingCommandsReportRepairsAndNeverWrite)
{
    const CliRun csv = RunCli({"csv", m_playlist});
    EXPECT_EQ(csv.status, 0);
    const std::string expected =
        BuildCsv(m_table, "Channel,Set up Frame01,Set up Frame02,Set up Frame03,Set up Frame04,"
                          "Set up Frame05,Set up Frame06,Set up Frame07,Set up Frame08,"
                          "Set up Frame09,Set up Frame10,Set up Frame11,Set up Frame12,"
                          "Set up Frame13,Set up Frame14,Set up Frame15,Set up Frame16");
    EXPECT_EQ(csv.out.toStdString(), expected);
    EXPECT_EQ(csv.err.count(u'\n'), 2) << csv.err.toStdString();
    EXPECT_TRUE(csv.err.contains("Channel 5, frame 3: a record of unknown type 2"));
    EXPECT_TRUE(csv.err.contains("Channel 200, frame 1: a record outside channels 1-127"));

    EXPECT_EQ(RunCli({"csv", m_playlist, "-o", Path("out.csv")}).status, 0);
    EXPECT_EQ(FileBytes(Path("out.csv")).toStdString(), expected);
    EXPECT_EQ(RunCli({"csv", m_playlist, "--output", m_playlist}).status, 2);

    const CliRun show = RunCli({"show", m_playlist});
    EXPECT_EQ(show.status, 0);
    EXPECT_EQ(show.out, "0002\t01\tA,B.MP3\tRepeat Times = Unlimited/Volume=0 /Interval=0sec. \n"
                        "0002\t03\tABC.MP3\tRepeat Times=3 /Volume=-12 /Interval=30sec. \n"
                        "0127\t01\tｶﾅ.MP3\tRepeat Times=0 /Volume=0 /Interval=0sec. \n"
                        "0127\t16\tZZ.MP3\tRepeat Times=0 /Volume=0 /Interval=0sec. \n");
    EXPECT_EQ(RunCli({"show", m_playlist, "--channel", "127"}).out,
              "0127\t01\tｶﾅ.MP3\tRepeat Times=0 /Volume=0 /Interval=0sec. \n"
              "0127\t16\tZZ.MP3\tRepeat Times=0 /Volume=0 /Interval=0sec. \n");
    EXPECT_EQ(RunCli({"show", m_playlist, "--channel", "128"}).status, 2);

    const CliRun check = RunCli({"check", m_playlist});
    EXPECT_EQ(check.status, 1);
    EXPECT_EQ(check.out,
              "Channel 5, frame 3: a record of unknown type 2 was emptied on loading\n"
              "Channel 200, frame 1: a record outside channels 1-127 (type 1) was emptied on "
              "loading\n"
              "Not in the data folder: A,B.MP3\n"
              "Not in the data folder: ｶﾅ.MP3\n"
              "Total data size:3KB\n");
    EXPECT_EQ(check.err, ""); // each finding once, on standard output

    EXPECT_EQ(FileBytes(m_playlist), Image(m_stored));
}

TEST_F(CliTool, CheckPassesACleanPlaylist)
{
    SlotTable clean;
    PutMp3(clean, 1, 1, "abc.mp3", 0, 0, 0);
    WriteBytes(m_playlist, Image(clean));
    const CliRun check = RunCli({"check", m_playlist});
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.out, "Total data size:2KB\n");
    EXPECT_EQ(check.err, "");

    // An empty "data" beside "Data": both are named, with the one used; abc.mp3 is then
    // missing from it.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("data"));
    const CliRun twice = RunCli({"check", m_playlist});
    EXPECT_EQ(twice.status, 1);
    EXPECT_TRUE(twice.out.startsWith("The folders \"data\", \"Data\" are beside the playlist; "
                                     "the files are taken from \"data\" only.\n"))
        << twice.out.constData();
}

TEST_F(CliTool, SetCreatesStoresAndRefuses)
{
    const QString fresh = Path("new.slp");
    EXPECT_EQ(RunCli({"set", fresh, "2", "3", "abc.mp3", "--volume", "-12", "--repeat", "3",
                      "--interval", "30"})
                  .status,
              0);
    SlotTable expected;
    PutMp3(expected, 3, 2, "abc.mp3", 12, 3, 30);
    EXPECT_EQ(FileBytes(fresh), Image(expected));

    // The extremes the settings dialog allows.
    EXPECT_EQ(RunCli({"set", fresh, "127", "16", "b.mp3", "--volume=-70", "--repeat", "255",
                      "--interval", "3600"})
                  .status,
              0);
    PutMp3(expected, 16, 127, "b.mp3", 70, 255, 3600);
    EXPECT_EQ(FileBytes(fresh), Image(expected));

    const QByteArray before = FileBytes(fresh);
    const std::pair<const char*, const char*> refused[] = {
        {"abcdefghi.mp3", "Settable file name within 8 characters"},
        {"abc.wav", "Settable file type in MP3 only"},
        {"ab d.mp3", "No space within settable file name"},
        {"日本.mp3", "Settable file name in half-size/one-byte character only"},
        {"a?b.mp3", "memory card"},
    };
    for (const auto& [name, message] : refused) {
        const CliRun run = RunCli({"set", fresh, "1", "1", QString::fromUtf8(name)});
        EXPECT_EQ(run.status, 1) << name;
        EXPECT_TRUE(run.err.contains(message)) << run.err.toStdString();
    }
    const QStringList badValues[] = {
        {"--volume", "1"},    {"--volume", "-71"},    {"--repeat", "256"},  {"--repeat", "x"},
        {"--interval", "-1"}, {"--interval", "3601"}, {"--volume", "-1.5"}, {"--volume"},
    };
    for (const QStringList& option : badValues) {
        const CliRun run = RunCli(QStringList{"set", fresh, "1", "1", "c.mp3"} + option);
        EXPECT_EQ(run.status, 2) << option.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(option.front())) << run.err.toStdString();
    }
    const QStringList badPlaces[] = {{"0", "1"}, {"128", "1"}, {"1", "17"}, {"x", "1"}};
    for (const QStringList& place : badPlaces)
        EXPECT_EQ(RunCli(QStringList{"set", fresh} + place + QStringList{"c.mp3"}).status, 2);
    EXPECT_EQ(RunCli({"set", fresh, "1", "1", "   "}).status, 2);
    EXPECT_EQ(FileBytes(fresh), before);

    // A refused name never creates a playlist.
    EXPECT_EQ(RunCli({"set", Path("none.slp"), "1", "1", "toolongname.mp3"}).status, 1);
    EXPECT_FALSE(QFile::exists(Path("none.slp")));
}

TEST_F(CliTool, ClearEmptiesASlotOrAChannel)
{
    // Records that saving would drop need --repair, and the refusal names them.
    const CliRun refused = RunCli({"clear", m_playlist, "2", "3"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("--repair") && refused.err.contains("channel 5, frame 3") &&
                refused.err.contains("channel 200, frame 1"))
        << refused.err.toStdString();
    EXPECT_EQ(FileBytes(m_playlist), Image(m_stored));

    EXPECT_EQ(RunCli({"clear", m_playlist, "2", "3", "--repair"}).status, 0);
    SlotTable expected = m_table;
    expected.SetSlotFile(3, 2, " ");
    EXPECT_EQ(FileBytes(m_playlist), Image(expected));

    EXPECT_EQ(RunCli({"clear", m_playlist, "2"}).status, 0);
    expected.SetSlotFile(1, 2, " ");
    EXPECT_EQ(FileBytes(m_playlist), Image(expected));
}

TEST_F(CliTool, FileAndUsageErrors)
{
    const QString missing = Path("missing.slp");
    for (const char* command : {"csv", "show", "check"}) {
        const CliRun run = RunCli({command, missing});
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.err.contains(missing + ": No such file or directory"))
            << run.err.toStdString();
    }
    EXPECT_EQ(RunCli({"clear", missing, "1"}).status, 2);
    EXPECT_FALSE(QFile::exists(missing));

    // Writes go only to playlist names; any other file is left alone.
    const QByteArray song(3000, 's');
    WriteBytes(Path("Data/song.mp3"), song);
    EXPECT_EQ(RunCli({"set", Path("Data/song.mp3"), "1", "1", "a.mp3"}).status, 2);
    EXPECT_EQ(RunCli({"clear", Path("Data/song.mp3"), "1"}).status, 2);
    EXPECT_EQ(FileBytes(Path("Data/song.mp3")), song);

    const CliRun unwritable = RunCli({"set", Path("no/such/dir.slp"), "1", "1", "a.mp3"});
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_TRUE(unwritable.err.contains("dir.slp")) << unwritable.err.toStdString();

    // Standard output that cannot be written is an error, not a silent success.
    const CliRun full = RunCli({"csv", m_playlist}, {"LC_ALL=C.UTF-8"}, "/dev/full");
    EXPECT_EQ(full.status, 2);
    EXPECT_TRUE(full.err.contains("No space left on device")) << full.err.toStdString();

    EXPECT_EQ(RunCli({}).status, 2);
    EXPECT_EQ(RunCli({"frobnicate", m_playlist}).status, 2);
    EXPECT_EQ(RunCli({"check", m_playlist, "extra"}).status, 2);
    EXPECT_EQ(RunCli({"--version"}).out, "cuelist 1.0.0\n");
    const CliRun help = RunCli({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* command : {"csv", "show", "check", "set", "clear"})
        EXPECT_TRUE(help.out.contains(command));
}

TEST_F(CliTool, JapaneseLocale)
{
    for (const char* setting : {"LC_ALL=ja_JP.UTF-8", "LANG=ja_JP.UTF-8"}) {
        const QStringList japanese{QString::fromUtf8(setting)};
        const CliRun csv = RunCli({"csv", m_playlist}, japanese);
        EXPECT_TRUE(QString::fromUtf8(csv.out).startsWith("チャンネル名,設定枠01,設定枠02,"))
            << setting;

        const CliRun show = RunCli({"show", m_playlist, "--channel", "2"}, japanese);
        EXPECT_TRUE(show.out.startsWith("0002\t01\tA,B.MP3\t"));
        EXPECT_FALSE(show.out.contains("Repeat Times"));

        const CliRun refused =
            RunCli({"set", m_playlist, "1", "1", "abcdefghi.mp3", "--repair"}, japanese);
        EXPECT_EQ(refused.status, 1);
        EXPECT_TRUE(refused.err.contains("設定できるファイル名は8文字以内です"));
    }
}

TEST_F(CliTool, OutputForScripts)
{
    // Control bytes in a name never add a line or a field.
    SlotRecord odd = EmptyRecord();
    odd[record::kType] = kTypeMp3;
    std::memcpy(odd.data() + record::kName, "A\tB\nC\\\x01", 7);
    m_stored.RecordAt(4, 9) = odd;
    WriteBytes(m_playlist, Image(m_stored));
    const CliRun show = RunCli({"show", m_playlist});
    EXPECT_EQ(show.status, 0);
    const QList<QByteArray> lines = show.out.trimmed().split('\n');
    EXPECT_EQ(lines.size(), 5);
    for (const QByteArray& line : lines)
        EXPECT_EQ(line.count('\t'), 3) << line.toStdString();
    EXPECT_TRUE(show.out.contains("0009\t04\tA\\tB\\nC\\\\\\x01.MP3\t")) << show.out.toStdString();
    // times and check escape the same way.
    const CliRun times = RunCli({"times", m_playlist, "--channel", "9"},
                                {"LC_ALL=C.UTF-8", "XDG_CACHE_HOME=" + m_dir.filePath("cache")});
    EXPECT_EQ(times.out, "0009\t04\tA\\tB\\nC\\\\\\x01.MP3\t?\n0009\tPlay time\t\t0:00, stops at "
                         "frame 4 (file missing or unplayable)\n");
    EXPECT_TRUE(
        RunCli({"check", m_playlist}).out.contains("data folder: A\\tB\\nC\\\\\\x01.MP3\n"));

    const CliRun json = RunCli({"show", m_playlist, "--json", "--channel", "2"});
    EXPECT_EQ(json.status, 0);
    const QJsonArray found = QJsonDocument::fromJson(json.out).object()["slots"].toArray();
    ASSERT_EQ(found.size(), 2);
    const QJsonObject abc = found[1].toObject();
    EXPECT_EQ(abc["file"].toString(), "ABC.MP3");
    EXPECT_EQ(QList<int>({abc["channel"].toInt(), abc["frame"].toInt(), abc["volume"].toInt(),
                          abc["repeat"].toInt(), abc["interval"].toInt(), abc["low"].toInt()}),
              QList<int>({2, 3, -12, 3, 30, 15}));

    // "-" is standard output; only names ending in .slp are written.
    EXPECT_EQ(RunCli({"csv", m_playlist, "-o", "-"}).out, RunCli({"csv", m_playlist}).out);
    EXPECT_EQ(RunCli({"set", Path("slp"), "1", "1", "a.mp3"}).status, 2);
    EXPECT_FALSE(QFile::exists(Path("slp")));

    // Slots A and a both resolve to A.MP3, which counts once.
    SlotTable cased;
    cased.SetSlotFile(1, 1, "a.mp3");
    cased.RecordAt(2, 1) = cased.RecordAt(1, 1);
    cased.RecordAt(2, 1)[record::kName] = 'a';
    WriteBytes(m_playlist, Image(cased));
    WriteBytes(Path("Data/A.MP3"), QByteArray(1024, 'a'));
    WriteBytes(Path("Data/a.mp3"), QByteArray(2048, 'a'));
    EXPECT_EQ(RunCli({"check", m_playlist}).out, "Total data size:1KB\n"); // A.MP3 once
}

TEST_F(CliTool, ApplyChecksEveryLineThenWritesOnce)
{
    const QString edits = Path("edits.txt");
    WriteBytes(edits, "# fill\nset 1 1 a.mp3 --volume -3\n\nset 1 2 b.mp3\nset 1 3 c.wav\n");
    const QString fresh = Path("fresh.slp");
    const CliRun bad = RunCli({"apply", fresh, edits});
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(bad.err.contains("line 5: Settable file type in MP3 only"))
        << bad.err.toStdString();
    EXPECT_FALSE(QFile::exists(fresh));
    WriteBytes(edits, "set 1 1 a.mp3\nshow\n");
    EXPECT_TRUE(RunCli({"apply", fresh, edits}).err.contains("line 2:"));

    WriteBytes(edits, "set 1 1 a.mp3 --volume -3\nset 1 2 b.mp3\nclear 1 1\nset 2 16 c.mp3\n");
    EXPECT_EQ(RunCli({"apply", fresh, edits}).status, 0);
    SlotTable expected;
    PutMp3(expected, 2, 1, "b.mp3", 0, 0, 0);
    PutMp3(expected, 16, 2, "c.mp3", 0, 0, 0);
    EXPECT_EQ(FileBytes(fresh), Image(expected));
    EXPECT_EQ(RunCli({"apply", m_playlist, edits}).status, 1); // records it would drop
}

namespace {

// Runs a shell script with the tool's path as $1 and the test folder as $0; standard output
// and standard error together.
CliRun RunShell(const QString& script, const QString& folder)
{
    TestApp();
    QProcess shell;
    shell.setProcessChannelMode(QProcess::MergedChannels);
    shell.start("bash", {"-c", script, folder, CUELIST_CLI_PATH});
    shell.waitForFinished(-1);
    CliRun run;
    run.status = shell.exitStatus() == QProcess::NormalExit ? shell.exitCode() : -1;
    run.out = shell.readAllStandardOutput();
    run.err = QString::fromUtf8(run.out);
    return run;
}

} // namespace

// Edit files come from files, pipes and standard input, whole or not at all; the first bad
// line is the one reported.
TEST_F(CliTool, ApplyReadsEveryInputWholly)
{
    const QString fresh = Path("fresh.slp");
    SlotTable expected;
    PutMp3(expected, 1, 1, "a.mp3", 0, 0, 0);
    PutMp3(expected, 2, 1, "b.mp3", 0, 0, 0);
    const char* inputs[] = {
        "\"$1\" apply \"$0/fresh.slp\" <(printf 'set 1 1 a.mp3\\nset 1 2 b.mp3\\n')",
        "printf 'set 1 1 a.mp3\\nset 1 2 b.mp3\\n' | \"$1\" apply \"$0/fresh.slp\" /dev/stdin",
        "printf 'set 1 1 a.mp3\\nset 1 2 b.mp3\\n' | \"$1\" apply \"$0/fresh.slp\" -",
        // Saved by an editor that starts UTF-8 with a byte order mark and ends lines with CR LF.
        "printf '\\xef\\xbb\\xbfset 1 1 a.mp3\\r\\nset 1 2 b.mp3\\r\\n' > \"$0/e.txt\";"
        " \"$1\" apply \"$0/fresh.slp\" \"$0/e.txt\"",
    };
    for (const char* script : inputs) {
        QFile::remove(fresh);
        const CliRun run = RunShell(QString::fromUtf8(script), m_dir.path());
        EXPECT_EQ(run.status, 0) << script << "\n" << run.err.toStdString();
        EXPECT_EQ(FileBytes(fresh), Image(expected)) << script;
    }

    const std::pair<const char*, const char*> bad[] = {
        {"set 1 1 toolongname.mp3\nbogus line\n", "line 1: Settable file name within 8"},
        {"clear 1 1\nclear 5 --help\n", "line 2: only \"set\" and \"clear\""},
    };
    const QString edits = Path("edits.txt");
    for (const auto& [text, message] : bad) {
        WriteBytes(edits, text);
        const CliRun run = RunCli({"apply", fresh, edits});
        EXPECT_NE(run.status, 0) << text;
        EXPECT_TRUE(run.err.contains(message)) << run.err.toStdString();
        EXPECT_EQ(FileBytes(fresh), Image(expected)) << text;
    }

    // Past the limit of 64 MiB the input is refused, never cut: cut here, "clear 12" would
    // become "clear 1".
    QByteArray huge = "set 1 3 c.mp3\n";
    const QByteArray filler = "# " + QByteArray(1021, '.') + "\n";
    huge += filler.repeated((64 << 20) / filler.size());
    huge.chop(4);
    huge += "clear 12\nset 1 1 x\n";
    ASSERT_GT(huge.size(), 64 << 20);
    WriteBytes(edits, huge);
    for (const QString& script :
         {QStringLiteral("\"$1\" apply \"$0/fresh.slp\" \"$0/edits.txt\""),
          QStringLiteral("cat \"$0/edits.txt\" | \"$1\" apply \"$0/fresh.slp\"")}) {
        const CliRun run = RunShell(script, m_dir.path());
        EXPECT_EQ(run.status, 2) << script.toStdString();
        EXPECT_TRUE(run.err.contains("larger than 67,108,864 bytes")) << run.err.toStdString();
    }
    EXPECT_EQ(FileBytes(fresh), Image(expected));
}

// Messages say what the system says, and point to the right form.
TEST_F(CliTool, MessagesNameTheRealFault)
{
    const CliRun missingFolder = RunCli({"set", Path("no/such/list.slp"), "1", "1", "a.mp3"});
    EXPECT_EQ(missingFolder.status, 2);
    EXPECT_TRUE(missingFolder.err.contains("Cannot write " + Path("no/such/list.slp") +
                                           ": No such file or directory"))
        << missingFolder.err.toStdString();

    const CliRun stdoutPath = RunCli({"csv", m_playlist, "-o", "/dev/stdout"});
    EXPECT_EQ(stdoutPath.status, 2);
    EXPECT_TRUE(stdoutPath.err.contains("\"-o -\"")) << stdoutPath.err.toStdString();

    // times notes what loading emptied, as every reading command does.
    const CliRun times = RunCli({"times", m_playlist},
                                {"LC_ALL=C.UTF-8", "XDG_CACHE_HOME=" + m_dir.filePath("cache")});
    EXPECT_EQ(times.status, 0);
    EXPECT_TRUE(times.err.contains("Channel 5, frame 3: a record of unknown type 2"))
        << times.err.toStdString();

    // Bytes after the table are reported, and an edit that would drop them needs --repair.
    WriteBytes(m_playlist, Image(m_table) + QByteArray(100, 'x'));
    const CliRun show = RunCli({"show", m_playlist});
    EXPECT_EQ(show.status, 0);
    EXPECT_TRUE(show.err.contains("100 bytes after")) << show.err.toStdString();
    const CliRun check = RunCli({"check", m_playlist});
    EXPECT_EQ(check.status, 1);
    EXPECT_TRUE(check.out.contains("100 bytes after"));
    EXPECT_EQ(RunCli({"clear", m_playlist, "2"}).status, 1);
    EXPECT_EQ(std::size_t(FileBytes(m_playlist).size()), kImageSize + 100);
    EXPECT_EQ(RunCli({"clear", m_playlist, "2", "--repair"}).status, 0);
    EXPECT_EQ(std::size_t(FileBytes(m_playlist).size()), kImageSize);
}

// Devices, FIFOs, dangling links and protected files are never replaced or waited on.
TEST_F(CliTool, UnsafeTargetsAreRefused)
{
    const QByteArray dir = QFile::encodeName(m_dir.path());
    ASSERT_EQ(::mkfifo(dir + "/pipe.slp", 0600), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::mknod(dir + "/null.slp", S_IFCHR | 0666, makedev(1, 3)), 0);
    }
    ASSERT_TRUE(QFile::link(Path("nowhere.slp"), Path("dangling.slp")));
    ASSERT_TRUE(QFile::link(Path("pipe.slp"), Path("topipe.slp")));
    WriteBytes(Path("ro.slp"), Image(m_table));
    ASSERT_TRUE(QFile::setPermissions(Path("ro.slp"), QFile::ReadOwner | QFile::ReadOther));

    for (const char* name : {"pipe.slp", "null.slp", "dangling.slp", "topipe.slp", "ro.slp"}) {
        if (!root && QByteArray(name) == "null.slp")
            continue;
        struct stat before
        {
        };
        ::lstat(QFile::encodeName(Path(name)), &before);
        EXPECT_EQ(RunCli({"set", Path(name), "1", "1", "a.mp3"}).status, 2) << name;
        EXPECT_EQ(RunCli({"csv", m_playlist, "-o", Path(name)}).status, 2) << name;
        struct stat after
        {
        };
        ::lstat(QFile::encodeName(Path(name)), &after);
        EXPECT_EQ(after.st_mode, before.st_mode) << name;
        EXPECT_EQ(after.st_ino, before.st_ino) << name;
    }
    EXPECT_FALSE(QFile::exists(Path("nowhere.slp")));
    EXPECT_EQ(FileBytes(Path("ro.slp")), Image(m_table));
    const CliRun pipe = RunCli({"show", Path("pipe.slp")});
    EXPECT_TRUE(pipe.err.contains("pipe.slp is not a regular file")) << pipe.err.toStdString();
}

// Edits running at the same time follow one another; none is lost.
TEST_F(CliTool, ParallelEditsAreSerialised)
{
    TestApp();
    const QString script =
        QStringLiteral("for i in $(seq 15); do p=\"$0/p$i.slp\";"
                       " \"$1\" set \"$p\" 1 1 a.mp3 & \"$1\" set \"$p\" 1 2 b.mp3 & wait;"
                       " \"$1\" set \"$p\" 1 3 c.mp3 & \"$1\" clear \"$p\" 1 1 & wait;"
                       " \"$1\" show \"$p\" | wc -l; done");
    QProcess shell;
    shell.start("sh", {"-c", script, m_dir.path(), CUELIST_CLI_PATH});
    ASSERT_TRUE(shell.waitForFinished(-1));
    const QList<QByteArray> counts = shell.readAllStandardOutput().simplified().split(' ');
    EXPECT_EQ(counts, QList<QByteArray>(15, "2"));
}

TEST_F(CliTool, TimesListsLengthsAndPlayTimes)
{
    // 100 frames of 128 kbit/s, 44.1 kHz MPEG-1 Layer III: 2.612 s.
    QByteArray frames;
    for (int i = 0; i < 100; ++i)
        frames += QByteArray::fromHex("fffb9044") + QByteArray(413, '\0');
    WriteBytes(Path("Data/abc.mp3"), frames);
    SlotTable table = m_table;
    PutMp3(table, 5, 3, "abc.mp3", 0, 1, 10);
    PutMp3(table, 9, 3, "abc.mp3", 0, 0, 0);
    WriteBytes(m_playlist, Image(table));

    const QString cache = "XDG_CACHE_HOME=" + m_dir.filePath("cache");
    const CliRun times = RunCli({"times", m_playlist}, {"LC_ALL=C.UTF-8", cache});
    EXPECT_EQ(times.status, 0);
    EXPECT_EQ(QString::fromUtf8(times.out),
              "0002\t01\tA,B.MP3\t?\n"
              "0002\t03\tABC.MP3\t0:03\n"
              // frame 1 is missing: the preview stops there, before the endless frame 3
              "0002\tPlay time\t\t0:00, stops at frame 1 (file missing or unplayable)\n"
              "0003\t05\tABC.MP3\t0:03\n"
              "0003\t09\tABC.MP3\t0:03\n"
              "0003\tPlay time\t\t0:28\n" // 2 x (2.612 + 10) + 2.612
              "0127\t01\t\uff76\uff85.MP3\t?\n"
              "0127\t16\tZZ.MP3\t?\n" // not audio
              "0127\tPlay time\t\t0:00, stops at frame 1 (file missing or unplayable)\n");
    EXPECT_TRUE(QFileInfo::exists(m_dir.filePath("cache/cuelist-studio/durations.tsv")));
    // The same figures for one channel, the second time from the kept cache.
    EXPECT_EQ(RunCli({"times", m_playlist, "--channel", "3"}, {"LC_ALL=C.UTF-8", cache}).out,
              times.out.mid(times.out.indexOf("0003"),
                            times.out.indexOf("0127") - times.out.indexOf("0003")));
    // show --json gives the same figures.
    const QJsonObject json =
        QJsonDocument::fromJson(
            RunCli({"show", m_playlist, "--json", "--channel", "3"}, {"LC_ALL=C.UTF-8", cache}).out)
            .object();
    EXPECT_EQ(json["slots"].toArray()[0].toObject()["length"].toInteger(), 2612);
    const QJsonObject channel3 = json["channels"].toArray()[0].toObject();
    EXPECT_EQ(channel3["playTime"].toString(), "0:28");
    EXPECT_EQ(channel3["milliseconds"].toInteger(), 2 * (2612 + 10000) + 2612);
}
