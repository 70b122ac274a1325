// SPDX-License-Identifier: GPL-3.0-or-later
#include "temporaryname.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <random>
#include <unistd.h>

namespace cuelist::fileio {

namespace {
constexpr std::string_view kPrefix = ".cl";
constexpr std::size_t kDigits = 8;
} // namespace

std::string TemporaryName(std::string_view suffix)
{
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    char digits[kDigits + 1];
    std::snprintf(digits, sizeof digits, "%08x",
                  seed ^ (unsigned(::getpid()) << 12) ^ counter.fetch_add(1) * 2654435761u);
    return std::string(kPrefix) + digits + std::string(suffix);
}

bool IsTemporaryName(std::string_view name, std::string_view suffix)
{
    if (name.size() != kPrefix.size() + kDigits + suffix.size() || !name.starts_with(kPrefix) ||
        !name.ends_with(suffix))
        return false;
    const std::string_view digits = name.substr(kPrefix.size(), kDigits);
    return std::all_of(digits.begin(), digits.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

} // namespace cuelist::fileio
