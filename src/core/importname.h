// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slotrecord.h"

#include <functional>
#include <string>
#include <string_view>

namespace cuelist {

// Whether a file name (NAME.MP3, any letter case) is already taken in the data folder.
// Callers compare ignoring ASCII case, the way a FAT card does.
using NameTaken = std::function<bool(std::string_view upperName)>;

// The base name an imported file gets from its source's file name (a UTF-8 name with or
// without folder and extension): its ASCII letters and digits, upper-cased, at most eight
// of them; "AUDIO" when it has none.
std::string ImportBaseName(std::string_view sourcePath);

// The first of BASE, BASE~1, BASE~2, ... (the base shortened so that the whole stays within
// eight characters) whose NAME.MP3 is not taken. Empty when every candidate up to ~9999999
// is taken.
std::string UniqueImportName(std::string_view base, const NameTaken& taken);

// Why a name typed for an imported file cannot be used: the slot's own refusals (double-byte,
// space, FAT-invalid character, length) for BASE.MP3, or kNameTaken when that file exists.
enum class ImportNameResult { Accepted, Refused, Taken };
struct ImportNameCheck
{
    ImportNameResult result = ImportNameResult::Accepted;
    NameResult refusal = kNameAccepted; // when Refused
    std::string upperName;              // BASE.MP3, upper-cased, when Accepted
};
ImportNameCheck CheckImportName(std::string_view base, const NameTaken& taken);

} // namespace cuelist
