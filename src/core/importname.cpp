// SPDX-License-Identifier: GPL-3.0-or-later
#include "importname.h"

#include "names.h"

namespace cuelist {

namespace {

constexpr std::size_t kMaxBase = 8;

std::string UpperMp3(std::string_view base)
{
    std::string name(base);
    for (char& c : name)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return name + ".MP3";
}

} // namespace

std::string ImportBaseName(std::string_view sourcePath)
{
    std::string_view name = sourcePath;
    if (const auto slash = name.find_last_of('/'); slash != std::string_view::npos)
        name.remove_prefix(slash + 1);
    // A leading dot starts a hidden name, not an extension.
    if (const auto dot = name.find_last_of('.'); dot != std::string_view::npos && dot > 0)
        name = name.substr(0, dot);
    std::string base;
    for (const char c : name) {
        if (base.size() == kMaxBase)
            break;
        if (c >= 'a' && c <= 'z')
            base += static_cast<char>(c - 'a' + 'A');
        else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            base += c;
    }
    return base.empty() ? std::string("AUDIO") : base;
}

std::string UniqueImportName(std::string_view base, const NameTaken& taken)
{
    const std::string whole(base.substr(0, kMaxBase));
    if (!taken(UpperMp3(whole)))
        return whole;
    for (int n = 1; n <= 9999999; ++n) {
        const std::string suffix = "~" + std::to_string(n);
        const std::string candidate =
            std::string(base.substr(0, std::min(base.size(), kMaxBase - suffix.size()))) + suffix;
        if (!taken(UpperMp3(candidate)))
            return candidate;
    }
    return {};
}

ImportNameCheck CheckImportName(std::string_view base, const NameTaken& taken)
{
    ImportNameCheck check;
    const std::string name = std::string(base) + ".MP3";
    const NameCheck store = CheckSlotFileName(name);
    // A name the store would trim or clear names another file than the one written.
    if (store.blank || CheckFileNameEdges(name) != kNameAccepted) {
        check.result = ImportNameResult::Refused;
        check.refusal = store.blank ? kNameBadLength : kNameEdgeBlank;
        return check;
    }
    if (store.result != kNameAccepted) {
        check.result = ImportNameResult::Refused;
        check.refusal = store.result;
        return check;
    }
    // The store upper-cases single-byte letters; the file is written under that name so
    // that the slot and the card agree byte for byte.
    check.upperName = Cp932ToUtf8(store.base) + ".MP3";
    if (taken(check.upperName)) {
        check.result = ImportNameResult::Taken;
        check.upperName.clear();
    }
    return check;
}

} // namespace cuelist
