// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fileresult.h"
#include "filestamp.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace cuelist::fileio {

// Writes all of bytes to an open descriptor, going on after signals; 0, or the errno.
int WriteAll(int fd, std::span<const std::uint8_t> bytes);

// Reads a whole regular file. The file is opened without blocking and checked before any
// read, so a FIFO, a device or a folder is refused (NotRegular) instead of hanging the
// caller; a file of more than limit bytes is refused (TooLarge) with nothing returned.
FileResult ReadRegularFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                           std::size_t limit, FileStamp* stamp = nullptr);

// Reads the first count bytes of a regular file (all of a shorter one), checked as
// ReadRegularFile does. For formats that end where they end: stamp->size tells the caller
// whether the file holds more than was read.
FileResult ReadFileHead(const std::string& path, std::vector<std::uint8_t>& bytes,
                        std::size_t count, FileStamp* stamp = nullptr);

// Reads all of an input that may also be a pipe, a FIFO or a terminal (/dev/stdin, the
// /dev/fd/N of a shell's process substitution), waiting for its writer as a pipe's reader
// does. Folders and block devices are refused (NotRegular), more than limit bytes TooLarge.
FileResult ReadInputFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                         std::size_t limit);
// The same for an already open descriptor (standard input); name is used in the result.
FileResult ReadInputDescriptor(int fd, const std::string& name, std::vector<std::uint8_t>& bytes,
                               std::size_t limit);

// Whether WriteFileSafely would accept the path as its target, checked before any reading,
// so that an edit never reads through a link or a file it may not replace.
FileResult CheckWriteTarget(const std::string& path);

// Replaces the file a path names with bytes, or creates it. The target is resolved first
// (ResolveWriteTarget) and everything after works in the folder found then, so a link
// swapped into the path meanwhile cannot redirect the write. The data goes to a new file in
// that folder that already has the target's mode (a new file gets 0666 less the umask), is
// synced and then renamed over the target, so a failed write leaves the old file as it was
// and a symbolic link stays a link. On success stamp (when given) describes the new file.
FileResult WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes,
                           FileStamp* stamp = nullptr);

} // namespace cuelist::fileio
