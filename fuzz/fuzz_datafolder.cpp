// SPDX-License-Identifier: GPL-3.0-or-later
// Creates files with arbitrary names in a data folder and runs the passes over it: the name
// checks a drop makes, the missing-file pass and the total size.
#include "core/datafolder.h"
#include "core/names.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>

using namespace cuelist;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "fuzz-data-XXXXXX").string();
        return std::string(::mkdtemp(pattern.data())) + "/DATA/";
    }();
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);

    // Names separated by "/" (the one byte no name can hold); at most 16 of them.
    SlotTable table;
    std::vector<std::string> stored;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    for (int frame = 1; frame <= kFrameCount && start <= input.size(); ++frame) {
        const std::size_t end = std::min(input.find('/', start), input.size());
        const std::string name(input.substr(start, end - start));
        start = end + 1;
        if (name.empty() || name.size() > 255 || name == "." || name == ".." ||
            name.find('\0') != std::string::npos)
            continue;
        const int fd = ::open((folder + name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd < 0)
            continue;
        ::write(fd, name.data(), name.size());
        ::close(fd);
        // A drop stores only names without white space at either end.
        if (CheckFileNameEdges(name) == kNameAccepted &&
            table.SetSlotFile(frame, 1, name) == kSlotDone && !CheckSlotFileName(name).blank)
            stored.push_back(name);
    }

    const DataFolderListing listing(folder);
    const std::vector<std::string> missing = MissingFiles(table, listing);
    // A stored name is found again ignoring case: its file exists, so it is never missing.
    if (!stored.empty() && missing.size() >= stored.size())
        std::abort();
    if (TotalDataSizeKb(table, listing) > stored.size() * 1)
        std::abort(); // each file is under 1 KB and counts at most once
    return 0;
}
