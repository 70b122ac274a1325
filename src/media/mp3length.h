// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

namespace cuelist {

// The play length in milliseconds of the MPEG audio an open file holds, as a gapless decoder
// plays it (the encoder's delay and padding trimmed), read with libmpg123. The file is read
// through the descriptor in small pieces, never whole; the descriptor's offset moves and it
// stays open. None when libmpg123 finds no audio in it.
std::optional<std::int64_t> Mp3LengthOf(int fd);

} // namespace cuelist
