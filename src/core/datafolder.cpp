// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafolder.h"

#include "names.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace cuelist {

namespace {

constexpr std::uint64_t kSizeUnknown = ~std::uint64_t(0);

char UpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return UpperAscii(x) == UpperAscii(y);
           });
}

std::string_view DirectoryOf(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1);
}

bool IsDirectoryAt(int dirFd, const char* name)
{
    struct stat st
    {
    };
    return ::fstatat(dirFd, name, &st, 0) == 0 && S_ISDIR(st.st_mode);
}

// Name of the MP3 file a slot refers to: the name field up to a zero byte, cut at the
// first space, with ".MP3"; CP932 bytes.
std::string SlotFileName(const SlotRecord& r)
{
    std::string name;
    for (std::size_t k = 0; k < record::kNameLength; ++k) {
        const char c = static_cast<char>(r[record::kName + k]);
        if (c == '\0' || c == ' ')
            break;
        name += c;
    }
    return name + ".MP3";
}

// Distinct file names of the MP3 slots of channels 1..127, in ascending byte order.
std::vector<std::string> DistinctSlotFileNames(const SlotTable& table)
{
    std::vector<std::string> names;
    for (int channel = 1; channel <= kEditableChannelCount; ++channel) {
        for (int frame = 1; frame <= kFrameCount; ++frame) {
            const SlotRecord& r = table.RecordAt(frame, channel);
            if (r[record::kType] == kTypeMp3)
                names.push_back(SlotFileName(r));
        }
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

} // namespace

std::string UpperAscii(std::string_view text)
{
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) { return UpperAscii(c); });
    return upper;
}

std::string RealDirectory(const std::string& path)
{
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr)
        return {};
    struct stat st
    {
    };
    if (::stat(resolved, &st) != 0 || !S_ISDIR(st.st_mode))
        return {};
    std::string real(resolved);
    if (real.back() != '/')
        real += '/';
    return real;
}

std::string DataFolderPathFor(std::string_view playlistPath)
{
    return std::string(DirectoryOf(playlistPath)) + "data/";
}

bool HasPlaylistExtension(std::string_view path)
{
    const std::size_t dot = path.rfind('.');
    const std::string_view extension = dot == std::string_view::npos ? path : path.substr(dot + 1);
    return EqualIgnoringCase(extension, "SLP");
}

bool IsOutsideDataFolder(std::string_view filePath, std::string_view dataFolderPath)
{
    const std::string_view fileFolder = DirectoryOf(filePath);
    const std::string dataFolder = ResolveFolderIgnoringCase(dataFolderPath);
    if (!dataFolder.empty() && !fileFolder.empty()) {
        const std::string real = RealDirectory(std::string(fileFolder));
        if (!real.empty())
            return real != dataFolder;
    }
    std::string wanted(dataFolderPath);
    if (wanted.empty() || wanted.back() != '/')
        wanted += '/';
    return !EqualIgnoringCase(fileFolder, wanted);
}

bool IsInFolderNamedData(std::string_view filePath)
{
    std::string_view folder = DirectoryOf(filePath);
    if (folder.empty())
        return false;
    folder.remove_suffix(1);
    const std::size_t slash = folder.rfind('/');
    const std::string_view last =
        slash == std::string_view::npos ? folder : folder.substr(slash + 1);
    return EqualIgnoringCase(last, "DATA");
}

std::vector<std::string> DataFolderSpellings(std::string_view dataFolderPath)
{
    std::string path(dataFolderPath);
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    const std::size_t slash = path.rfind('/');
    if (path.empty() || slash == std::string::npos)
        return {};
    const std::string parent = slash == 0 ? "/" : path.substr(0, slash);
    const std::string last = path.substr(slash + 1);
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(parent.c_str())) {
        while (const dirent* entry = ::readdir(dir))
            if (EqualIgnoringCase(entry->d_name, last) &&
                IsDirectoryAt(::dirfd(dir), entry->d_name))
                names.emplace_back(entry->d_name);
        ::closedir(dir);
    }
    if (names.size() < 2)
        return {};
    std::sort(names.begin(), names.end());
    // The one in use first: the exact spelling when it is there, else the smallest.
    const auto used = std::find(names.begin(), names.end(), last);
    if (used != names.end())
        std::rotate(names.begin(), used, used + 1);
    return names;
}

std::string ResolveFolderIgnoringCase(std::string_view folderPath)
{
    std::string path(folderPath);
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    if (path.empty())
        return {};
    if (std::string real = RealDirectory(path); !real.empty())
        return real; // an exact-case match wins

    const std::size_t slash = path.rfind('/');
    const std::string parent =
        slash == std::string::npos ? std::string(".") : (slash == 0 ? "/" : path.substr(0, slash));
    const std::string last = slash == std::string::npos ? path : path.substr(slash + 1);
    if (last.empty() || last == "." || last == "..")
        return {};

    DIR* dir = ::opendir(parent.c_str());
    if (dir == nullptr)
        return {};
    std::string best;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (!EqualIgnoringCase(name, last) || !IsDirectoryAt(::dirfd(dir), entry->d_name))
            continue;
        // Several spellings: take the smallest, so the choice does not depend on the
        // order of the listing.
        if (best.empty() || name < best)
            best = name;
    }
    ::closedir(dir);
    if (best.empty())
        return {};
    return RealDirectory(parent + "/" + best);
}

DataFolderListing::DataFolderListing(std::string_view dataFolderPath)
    : m_folder(ResolveFolderIgnoringCase(dataFolderPath))
{
    if (m_folder.empty())
        return;
    DIR* dir = ::opendir(m_folder.c_str());
    if (dir == nullptr) {
        m_folder.clear();
        return;
    }
    const int fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        Entry found{entry->d_name, kSizeUnknown};
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat st
            {
            };
            if (::fstatat(fd, entry->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode))
                continue;
            found.size = static_cast<std::uint64_t>(st.st_size);
        } else if (entry->d_type != DT_REG) {
            continue;
        }
        std::string key = UpperAscii(found.name);
        const auto [it, inserted] = m_entries.try_emplace(key, found);
        if (inserted)
            continue;
        // Names that differ only in case: keep every spelling for exact look-ups, and
        // let the upper-case or else the smallest spelling answer the others.
        m_variants.try_emplace(it->second.name, it->second);
        m_variants.try_emplace(found.name, found);
        if (found.name == key || (it->second.name != key && found.name < it->second.name))
            it->second = found;
    }
    ::closedir(dir);
}

DataFolderListing::Entry* DataFolderListing::Lookup(std::string_view fileName) const
{
    if (!m_variants.empty()) {
        if (const auto exact = m_variants.find(std::string(fileName)); exact != m_variants.end())
            return &exact->second;
    }
    const auto it = m_entries.find(UpperAscii(fileName));
    return it == m_entries.end() ? nullptr : &it->second;
}

std::vector<std::string> DataFolderListing::Names() const
{
    std::vector<std::string> names;
    for (const auto& [key, entry] : m_entries)
        names.push_back(entry.name);
    for (const auto& [name, entry] : m_variants)
        if (m_entries.at(UpperAscii(name)).name != name)
            names.push_back(name);
    std::sort(names.begin(), names.end());
    return names;
}

std::string DataFolderListing::PathOf(std::string_view fileName) const
{
    const Entry* entry = Lookup(fileName);
    return entry ? m_folder + entry->name : std::string();
}

const DataFolderListing::Entry* DataFolderListing::Find(std::string_view fileName) const
{
    Entry* entry = Lookup(fileName);
    if (entry != nullptr && entry->size == kSizeUnknown) {
        // A file removed since the listing counts as empty.
        struct stat st
        {
        };
        const std::string path = m_folder + entry->name;
        entry->size = ::stat(path.c_str(), &st) == 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
    }
    return entry;
}

std::vector<std::string> MissingFiles(const SlotTable& table, const DataFolderListing& folder)
{
    std::vector<std::string> missing;
    for (const std::string& name : DistinctSlotFileNames(table)) {
        std::string shown = Cp932ToUtf8(name);
        if (!folder.Contains(shown))
            missing.push_back(std::move(shown));
    }
    return missing;
}

std::uint64_t TotalDataSizeKb(const SlotTable& table, const DataFolderListing& folder)
{
    // Slot names that differ only in case can name the same file: count files, once each.
    std::vector<DataFolderListing::Entry*> files;
    for (const std::string& name : DistinctSlotFileNames(table)) {
        if (DataFolderListing::Entry* entry = folder.Lookup(Cp932ToUtf8(name)))
            files.push_back(entry);
    }
    // The listing can hold two entries for one file on disk (an exact spelling and the
    // case-blind answer), so files are told apart by their names on disk.
    const auto byName = [](const auto* a, const auto* b) { return a->name < b->name; };
    const auto sameName = [](const auto* a, const auto* b) { return a->name == b->name; };
    std::sort(files.begin(), files.end(), byName);
    files.erase(std::unique(files.begin(), files.end(), sameName), files.end());

    const int dirFd =
        files.empty() ? -1 : ::open(folder.Folder().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // One stat per file is the whole cost of a large folder; two threads share it. Each
    // writes only the sizes of its own entries.
    const auto readSizes = [dirFd](DataFolderListing::Entry* const* first,
                                   DataFolderListing::Entry* const* last) {
        for (; first != last; ++first) {
            DataFolderListing::Entry* entry = *first;
            if (entry->size != kSizeUnknown)
                continue;
            struct stat st
            {
            };
            entry->size = dirFd >= 0 && ::fstatat(dirFd, entry->name.c_str(), &st, 0) == 0
                              ? static_cast<std::uint64_t>(st.st_size)
                              : 0;
        }
    };
    DataFolderListing::Entry* const* begin = files.data();
    DataFolderListing::Entry* const* end = begin + files.size();
    constexpr std::size_t kParallelFrom = 256;
    if (files.size() >= kParallelFrom) {
        DataFolderListing::Entry* const* middle = begin + files.size() / 2;
        std::thread helper(readSizes, middle, end);
        readSizes(begin, middle);
        helper.join();
    } else {
        readSizes(begin, end);
    }
    std::uint64_t bytes = 0;
    for (const DataFolderListing::Entry* entry : files)
        bytes += entry->size;
    if (dirFd >= 0)
        ::close(dirFd);
    return bytes / 1024 + (bytes % 1024 != 0 ? 1 : 0);
}

std::string GroupThousands(std::uint64_t value)
{
    const std::string digits = std::to_string(value);
    std::string grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    for (std::size_t k = 0; k < digits.size(); ++k) {
        if (k > 0 && (digits.size() - k) % 3 == 0)
            grouped += ',';
        grouped += digits[k];
    }
    return grouped;
}

} // namespace cuelist
