// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slottable.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace cuelist {

// The data folder of a saved or loaded playlist: its directory followed by "data/".
std::string DataFolderPathFor(std::string_view playlistPath);

// ASCII letters upper-cased, every other byte kept: how a FAT card matches names.
std::string UpperAscii(std::string_view text);

// The canonical path of an existing folder with a trailing "/", or empty.
std::string RealDirectory(const std::string& path);

// True when the text after the last "." (the whole text when there is none) is SLP in any case.
bool HasPlaylistExtension(std::string_view path);

// True when the file's directory is not the data folder. Compares canonical real
// directories, resolving the data folder's last component ignoring ASCII case; falls
// back to a case-insensitive text comparison when the data folder does not exist.
bool IsOutsideDataFolder(std::string_view filePath, std::string_view dataFolderPath);

// True when the file lies directly in a folder whose name is DATA in any case.
bool IsInFolderNamedData(std::string_view filePath);

// One listing of the data folder, found on disk ignoring ASCII case, with its regular
// files keyed by upper-cased name. Serves a whole missing-file pass and size pass: the
// listing reads names only, and a file's size is read once, when it is first looked up.
// Not for use by two threads at once (look-ups fill the size cache).
class DataFolderListing final
{
public:
    explicit DataFolderListing(std::string_view dataFolderPath);

    bool Exists() const { return !m_folder.empty(); }
    const std::string& Folder() const { return m_folder; } // real path with "/", or empty

    // Looks up NAME.EXT ignoring ASCII case, an exact spelling first; nullptr when absent.
    struct Entry
    {
        std::string name; // as on disk
        std::uint64_t size = 0;
    };
    const Entry* Find(std::string_view fileName) const;
    // The same look-up without reading the size.
    bool Contains(std::string_view fileName) const { return Lookup(fileName) != nullptr; }
    // The file's path as on disk, without reading its size; empty when absent.
    std::string PathOf(std::string_view fileName) const;
    // Every regular file's name as on disk, in ascending byte order.
    std::vector<std::string> Names() const;

private:
    Entry* Lookup(std::string_view fileName) const;
    friend std::uint64_t TotalDataSizeKb(const SlotTable&, const DataFolderListing&);

    std::string m_folder;
    mutable std::unordered_map<std::string, Entry> m_entries; // key: upper-cased name
    mutable std::map<std::string, Entry> m_variants; // key: exact name; only names sharing a key
};

// The folders beside the data folder whose names match its last part ignoring ASCII case
// ("DATA" and "data"), the one in use first; empty when there are fewer than two, so that
// nothing needs telling.
std::vector<std::string> DataFolderSpellings(std::string_view dataFolderPath);

// Resolves a folder path whose last component may differ in ASCII case from the
// one on disk; returns the real path ending in "/" or empty when none exists.
std::string ResolveFolderIgnoringCase(std::string_view folderPath);

// Distinct NAME.MP3 of the MP3 slots of channels 1..127 missing from the folder,
// in ascending byte order.
std::vector<std::string> MissingFiles(const SlotTable& table, const DataFolderListing& folder);

// Sum of the sizes of the distinct existing MP3 files, in KB rounded up.
std::uint64_t TotalDataSizeKb(const SlotTable& table, const DataFolderListing& folder);

// "1234567" -> "1,234,567".
std::string GroupThousands(std::uint64_t value);

} // namespace cuelist
