// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportrun.h"

#include "cardfolder.h"
#include "core/playlistfile.h"
#include "fileio/safefile.h"
#include "verifiedcopy.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace cuelist::cardexport {

namespace {

// What the run has put on the card so far, to be taken back on a cancel or a failure.
struct Undo
{
    std::vector<std::string> temporaries;
    std::vector<std::string> newNames; // renamed into place where no file was before
    std::string createdFolder;

    void Apply() const
    {
        for (const std::string& path : temporaries)
            ::unlink(path.c_str());
        for (const std::string& path : newNames)
            ::unlink(path.c_str());
        if (!createdFolder.empty())
            ::rmdir(createdFolder.c_str()); // only when empty
    }
};

bool IsRegularFile(const std::string& path)
{
    struct stat st
    {
    };
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::size_t RemoveStale(const ExportPlan& plan)
{
    std::size_t removed = 0;
    for (const std::string& name : plan.stale) {
        std::string path;
        if (name.starts_with(kCardDataPrefix))
            path = plan.cardDataFolder + name.substr(kCardDataPrefix.size());
        else
            path = plan.target + name;
        const std::string base = path.substr(path.rfind('/') + 1);
        if (IsExportTemporaryName(base) && IsRegularFile(path) && ::unlink(path.c_str()) == 0)
            ++removed;
    }
    return removed;
}

// The playlist goes to a temporary name through the file layer, is read back, and only
// then replaces the card's playlist, so that the old one stays until the new one is known good.
bool WritePlaylist(const ExportPlan& plan, const SlotTable& table, ExportReport& report, Undo& undo)
{
    const std::vector<std::uint8_t> image = BuildImage(table);
    const std::string temporary = TemporaryNameIn(plan.target);
    if (fileio::FileResult written = fileio::WriteFileSafely(temporary, image); !written.ok()) {
        report.failure = written;
        report.failure.path = plan.cardPlaylistPath;
        return false;
    }
    undo.temporaries.push_back(temporary);
    std::uint32_t crc = 0;
    std::uint64_t length = 0;
    if (fileio::FileResult back = ReadBack(temporary, crc, length); !back.ok()) {
        report.failure = back;
        return false;
    }
    if (length != image.size() ||
        crc != std::uint32_t(::crc32(::crc32(0, nullptr, 0), image.data(), uInt(image.size())))) {
        report.verifyMismatch = true;
        report.failure = fileio::FileResult::System(EIO, plan.cardPlaylistPath);
        return false;
    }
    if (::rename(temporary.c_str(), plan.cardPlaylistPath.c_str()) != 0) {
        report.failure = fileio::FileResult::System(errno, plan.cardPlaylistPath);
        return false;
    }
    undo.temporaries.pop_back();
    SyncFolder(plan.target);
    return true;
}

} // namespace

ExportReport RunExport(const ExportPlan& plan, const SlotTable& table, ExtraFiles extras,
                       const ExportProgress& progress)
{
    ExportReport report;
    if (plan.blocked()) {
        report.outcome = ExportOutcome::Refused;
        for (const Problem& problem : plan.problems)
            if (problem.blocksExport())
                report.refusals.push_back(problem);
        return report;
    }
    TargetLock lock;
    if (!lock.TryLock(plan.target)) {
        report.outcome = ExportOutcome::Refused;
        Problem& busy = report.refusals.emplace_back();
        busy.kind = ProblemKind::TargetBusy;
        busy.path = plan.target;
        return report;
    }
    report.staleRemoved = RemoveStale(plan);

    Undo undo;
    const auto stop = [&](ExportOutcome outcome) {
        undo.Apply();
        report.outcome = outcome;
        report.filesCopied = 0;
        report.bytesCopied = 0;
        return report;
    };

    if (plan.createDataFolder) {
        if (::mkdir(plan.cardDataFolder.c_str(), 0777) != 0) {
            report.failure = fileio::FileResult::System(errno, plan.cardDataFolder);
            return stop(ExportOutcome::Failed);
        }
        undo.createdFolder = plan.cardDataFolder;
    }

    // Each byte is counted twice, written and read back.
    const std::uint64_t total = 2 * plan.bytesToCopy;
    std::uint64_t done = 0;
    for (const PlannedFile& file : plan.files) {
        if (progress && !progress(done, total, file.name))
            return stop(ExportOutcome::Cancelled);
        const CopyResult copy =
            CopyVerified(file.sourcePath, plan.cardDataFolder, [&](std::uint64_t bytes) {
                done += bytes;
                return !progress || progress(done, total, file.name);
            });
        if (copy.outcome == CopyOutcome::Cancelled)
            return stop(ExportOutcome::Cancelled);
        if (copy.outcome != CopyOutcome::Done) {
            report.failure = copy.failure;
            report.verifyMismatch = copy.outcome == CopyOutcome::Mismatch;
            report.failedName = file.name;
            return stop(ExportOutcome::Failed);
        }
        undo.temporaries.push_back(copy.temporary);
        ++report.filesCopied;
        report.bytesCopied += copy.size;
    }
    if (progress && !progress(done, total, {}))
        return stop(ExportOutcome::Cancelled);

    // Every copy is verified: they take their names now, in one quick pass that no
    // cancel interrupts.
    const std::vector<std::string> staged = std::move(undo.temporaries);
    undo.temporaries.clear();
    for (std::size_t k = 0; k < plan.files.size(); ++k) {
        const std::string path = plan.cardDataFolder + plan.files[k].cardName;
        const bool existed = ::access(path.c_str(), F_OK) == 0;
        if (::rename(staged[k].c_str(), path.c_str()) != 0) {
            report.failure = fileio::FileResult::System(errno, path);
            report.failedName = plan.files[k].name;
            undo.temporaries.assign(staged.begin() + std::ptrdiff_t(k), staged.end());
            return stop(ExportOutcome::Failed);
        }
        if (!existed)
            undo.newNames.push_back(path);
    }
    SyncFolder(plan.cardDataFolder);

    report.failedName = plan.cardPlaylistPath.substr(plan.cardPlaylistPath.rfind('/') + 1);
    if (!WritePlaylist(plan, table, report, undo))
        return stop(ExportOutcome::Failed);
    report.failedName.clear();
    report.playlistWritten = true;
    if (progress)
        progress(total, total, {});

    for (const std::string& name : plan.extras) {
        if (extras == ExtraFiles::Keep) {
            report.keptExtras.push_back(name);
            continue;
        }
        const std::string path = plan.cardDataFolder + name;
        if (IsRegularFile(path) && ::unlink(path.c_str()) == 0)
            report.removedExtras.push_back(name);
        else
            report.unremovedExtras.push_back(name);
    }
    if (!report.removedExtras.empty())
        SyncFolder(plan.cardDataFolder);
    report.outcome = ExportOutcome::Done;
    return report;
}

} // namespace cuelist::cardexport
