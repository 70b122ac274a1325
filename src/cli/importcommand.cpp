// SPDX-License-Identifier: GPL-3.0-or-later
#include "clitext.h"
#include "commands.h"
#include "core/datafolder.h"
#include "core/dropplan.h"
#include "core/importname.h"
#include "fileio/safefile.h"
#include "interrupt.h"
#include "media/importaudio.h"
#include "playlistio.h"
#include "text/messages.h"

#include <filesystem>
#include <set>
#include <sys/stat.h>

namespace cuelist::cli {

namespace {

// The playlist's data folder, made as DATA beside it when there is none yet.
std::string DataFolderFor(const std::string& playlist, Console& console)
{
    if (std::string existing = ExistingDataFolder(playlist); !existing.empty())
        return existing;
    std::error_code ec;
    const std::filesystem::path folder =
        std::filesystem::absolute(playlist, ec).parent_path() / "DATA";
    if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
        console.Report(text::FileResultMessage(fileio::FileResult::System(errno, folder), true));
        return {};
    }
    return ExistingDataFolder(playlist);
}

} // namespace

int RunImport(const Invocation& inv, Console& console)
{
    fileio::FileLock lock;
    LoadedPlaylist loaded;
    if (const int failed =
            OpenForEdit(inv.playlist, IfMissing::StartEmpty, inv.repair, lock, loaded, console))
        return failed;
    const std::string dataFolder = DataFolderFor(inv.playlist, console);
    if (dataFolder.empty())
        return kExitUsage;

    // Files that do not fit before frame 16 are not encoded at all.
    const std::vector<int> frames =
        FreeFramesFrom(loaded.table, inv.channel, inv.frame, int(inv.sources.size()));
    int status = kExitOk;
    for (std::size_t i = frames.size(); i < inv.sources.size(); ++i) {
        console.Report(CliText::tr("%1 was not imported: no free frame is left in channel %2.")
                           .arg(PathText(inv.sources[i]))
                           .arg(inv.channel));
        status = kExitRefused;
    }
    const DataFolderListing listing(dataFolder);
    std::set<std::string> chosen;
    const NameTaken taken = [&](std::string_view upper) {
        return listing.Contains(upper) || chosen.count(std::string(upper)) > 0;
    };
    std::vector<ImportItem> items;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const std::string base = UniqueImportName(ImportBaseName(inv.sources[i]), taken);
        chosen.insert(base + ".MP3");
        items.push_back({inv.sources[i], base + ".MP3"});
    }

    const InterruptAsCancel interrupts;
    const ImportOutcome outcome =
        ImportAudioFiles(items, dataFolder, {inv.bitrate, inv.sampleRate}, {}, interrupts.flag());
    if (outcome.cancelled) {
        ImportItemResult cancelled;
        cancelled.transcode.fault = TranscodeFault::Cancelled;
        console.Report(text::ImportFailureMessage({}, {}, cancelled));
        return kExitRefused;
    }
    // A file that failed leaves its frame to the next one, as a refused drop does.
    std::size_t next = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const ImportItemResult& result = outcome.items[i];
        const QString source = PathText(items[i].source);
        const QString name = QString::fromStdString(items[i].name);
        if (!result.ok()) {
            console.Report(text::ImportFailureMessage(source, name, result));
            status = kExitRefused;
            continue;
        }
        const int frame = frames[next++];
        loaded.table.SetSlotFile(frame, inv.channel, items[i].name);
        console.OutLine(QString::asprintf("%04d\t%02d\t", inv.channel, frame) + name + u'\t' +
                        source);
    }
    // The new files stay in the data folder even when the playlist cannot be written.
    if (next > 0 && !SavePlaylist(inv.playlist, loaded.table, console))
        return kExitUsage;
    return status;
}

} // namespace cuelist::cli
