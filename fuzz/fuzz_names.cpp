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
    if (check.result == kSlotDone && !check.blank && (check.base.empty() || check.base.size() > 8))
        std::abort();

    static SlotTable table; // only slot 1/1 is used; a refused name leaves it as it was
    const SlotResult result = table.SetSlotFile(1, 1, name);
    if (result != check.result)
        std::abort();
    std::string text;
    table.GetSlotText(1, 1, text);
    const std::string shown = Cp932ToUtf8(text);
    if (result == kSlotDone && !check.blank) {
        // An accepted name is stored upper-cased and shows again as an acceptable name.
        if (CheckSlotFileName(shown).result != kSlotDone || shown.size() > 16)
            std::abort();
    }

    Cp932ToUtf8(name);
    std::string cp932;
    if (Utf8ToCp932(name, cp932) && Cp932ToUtf8(cp932) != name)
        std::abort(); // a complete conversion must round-trip
    return 0;
}
