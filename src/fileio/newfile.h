// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fileresult.h"

#include <string>

namespace cuelist::fileio {

// A file written in a folder that appears under its name only when complete and that never
// replaces a file. It is made unnamed where the file system allows (nothing is left behind
// even if the process dies), else under a hidden temporary name. An unpublished file is
// removed when the object goes. One thread at a time.
class NewFile final
{
public:
    NewFile() = default;
    ~NewFile() { Discard(); }
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    // Creates the file in folder (a path ending in "/"), mode 0666 less the umask.
    FileResult Create(const std::string& folder);
    int fd() const { return m_fd; } // for writing; -1 before Create

    // Syncs the data and gives the file its name in the same folder. Fails with EEXIST
    // (System) when a file of that name exists; the new file then stays unpublished.
    FileResult Publish(const std::string& name);
    // Removes the file if it was not published. Safe to call more than once.
    void Discard();

private:
    std::string m_folder;
    std::string m_temporary; // the named temporary file, empty for an unnamed one
    int m_fd = -1;
};

} // namespace cuelist::fileio
