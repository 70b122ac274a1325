#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A fresh folder "data" in the temp directory, removed again on destruction.
class TempDataFolder final
{
public:
    explicit TempDataFolder(const std::vector<std::string>& emptyFiles = {});
    ~TempDataFolder();
    TempDataFolder(const TempDataFolder&) = delete;
    TempDataFolder& operator=(const TempDataFolder&) = delete;

    const std::filesystem::path& Folder() const { return m_folder; }
    // The folder spelt "DATA/", as a playlist made on the device names it.
    std::string UpperCasePath() const;
    void Write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path m_root;
    std::filesystem::path m_folder;
};
