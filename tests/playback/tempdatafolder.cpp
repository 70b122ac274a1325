#include "tempdatafolder.h"

#include <fstream>
#include <random>

TempDataFolder::TempDataFolder(const std::vector<std::string>& emptyFiles)
{
    std::random_device random;
    m_root = std::filesystem::temp_directory_path() /
             ("cuelist-playback-" + std::to_string(random()) + std::to_string(random()));
    m_folder = m_root / "data";
    std::filesystem::create_directories(m_folder);
    for (const auto& name : emptyFiles)
        Write(name, {});
}

TempDataFolder::~TempDataFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
}

std::string TempDataFolder::UpperCasePath() const
{
    return (m_root / "DATA").string() + "/";
}

void TempDataFolder::Write(const std::string& name, const std::string& bytes) const
{
    std::ofstream(m_folder / name, std::ios::binary) << bytes;
}
