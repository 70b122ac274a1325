// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fileresult.h"
#include "pathwalk.h"

#include <string>

namespace cuelist::fileio {

// Resolves the file a write to path really replaces (or creates), with every link on the
// way checked as ResolvePath does. A dangling link, a target that is not a regular file, a
// descriptor of /proc and a write-protected file are refused.
FileResult ResolveWriteTarget(const std::string& path, ResolvedPath& target);

} // namespace cuelist::fileio
