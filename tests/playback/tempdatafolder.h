// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

// A fresh "data" folder under the temp folder, removed on destruction. Path() spells it
// "DATA/", as playlists made on the device do, so look-ups must ignore case.
class TempDataFolder final
{
public:
    explicit TempDataFolder(std::initializer_list<const char*> emptyFiles = {})
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "cuelist-XXXXXX").string();
        m_root = ::mkdtemp(pattern.data());
        std::filesystem::create_directory(m_root / "data");
        for (const char* name : emptyFiles)
            Write(name, {});
    }
    ~TempDataFolder() { std::filesystem::remove_all(m_root); }
    TempDataFolder(const TempDataFolder&) = delete;
    TempDataFolder& operator=(const TempDataFolder&) = delete;

    std::string Path() const { return (m_root / "DATA").string() + "/"; }
    std::string File(const std::string& name) const { return (m_root / "data" / name).string(); }
    void Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(File(name), std::ios::binary) << bytes;
    }

private:
    std::filesystem::path m_root;
};
