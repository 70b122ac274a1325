// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slottable.h"

#include <string>
#include <string_view>

namespace cuelist {

// The CSV export: the header line (UTF-8, without line end, built by the caller in the
// user's language), then one line per channel 1..127; every line ends in CR LF. Cell
// texts are converted to UTF-8; a text with a comma is enclosed in double quotes, and so is
// one with a double quote (doubled inside) or a line break, which only loaded files hold.
std::string BuildCsv(const SlotTable& table, std::string_view headerLine);

} // namespace cuelist
