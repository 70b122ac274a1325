#include "playlistio.h"

#include "clitext.h"
#include "text/messages.h"

#include <cerrno>

namespace cuelist::cli {

QString PathText(const std::string& path)
{
    return QString::fromUtf8(path.data(), qsizetype(path.size()));
}

bool LoadPlaylist(const std::string& path, IfMissing ifMissing, Console& console,
                  LoadedPlaylist& loaded)
{
    std::vector<std::uint8_t> bytes;
    if (const int error = ReadFileBytes(path, bytes); error != 0) {
        if (error == ENOENT && ifMissing == IfMissing::StartEmpty) {
            loaded.isNew = true;
            return true;
        }
        console.Report(CliText::tr("Cannot read %1: %2").arg(PathText(path), ErrorText(error)));
        return false;
    }
    ReadImage(loaded.table, bytes);
    loaded.removed = RepairAfterLoad(loaded.table);
    for (const RemovedRecord& removed : loaded.removed)
        console.Report(text::RemovedRecordText(removed));
    return true;
}

bool SavePlaylist(const std::string& path, const SlotTable& table, Console& console)
{
    const std::vector<std::uint8_t> image = BuildImage(table);
    if (const int error = WriteFileAtomically(path, image); error != 0) {
        console.Report(CliText::tr("Cannot write %1: %2").arg(PathText(path), ErrorText(error)));
        return false;
    }
    return true;
}

bool WriteOutputFile(const std::string& path, std::string_view bytes, Console& console)
{
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    if (const int error = WriteFileAtomically(path, {data, bytes.size()}); error != 0) {
        console.Report(CliText::tr("Cannot write %1: %2").arg(PathText(path), ErrorText(error)));
        return false;
    }
    return true;
}

} // namespace cuelist::cli
