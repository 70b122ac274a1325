// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

namespace cuelist::fileio {

// Why a file operation failed. System carries an errno value; the others are refusals
// made before anything was changed.
enum class FileFault {
    None,
    System,         // error holds the errno value
    NotRegular,     // a device, FIFO, socket or folder where a file was expected
    DanglingLink,   // a symbolic link whose target does not exist
    ForeignLink,    // a link in a sticky folder owned by neither the caller nor the folder's owner
    ReadOnly,       // the existing file is write-protected
    FolderReadOnly, // no new file can be made in the folder (path names the folder; error
                    // holds the errno value: EACCES, EPERM or EROFS)
    TooLarge,       // the file holds more than the reader's limit (limit holds it in bytes)
    DescriptorLink, // a link of /proc to an open descriptor, such as /dev/stdout, as a target
};

// Outcome of a file operation; path names the file or folder the fault concerns.
struct FileResult
{
    FileFault fault = FileFault::None;
    int error = 0;
    std::string path;
    std::size_t limit = 0;

    bool ok() const { return fault == FileFault::None; }
    static FileResult Ok() { return {}; }
    static FileResult Fail(FileFault fault, std::string path, int error = 0)
    {
        return {fault, error, std::move(path), 0};
    }
    static FileResult System(int error, std::string path)
    {
        return {FileFault::System, error, std::move(path), 0};
    }
    static FileResult TooLargeFor(std::size_t limit, std::string path)
    {
        return {FileFault::TooLarge, 0, std::move(path), limit};
    }
};

} // namespace cuelist::fileio
