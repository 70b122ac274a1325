// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardexport/cardfolder.h"
#include "cardexport/exportrun.h"
#include "core/playlistfile.h"
#include "tempfolder.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sys/mount.h>
#include <unistd.h>

using namespace cuelist;
using namespace cuelist::cardexport;
namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> Bytes(std::size_t size, std::uint8_t seed)
{
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t k = 0; k < size; ++k)
        bytes[k] = std::uint8_t(seed + k * 31 + k / 251);
    return bytes;
}

// Every file under a folder with its content, by path relative to it.
std::map<std::string, std::vector<std::uint8_t>> Snapshot(const std::string& folder)
{
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), folder).string()] = TempFolder::Read(entry.path());
        else if (entry.is_directory())
            files[fs::relative(entry.path(), folder).string() + "/"] = {};
    return files;
}

ProblemKind KindOf(const Problem& p)
{
    return p.kind;
}

std::vector<ProblemKind> Kinds(const ExportPlan& plan)
{
    std::vector<ProblemKind> kinds;
    std::transform(plan.problems.begin(), plan.problems.end(), std::back_inserter(kinds), KindOf);
    return kinds;
}

// A size-limited tmpfs, when the test may mount one; unmounted with everything in it.
class SmallCard final
{
public:
    SmallCard(const std::string& path, const char* options)
    {
        fs::create_directories(path);
        if (::mount("cuelist-card", path.c_str(), "tmpfs", 0, options) == 0)
            m_path = path;
    }
    ~SmallCard()
    {
        if (!m_path.empty())
            ::umount2(m_path.c_str(), MNT_DETACH);
    }
    SmallCard(const SmallCard&) = delete;
    SmallCard& operator=(const SmallCard&) = delete;
    bool mounted() const { return !m_path.empty(); }

private:
    std::string m_path;
};

// A playlist naming three files in a data folder spelt "Data", and a card folder.
class CardExport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(m_source.table.SetSlotFile(1, 1, "abc.mp3"), kSlotDone);
        ASSERT_EQ(m_source.table.SetSlotFile(2, 1, "abc.mp3"), kSlotDone);
        ASSERT_EQ(m_source.table.SetSlotFile(5, 127, "zz.mp3"), kSlotDone);
        ASSERT_EQ(m_source.table.SetSlotFile(16, 2, "big.mp3"), kSlotDone);
        m_source.playlistName = "show.slp";
        m_source.dataFolderPath = m_dir / "list/data/";
        TempFolder::Write(m_dir / "list/Data/abc.mp3", Bytes(70000, 1));
        TempFolder::Write(m_dir / "list/Data/ZZ.MP3", Bytes(1, 2));
        TempFolder::Write(m_dir / "list/Data/BIG.mp3", Bytes(3 * 1024 * 1024 + 7, 3));
        TempFolder::Write(m_dir / "list/Data/unused.mp3", Bytes(10, 4));
        fs::create_directories(Card());
    }

    std::string Card() const { return m_dir / "card"; }
    void Corrupt(int frame, int channel, const char* name)
    {
        SlotRecord& r = m_source.table.RecordAt(frame, channel);
        r[record::kType] = kTypeMp3;
        std::memset(&r[record::kName], ' ', record::kNameLength);
        std::memcpy(&r[record::kName], name, std::strlen(name));
    }

    TempFolder m_dir;
    ExportSource m_source;
};

} // namespace

TEST_F(CardExport, CopiesExactlyTheNamedFilesAndVerifiesThem)
{
    // An old card: a playlist, one file the new one replaces under another spelling, one
    // extra file and the leftovers of an export that was killed.
    TempFolder::Write(Card() + "/data/zz.mp3", Bytes(5, 9));
    TempFolder::Write(Card() + "/data/OLD.MP3", Bytes(5, 8));
    TempFolder::Write(Card() + "/data/.cl0badc0de.tmp", Bytes(5, 7));
    TempFolder::Write(Card() + "/.cl12345678.tmp", Bytes(5, 7));
    TempFolder::Write(Card() + "/SHOW.SLP", Bytes(kImageSize, 6));

    const ExportPlan plan = PlanExport(m_source, Card());
    EXPECT_EQ(Kinds(plan),
              (std::vector<ProblemKind>{ProblemKind::ExtraFiles, ProblemKind::StaleTemporaries}));
    ASSERT_FALSE(plan.blocked());
    EXPECT_EQ(plan.extras, std::vector<std::string>{"OLD.MP3"});
    ASSERT_EQ(plan.files.size(), 3u);
    EXPECT_EQ(plan.cardPlaylistPath, plan.target + "SHOW.SLP");

    std::uint64_t last = 0;
    bool monotonic = true;
    const ExportReport report =
        RunExport(plan, m_source.table, ExtraFiles::Remove,
                  [&](std::uint64_t done, std::uint64_t total, const std::string&) {
                      monotonic = monotonic && done >= last && done <= total;
                      last = done;
                      return true;
                  });
    ASSERT_EQ(report.outcome, ExportOutcome::Done);
    EXPECT_TRUE(monotonic);
    EXPECT_EQ(report.filesCopied, 3u);
    EXPECT_EQ(report.staleRemoved, 2u);
    EXPECT_EQ(report.removedExtras, std::vector<std::string>{"OLD.MP3"});

    const auto card = Snapshot(Card());
    const std::vector<std::string> names = [&] {
        std::vector<std::string> n;
        for (const auto& [name, bytes] : card)
            n.push_back(name);
        return n;
    }();
    EXPECT_EQ(names, (std::vector<std::string>{"SHOW.SLP", "data/", "data/ABC.MP3", "data/BIG.MP3",
                                               "data/zz.mp3"}));
    EXPECT_EQ(card.at("data/ABC.MP3"), Bytes(70000, 1));
    EXPECT_EQ(card.at("data/BIG.MP3"), Bytes(3 * 1024 * 1024 + 7, 3));
    EXPECT_EQ(card.at("data/zz.mp3"), Bytes(1, 2));
    EXPECT_EQ(card.at("SHOW.SLP"), BuildImage(m_source.table));
}

TEST_F(CardExport, ProblemsAreListedBeforeAnythingIsWritten)
{
    Corrupt(3, 3, "a*b");  // a character no card holds
    Corrupt(4, 3, "abc");  // "abc.MP3" is another file than "ABC.MP3"...
    Corrupt(6, 3, "ABC");  // ...when the data folder holds both spellings
    Corrupt(5, 3, "GONE"); // missing
    Corrupt(7, 3, "FIFO"); // not a regular file: missing to the data folder
    TempFolder::Write(m_dir / "list/Data/abc.MP3", Bytes(3, 3));
    TempFolder::Write(m_dir / "list/Data/ABC.MP3", Bytes(3, 4));
    ASSERT_EQ(::mkfifo((m_dir / "list/Data/FIFO.MP3").c_str(), 0600), 0);
    // A 4 GiB file costs nothing when it is sparse.
    fs::resize_file(m_dir / "list/Data/BIG.mp3", kFatFileLimit);
    TempFolder::Write(Card() + "/DATA/ZZ.MP3/inside", Bytes(1, 1)); // a folder where a file goes
    const auto before = Snapshot(Card());

    const ExportPlan plan = PlanExport(m_source, Card());
    EXPECT_TRUE(plan.blocked());
    const std::vector<ProblemKind> kinds = Kinds(plan);
    for (ProblemKind kind :
         {ProblemKind::NameNotFat, ProblemKind::CaseClash, ProblemKind::FileMissing,
          ProblemKind::FileTooLarge, ProblemKind::CardEntryNotFile})
        EXPECT_NE(std::find(kinds.begin(), kinds.end(), kind), kinds.end()) << int(kind);
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), ProblemKind::FileMissing), 2);

    const ExportReport report = RunExport(plan, m_source.table, ExtraFiles::Remove, {});
    EXPECT_EQ(report.outcome, ExportOutcome::Refused);
    EXPECT_EQ(Snapshot(Card()), before);
}

TEST_F(CardExport, TargetsThatCannotTakeTheExport)
{
    TempFolder::Write(m_dir / "file", Bytes(1, 1));
    EXPECT_EQ(Kinds(PlanExport(m_source, m_dir / "nowhere")),
              std::vector<ProblemKind>{ProblemKind::TargetMissing});
    EXPECT_EQ(Kinds(PlanExport(m_source, m_dir / "file")),
              std::vector<ProblemKind>{ProblemKind::TargetNotFolder});
    // The playlist's own folder: the copy would be the original itself.
    EXPECT_EQ(Kinds(PlanExport(m_source, m_dir / "list"))[0], ProblemKind::TargetIsSource);
    {
        TargetLock other;
        ASSERT_TRUE(other.TryLock(Card()));
        EXPECT_EQ(Kinds(PlanExport(m_source, Card())),
                  std::vector<ProblemKind>{ProblemKind::TargetBusy});
    }
    TempFolder::Write(Card() + "/Data", Bytes(1, 1));
    EXPECT_EQ(Kinds(PlanExport(m_source, Card()))[0], ProblemKind::CardDataNotFolder);

    const std::string readOnly = m_dir / "ro";
    SmallCard card(readOnly, "size=1m");
    if (!card.mounted())
        GTEST_SKIP() << "no tmpfs can be mounted here";
    ASSERT_EQ(::mount(nullptr, readOnly.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, "size=1m"), 0);
    EXPECT_EQ(Kinds(PlanExport(m_source, readOnly)),
              std::vector<ProblemKind>{ProblemKind::TargetReadOnly});
}

TEST_F(CardExport, CancelAtAnyPointLeavesTheOldCard)
{
    const auto oldCard = [&](const std::string& path) {
        TempFolder::Write(path + "/show.slp", Bytes(kImageSize, 6));
        TempFolder::Write(path + "/DATA/ABC.MP3", Bytes(10, 6));
        TempFolder::Write(path + "/DATA/OLD.MP3", Bytes(10, 5));
        return Snapshot(path);
    };
    // How often a whole export asks; its second-last call comes right before the renames.
    oldCard(m_dir / "whole");
    int calls = 0;
    const auto counting = [&](std::uint64_t, std::uint64_t, const std::string&) {
        return ++calls > 0;
    };
    ASSERT_EQ(RunExport(PlanExport(m_source, m_dir / "whole"), m_source.table, ExtraFiles::Remove,
                        counting)
                  .outcome,
              ExportOutcome::Done);
    const int whole = calls;
    ASSERT_GT(whole, 8); // the big file alone is written and read back in several steps

    for (int stopAt : {1, 2, whole / 2, whole - 2, whole - 1}) {
        const std::string card = m_dir / ("card" + std::to_string(stopAt));
        const auto before = oldCard(card);
        calls = 0;
        const ExportReport report = RunExport(
            PlanExport(m_source, card), m_source.table, ExtraFiles::Remove,
            [&](std::uint64_t, std::uint64_t, const std::string&) { return ++calls < stopAt; });
        EXPECT_EQ(report.outcome, ExportOutcome::Cancelled) << stopAt;
        EXPECT_EQ(Snapshot(card), before) << stopAt;
    }
}

TEST_F(CardExport, SmallCardIsRefusedAndAFullCardFailsCleanly)
{
    const std::string path = m_dir / "sd";
    SmallCard card(path, "size=2m");
    if (!card.mounted())
        GTEST_SKIP() << "no tmpfs can be mounted here";
    TempFolder::Write(path + "/show.slp", Bytes(kImageSize, 6));
    const auto before = Snapshot(path);

    // 3 MiB of MP3 files on a 2 MiB card.
    const ExportPlan tooSmall = PlanExport(m_source, path);
    ASSERT_EQ(Kinds(tooSmall), std::vector<ProblemKind>{ProblemKind::NoSpace});
    EXPECT_GT(tooSmall.spaceNeeded, tooSmall.spaceAvailable);
    EXPECT_EQ(RunExport(tooSmall, m_source.table, ExtraFiles::Keep, {}).outcome,
              ExportOutcome::Refused);
    EXPECT_EQ(Snapshot(path), before);

    // A card that fills up after the plan: the export fails, and takes back what it wrote.
    fs::resize_file(m_dir / "list/Data/BIG.mp3", 0);
    const ExportPlan plan = PlanExport(m_source, path);
    ASSERT_FALSE(plan.blocked());
    fs::resize_file(m_dir / "list/Data/BIG.mp3", 1024 * 1024);
    TempFolder::Write(path + "/filler", Bytes(1024 * 1024, 1));
    const ExportReport report = RunExport(plan, m_source.table, ExtraFiles::Keep, {});
    EXPECT_EQ(report.outcome, ExportOutcome::Failed);
    EXPECT_EQ(report.failure.error, ENOSPC);
    fs::remove(path + "/filler");
    EXPECT_EQ(Snapshot(path), before);
}
