// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the name store and the code page conversions.
#include "core/names.h"
#include "core/slottable.h"

#include <cstdlib>
#include <cstring>

using namespace cuelist;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view name(reinterpret_cast<const char*>(data), size);
    const NameCheck check = CheckSlotFileName(name);
    if (check.result == kNameAccepted && !check.blank &&
        (check.base.empty() || check.base.size() > 8))
        std::abort();

    static SlotTable table; // only slot 1/1 is used; a refused name leaves it as it was
    NameResult refusal = kNameAccepted;
    const SlotResult result = table.SetSlotFile(1, 1, name, &refusal);
    // The store refuses exactly what the check refuses, for the same reason.
    if ((result == kSlotDone) != (check.result == kNameAccepted) ||
        (result != kSlotDone && (result != kSlotNameRefused || refusal != check.result)))
        std::abort();
    std::string text;
    table.GetSlotText(1, 1, text);
    const std::string shown = Cp932ToUtf8(text);
    if (result == kSlotDone && !check.blank) {
        // An accepted name is stored upper-cased and shows again as an acceptable name of at
        // most 12 CP932 bytes (half-width katakana take three bytes each in UTF-8).
        std::string stored;
        if (CheckSlotFileName(shown).result != kNameAccepted || !Utf8ToCp932(shown, stored) ||
            stored.size() > 12)
            std::abort();
    }

    // Several characters can share one CP932 form (U+00A2 and U+FFE0 are both 81 91), so
    // what must round-trip are the bytes a record keeps.
    const std::string decoded = Cp932ToUtf8(name);
    std::string cp932;
    if (Utf8ToCp932(name, cp932)) {
        std::string again;
        if (!Utf8ToCp932(Cp932ToUtf8(cp932), again) || again != cp932)
            std::abort();
    }
    CheckFileNameEdges(name);
    return 0;
}
