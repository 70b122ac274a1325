// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slotrecord.h"

#include <string>
#include <string_view>

namespace cuelist {

// Outcome of checking a file name for storage in a slot.
struct NameCheck
{
    NameResult result = kNameAccepted;
    bool blank = false; // the name clears the slot
    std::string base;   // upper-cased CP932 base name, 1..8 bytes, when result is done
};

// The name store's rules, applied to the CP932 form of a UTF-8 name. A character with no
// single-byte CP932 form (invalid UTF-8 included) counts as double-byte; U+3000 is blank.
// Faults are reported in this order: double-byte, inner space, FAT-invalid character,
// extension, length.
NameCheck CheckSlotFileName(std::string_view utf8Name);

// kNameEdgeBlank when the name of a file on disk starts or ends with white space (a blank,
// a tab, U+3000): the slot would store it trimmed and so name another file or none.
// kNameAccepted otherwise.
NameResult CheckFileNameEdges(std::string_view utf8Name);

// The rules for the name of a file on disk that is to be stored in a slot, shared by the
// editor and the command-line tool: a blank name (which would clear the slot instead) gives
// kNameNotMp3 and sets blank; then CheckFileNameEdges, then CheckSlotFileName.
NameResult CheckChosenFileName(std::string_view utf8Name, bool* blank = nullptr);

// CP932 <-> UTF-8. Undecodable bytes show as U+FFFD.
std::string Cp932ToUtf8(std::string_view cp932);
// Returns false when some character has no CP932 form.
bool Utf8ToCp932(std::string_view utf8, std::string& cp932);

} // namespace cuelist
