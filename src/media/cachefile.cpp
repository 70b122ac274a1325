// SPDX-License-Identifier: GPL-3.0-or-later
#include "cachefile.h"

#include "fileio/safefile.h"

#include <charconv>
#include <span>
#include <sys/stat.h>
#include <vector>

namespace cuelist {

namespace {

template <typename T> bool TakeNumber(std::string_view& line, T& value)
{
    std::string_view field;
    if (!TakeField(line, field))
        return false;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return error == std::errc() && end == field.data() + field.size();
}

void AppendNumber(std::string& out, long long value)
{
    char digits[24];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, end);
    out.push_back('\t');
}

void MakeFolders(const std::string& file)
{
    const std::string folder = file.substr(0, file.rfind('/'));
    for (std::size_t at = folder.find('/', 1); at != std::string::npos;
         at = folder.find('/', at + 1))
        ::mkdir(folder.substr(0, at).c_str(), 0700);
    ::mkdir(folder.c_str(), 0700);
}

} // namespace

std::string ReadCacheLines(const std::string& file, std::string_view header, std::size_t maxBytes)
{
    std::vector<std::uint8_t> bytes;
    if (file.empty() || !fileio::ReadFileHead(file, bytes, maxBytes).ok())
        return {};
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!text.starts_with(header) || !text.substr(header.size()).starts_with('\n'))
        return {};
    text.remove_prefix(header.size() + 1);
    return std::string(text.substr(0, text.rfind('\n') + 1));
}

bool WriteCacheFile(const std::string& file, std::string_view contents)
{
    MakeFolders(file);
    return fileio::WriteFileSafely(
               file,
               std::span(reinterpret_cast<const std::uint8_t*>(contents.data()), contents.size()))
        .ok();
}

void AppendStampFields(std::string& line, const fileio::FileStamp& stamp)
{
    AppendNumber(line, stamp.size);
    AppendNumber(line, stamp.modifiedNs);
    AppendNumber(line, stamp.changedNs);
    AppendNumber(line, (long long)stamp.inode);
}

bool TakeStampFields(std::string_view& line, fileio::FileStamp& stamp)
{
    fileio::FileStamp taken;
    if (!TakeNumber(line, taken.size) || !TakeNumber(line, taken.modifiedNs) ||
        !TakeNumber(line, taken.changedNs) || !TakeNumber(line, taken.inode) || taken.size < 0)
        return false;
    // Only regular files are measured and kept.
    taken.exists = taken.regular = true;
    stamp = taken;
    return true;
}

bool TakeInteger(std::string_view& line, long long& value)
{
    return TakeNumber(line, value);
}

bool TakeField(std::string_view& line, std::string_view& field)
{
    const auto tab = line.find('\t');
    if (tab == std::string_view::npos)
        return false;
    field = line.substr(0, tab);
    line.remove_prefix(tab + 1);
    return true;
}

} // namespace cuelist
