// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fileio/filestamp.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace cuelist {

// The text files that keep measured values of audio files across runs: a header line, then
// a line per file that starts with the file's stamp and ends with its absolute path. A cache
// can always be measured again, so whatever cannot be read is simply left out.

// The lines after the header, each with its line break, from at most maxBytes of a regular
// file (never waiting on a FIFO or a device; a cut-off last line is dropped). Empty when the
// file is missing, unreadable or starts with another header.
std::string ReadCacheLines(const std::string& file, std::string_view header, std::size_t maxBytes);

// Makes the folders and replaces the file through the file layer's safe write; false when
// it could not be written.
bool WriteCacheFile(const std::string& file, std::string_view contents);

// The stamp as a line starts: size, modification and change time in nanoseconds and inode,
// each followed by a tab.
void AppendStampFields(std::string& line, const fileio::FileStamp& stamp);
// Takes those fields from the front of line; false when one is missing or damaged.
bool TakeStampFields(std::string_view& line, fileio::FileStamp& stamp);
// Takes the text up to the next tab, and the tab; false when there is none.
bool TakeField(std::string_view& line, std::string_view& field);
// The same for a whole number; false when the field is not one.
bool TakeInteger(std::string_view& line, long long& value);

} // namespace cuelist
