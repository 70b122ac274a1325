// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportplan.h"

#include "cardfolder.h"
#include "core/datafolder.h"
#include "core/names.h"
#include "core/playtime.h"
#include "fileio/filestamp.h"
#include "fileio/safefile.h"
#include "fileio/targetpath.h"
#include "fileio/temporaryname.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <map>
#include <set>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace cuelist::cardexport {

namespace {

Problem& Add(ExportPlan& plan, ProblemKind kind)
{
    Problem& problem = plan.problems.emplace_back();
    problem.kind = kind;
    return problem;
}

std::uint64_t RoundUp(std::uint64_t bytes, std::uint64_t block)
{
    return block == 0 ? bytes : (bytes + block - 1) / block * block;
}

bool SameInode(const std::string& a, const std::string& b)
{
    return fileio::StampOf(a).sameFile(fileio::StampOf(b));
}

bool IsWritableFolder(const std::string& folder)
{
    struct statvfs fs
    {
    };
    if (::statvfs(folder.c_str(), &fs) == 0 && (fs.f_flag & ST_RDONLY) != 0)
        return false;
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

// The distinct NAME.MP3 (UTF-8) of the MP3 slots of channels 1..127, in byte order of
// their stored form.
std::vector<std::string> SlotFileNames(const SlotTable& table)
{
    std::set<std::string> stored;
    for (int channel = 1; channel <= kEditableChannelCount; ++channel)
        for (int frame = 1; frame <= kFrameCount; ++frame)
            if (std::string name = Mp3CellName(table.RecordAt(frame, channel)); !name.empty())
                stored.insert(std::move(name));
    std::vector<std::string> names;
    for (const std::string& name : stored)
        names.push_back(Cp932ToUtf8(name));
    return names;
}

// Checks the target folder itself; false when nothing more can be learnt about the card.
bool CheckTarget(const std::string& target, ExportPlan& plan)
{
    std::string path = target;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    struct stat st
    {
    };
    if (path.empty() || ::stat(path.c_str(), &st) != 0) {
        Add(plan, ProblemKind::TargetMissing).path = target;
        return false;
    }
    if (!S_ISDIR(st.st_mode)) {
        Add(plan, ProblemKind::TargetNotFolder).path = target;
        return false;
    }
    plan.target = RealDirectory(path);
    if (plan.target.empty()) {
        Add(plan, ProblemKind::TargetMissing).path = target;
        return false;
    }
    if (!IsWritableFolder(plan.target)) {
        Add(plan, ProblemKind::TargetReadOnly).path = plan.target;
        return false;
    }
    TargetLock probe;
    if (!probe.TryLock(plan.target)) {
        Add(plan, ProblemKind::TargetBusy).path = plan.target;
        return false;
    }
    return true;
}

void CheckCardDataFolder(const FolderEntries& top, ExportPlan& plan)
{
    const FolderEntries::Entry* data = top.Find("DATA");
    if (data == nullptr) {
        plan.createDataFolder = true;
        plan.cardDataFolder = plan.target + "DATA/";
        return;
    }
    plan.cardDataFolder = plan.target + data->name + "/";
    if (data->kind != FolderEntries::Kind::Folder) {
        Add(plan, ProblemKind::CardDataNotFolder).path = plan.target + data->name;
        return;
    }
    if (!IsWritableFolder(plan.cardDataFolder))
        Add(plan, ProblemKind::TargetReadOnly).path = plan.cardDataFolder;
}

// The source file of one slot name, or the problem that keeps it from the card.
void PlanFile(const std::string& name, const DataFolderListing& source, ExportPlan& plan,
              std::map<std::string, std::size_t>& byKey)
{
    if (IsFatUnsafeName(name)) {
        Add(plan, ProblemKind::NameNotFat).name = name;
        return;
    }
    const std::string sourcePath = source.PathOf(name);
    if (sourcePath.empty()) {
        Add(plan, ProblemKind::FileMissing).name = name;
        return;
    }
    // A record written by another program can hold lower-case letters; the card cannot
    // tell two such names apart.
    const std::string key = UpperAscii(name);
    if (const auto same = byKey.find(key); same != byKey.end()) {
        const PlannedFile& first = plan.files[same->second];
        if (!SameInode(first.sourcePath, sourcePath)) {
            Problem& p = Add(plan, ProblemKind::CaseClash);
            p.name = first.name;
            p.other = name;
        }
        return;
    }

    const int fd = ::open(sourcePath.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat st
    {
    };
    if (fd < 0 || ::fstat(fd, &st) != 0) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        Problem& p = Add(plan, ProblemKind::FileUnreadable);
        p.name = name;
        p.file = fileio::FileResult::System(error, sourcePath);
        return;
    }
    ::close(fd);
    if (!S_ISREG(st.st_mode)) {
        Problem& p = Add(plan, ProblemKind::FileUnreadable);
        p.name = name;
        p.file = fileio::FileResult::Fail(fileio::FileFault::NotRegular, sourcePath);
        return;
    }
    const auto size = std::uint64_t(st.st_size);
    if (size >= kFatFileLimit) {
        Problem& p = Add(plan, ProblemKind::FileTooLarge);
        p.name = name;
        p.path = sourcePath;
        p.size = size;
        return;
    }
    byKey.emplace(key, plan.files.size());
    plan.files.push_back({name, sourcePath, name, size, false});
}

// Where each file goes on the card, and what the card's DATA holds besides.
void MatchCardData(const FolderEntries& cardData, ExportPlan& plan)
{
    std::set<std::string> written;
    for (PlannedFile& file : plan.files) {
        if (const FolderEntries::Entry* there = cardData.Find(file.name)) {
            if (there->kind != FolderEntries::Kind::File) {
                Problem& p = Add(plan, ProblemKind::CardEntryNotFile);
                p.name = file.name;
                p.path = plan.cardDataFolder + there->name;
                continue;
            }
            // The file is replaced under its own spelling, so that a card on a
            // case-sensitive file system does not end up with both.
            file.cardName = there->name;
            file.replaces = true;
        }
        written.insert(file.cardName);
    }
    for (const FolderEntries::Entry& entry : cardData.Entries()) {
        if (IsExportTemporaryName(entry.name) && entry.kind == FolderEntries::Kind::File)
            plan.stale.push_back(std::string(kCardDataPrefix) + entry.name);
        else if (entry.kind == FolderEntries::Kind::File && !written.contains(entry.name))
            plan.extras.push_back(entry.name);
    }
}

void PlanPlaylist(const FolderEntries& top, const std::string& playlistName, ExportPlan& plan)
{
    if (IsFatUnsafeName(playlistName) || playlistName.empty() ||
        playlistName.find('/') != std::string::npos) {
        Add(plan, ProblemKind::NameNotFat).name = playlistName;
        return;
    }
    const FolderEntries::Entry* there = top.Find(playlistName);
    plan.cardPlaylistPath = plan.target + (there ? there->name : playlistName);
    plan.replacesPlaylist = there != nullptr;
    if (fileio::FileResult check = fileio::CheckWriteTarget(plan.cardPlaylistPath); !check.ok())
        Add(plan, ProblemKind::PlaylistNotWritable).file = check;
    for (const FolderEntries::Entry& entry : top.Entries())
        if (IsExportTemporaryName(entry.name) && entry.kind == FolderEntries::Kind::File)
            plan.stale.push_back(entry.name);
}

void CheckSpace(ExportPlan& plan)
{
    struct statvfs fs
    {
    };
    if (::statvfs(plan.target.c_str(), &fs) != 0)
        return;
    const std::uint64_t block = fs.f_frsize != 0 ? fs.f_frsize : fs.f_bsize;
    // Files that the copy replaces stay on the card until every new file is verified, so
    // the whole new set needs room next to the old one.
    std::uint64_t needed = RoundUp(kImageSize, block);
    std::uint64_t data = kImageSize;
    for (const PlannedFile& file : plan.files) {
        needed += RoundUp(file.size, block);
        data += file.size;
    }
    plan.bytesToCopy = data;
    plan.spaceNeeded = needed + kSpaceMarginFixed + data / 100 * kSpaceMarginPercent;
    plan.spaceAvailable = std::uint64_t(fs.f_bavail) * block;
    if (plan.spaceNeeded > plan.spaceAvailable) {
        Problem& p = Add(plan, ProblemKind::NoSpace);
        p.size = plan.spaceNeeded;
        p.available = plan.spaceAvailable;
    }
}

} // namespace

bool ExportPlan::blocked() const
{
    return std::any_of(problems.begin(), problems.end(),
                       [](const Problem& p) { return p.blocksExport(); });
}

bool IsFatUnsafeName(const std::string& utf8Name)
{
    static constexpr std::string_view kForbidden = "\\/:*?\"<>|";
    for (const char c : utf8Name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f ||
            kForbidden.find(c) != kForbidden.npos)
            return true;
    return utf8Name.find("\xEF\xBF\xBD") != std::string::npos; // U+FFFD: bytes that did not decode
}

bool IsExportTemporaryName(const std::string& name)
{
    return fileio::IsTemporaryName(name, kExportTemporarySuffix);
}

ExportPlan PlanExport(const ExportSource& source, const std::string& target)
{
    ExportPlan plan;
    const bool targetUsable = CheckTarget(target, plan);
    FolderEntries top;
    if (targetUsable) {
        top = FolderEntries(plan.target);
        CheckCardDataFolder(top, plan);
        const std::string sourceData = ResolveFolderIgnoringCase(source.dataFolderPath);
        std::string sourceFolder = source.dataFolderPath;
        while (!sourceFolder.empty() && sourceFolder.back() == '/')
            sourceFolder.pop_back();
        const std::size_t slash = sourceFolder.rfind('/');
        sourceFolder = slash == std::string::npos ? "./" : sourceFolder.substr(0, slash + 1);
        if (SameInode(plan.target, sourceFolder) ||
            (!sourceData.empty() && SameInode(plan.cardDataFolder, sourceData)))
            Add(plan, ProblemKind::TargetIsSource).path = plan.target;
    }

    const DataFolderListing listing(source.dataFolderPath);
    std::map<std::string, std::size_t> byKey;
    for (const std::string& name : SlotFileNames(source.table))
        PlanFile(name, listing, plan, byKey);

    if (targetUsable) {
        if (!plan.createDataFolder)
            MatchCardData(FolderEntries(plan.cardDataFolder), plan);
        PlanPlaylist(top, source.playlistName, plan);
        CheckSpace(plan);
        std::sort(plan.stale.begin(), plan.stale.end());
        if (!plan.extras.empty())
            Add(plan, ProblemKind::ExtraFiles).names = plan.extras;
        if (!plan.stale.empty())
            Add(plan, ProblemKind::StaleTemporaries).names = plan.stale;
    }
    return plan;
}

} // namespace cuelist::cardexport
