// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fileio/fileresult.h"

#include <cstdint>
#include <functional>
#include <string>

namespace cuelist::cardexport {

// Adds bytes done to the progress; false cancels.
using CopyStep = std::function<bool(std::uint64_t bytes)>;

enum class CopyOutcome { Done, Cancelled, Failed, Mismatch };

struct CopyResult
{
    CopyOutcome outcome = CopyOutcome::Done;
    fileio::FileResult failure; // Failed: the file and errno
    std::string temporary;      // Done: the verified copy, to be renamed by the caller
    std::uint64_t size = 0;
};

// Copies a regular file to a new temporary file in folder (which ends in "/"), syncs it,
// and reads it back past the page cache to compare its CRC-32 and length with what was
// read from the source. Every outcome but Done removes the temporary file.
CopyResult CopyVerified(const std::string& source, const std::string& folder, const CopyStep& step);

// Reads a file back past the page cache: O_DIRECT where the file system supports it,
// else after telling the kernel to drop the file's cached pages. CRC-32 and length.
fileio::FileResult ReadBack(const std::string& path, std::uint32_t& crc, std::uint64_t& length,
                            const CopyStep& step = {});

// A new name in the folder that IsExportTemporaryName recognises.
std::string TemporaryNameIn(const std::string& folder);

// Makes the folder's entries durable; errors are ignored (the data itself was synced).
void SyncFolder(const std::string& folder);

} // namespace cuelist::cardexport
