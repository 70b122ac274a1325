// SPDX-License-Identifier: GPL-3.0-or-later
// Parses arbitrary command lines of `cuelist`: arguments separated by NUL bytes.
#include "cli/invocation.h"
#include "core/slotrecord.h"

#include <cstdlib>

using namespace cuelist;
using namespace cuelist::cli;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> args;
    std::string current;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.push_back(current);
            current.clear();
        } else {
            current += char(data[i]);
        }
    }
    args.push_back(current);

    const ParsedArguments parsed = ParseArguments(args);
    if (parsed.invocation.has_value() == !parsed.error.isEmpty())
        std::abort(); // exactly one of the two
    if (!parsed.invocation)
        return 0;
    // Whatever the arguments, every number reaching a command is in range.
    const Invocation& inv = *parsed.invocation;
    const bool edit = inv.command == Command::Set || inv.command == Command::Clear;
    if (edit && (inv.channel < 1 || inv.channel > kEditableChannelCount))
        std::abort();
    if (inv.frame < 0 || inv.frame > kFrameCount || (inv.command == Command::Set && inv.frame < 1))
        std::abort();
    if ((inv.attenuation && (*inv.attenuation < 0 || *inv.attenuation > 70)) ||
        (inv.repeat && (*inv.repeat < 0 || *inv.repeat > 255)) ||
        (inv.interval && (*inv.interval < 0 || *inv.interval > 3600)))
        std::abort();
    if (inv.command != Command::Help && inv.command != Command::Version && inv.playlist.empty())
        std::abort();
    return 0;
}
