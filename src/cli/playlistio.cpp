// SPDX-License-Identifier: GPL-3.0-or-later
#include "playlistio.h"

#include "clitext.h"
#include "commands.h"
#include "core/datafolder.h"
#include "fileio/safefile.h"
#include "text/messages.h"

#include <cerrno>
#include <filesystem>

namespace cuelist::cli {

QString PathText(const std::string& path)
{
    return QString::fromUtf8(path.data(), qsizetype(path.size()));
}

bool IsPlaylistFileName(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    return base.size() > 4 && HasPlaylistExtension(base);
}

bool LoadPlaylist(const std::string& path, IfMissing ifMissing, Console& console,
                  LoadedPlaylist& loaded)
{
    loaded.path = path;
    std::vector<std::uint8_t> bytes;
    fileio::FileStamp stamp;
    const fileio::FileResult read = fileio::ReadFileHead(path, bytes, kImageSize, &stamp);
    if (!read.ok()) {
        if (read.fault == fileio::FileFault::System && read.error == ENOENT &&
            ifMissing == IfMissing::StartEmpty) {
            loaded.isNew = true;
            return true;
        }
        console.Report(text::FileResultMessage(read, false));
        return false;
    }
    ReadImage(loaded.table, bytes);
    loaded.removed = RepairAfterLoad(loaded.table);
    if (std::uint64_t(stamp.size) > kImageSize)
        loaded.trailingBytes = std::uint64_t(stamp.size) - kImageSize;
    return true;
}

QStringList LoadFindings(const LoadedPlaylist& loaded)
{
    QStringList lines;
    for (const RemovedRecord& removed : loaded.removed)
        lines << text::RemovedRecordText(removed);
    if (loaded.trailingBytes > 0)
        lines << CliText::tr("%1 has %2 bytes after the %3 bytes of a playlist; they are ignored.")
                     .arg(PathText(loaded.path))
                     .arg(loaded.trailingBytes)
                     .arg(kImageSize);
    return lines;
}

void NoteRemoved(const LoadedPlaylist& loaded, Console& console)
{
    for (const QString& line : LoadFindings(loaded))
        console.Report(line);
}

bool MayDropRemoved(const LoadedPlaylist& loaded, bool repair, Console& console)
{
    if (repair) {
        NoteRemoved(loaded, console);
        return true;
    }
    if (loaded.removed.empty() && loaded.trailingBytes == 0)
        return true;
    console.Report(CliText::tr("Saving would remove what the editor cannot use; give --repair to "
                               "remove it:"));
    for (const RemovedRecord& removed : loaded.removed)
        console.ErrLine(CliText::tr("  channel %1, frame %2 (type %3)")
                            .arg(removed.channel)
                            .arg(removed.frame)
                            .arg(removed.type));
    if (loaded.trailingBytes > 0)
        console.ErrLine(
            CliText::tr("  %1 bytes after the end of the playlist").arg(loaded.trailingBytes));
    return false;
}

int OpenForEdit(const std::string& path, IfMissing ifMissing, bool repair, fileio::FileLock& lock,
                LoadedPlaylist& loaded, Console& console)
{
    if (!IsPlaylistFileName(path)) {
        console.Report(CliText::tr("%1 is not a playlist file name (.slp).").arg(PathText(path)));
        return kExitUsage;
    }
    if (const fileio::FileResult target = fileio::CheckWriteTarget(path); !target.ok()) {
        console.Report(text::FileResultMessage(target, true));
        return kExitUsage;
    }
    if (!LockPlaylist(path, lock, console) || !LoadPlaylist(path, ifMissing, console, loaded))
        return kExitUsage;
    if (!MayDropRemoved(loaded, repair, console))
        return kExitRefused;
    return 0;
}

bool LockPlaylist(const std::string& path, fileio::FileLock& lock, Console& console)
{
    // The lock is the first step of a write, and a failure to take it is reported as one.
    const fileio::FileResult locked = lock.Acquire(path);
    if (!locked.ok())
        console.Report(text::FileResultMessage(locked, true));
    return locked.ok();
}

bool SavePlaylist(const std::string& path, const SlotTable& table, Console& console)
{
    const std::vector<std::uint8_t> image = BuildImage(table);
    const fileio::FileResult written = fileio::WriteFileSafely(path, image);
    if (!written.ok())
        console.Report(text::FileResultMessage(written, true));
    return written.ok();
}

bool WriteOutputFile(const std::string& path, std::string_view bytes, Console& console)
{
    if (path.empty() || path == "-") {
        console.OutBytes(bytes);
        return true;
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const fileio::FileResult written = fileio::WriteFileSafely(path, {data, bytes.size()});
    if (written.fault == fileio::FileFault::DescriptorLink)
        console.Report(CliText::tr("%1 names an open file descriptor; give \"-o -\" to write to "
                                   "standard output.")
                           .arg(PathText(path)));
    else if (!written.ok())
        console.Report(text::FileResultMessage(written, true));
    return written.ok();
}

PlaylistDurations ReadDurations(const std::string& path, const SlotTable& table)
{
    std::error_code ec;
    std::filesystem::path playlist = std::filesystem::absolute(path, ec);
    if (ec)
        playlist = path;
    DurationCache cache(DurationCache::DefaultFile());
    cache.Load();
    PlaylistDurations durations =
        ReadPlaylistDurations(table, DataFolderPathFor(playlist.string()), cache);
    cache.Save(); // a cache that cannot be written only costs time next run
    return durations;
}

PlaylistLoudness ReadLoudness(const std::string& path, const SlotTable& table)
{
    LoudnessCache cache(LoudnessCache::DefaultFile());
    cache.Load();
    PlaylistLoudness loudness = ReadPlaylistLoudness(table, ExistingDataFolder(path), cache);
    cache.Save(); // a cache that cannot be written only costs time next run
    return loudness;
}

std::string ExistingDataFolder(const std::string& path)
{
    std::error_code ec;
    std::filesystem::path playlist = std::filesystem::absolute(path, ec);
    if (ec)
        playlist = path;
    return ResolveFolderIgnoringCase(DataFolderPathFor(playlist.string()));
}

} // namespace cuelist::cli
