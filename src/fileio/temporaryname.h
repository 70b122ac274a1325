// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace cuelist::fileio {

// The name of a hidden temporary file written beside its target: ".cl", eight hex digits and
// the suffix. Short, so that a target name of the longest length still leaves room for it.
// Unique within the process; the creator still opens it with O_EXCL. Thread-safe.
std::string TemporaryName(std::string_view suffix);

// Whether name has that form with that suffix, as a temporary file a killed run left has.
bool IsTemporaryName(std::string_view name, std::string_view suffix);

} // namespace cuelist::fileio
