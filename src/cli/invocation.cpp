// SPDX-License-Identifier: GPL-3.0-or-later
#include "invocation.h"

#include "clitext.h"
#include "core/encodesettings.h"
#include "core/slotrecord.h"

#include <array>
#include <charconv>
#include <map>
#include <QStringList>
#include <string_view>

namespace cuelist::cli {

namespace {

struct CommandShape
{
    Command command;
    std::size_t minPositional;
    std::size_t maxPositional;
    std::vector<std::string_view> options; // each takes a value
    std::vector<std::string_view> flags;   // each stands alone
};

const std::map<std::string_view, CommandShape>& Shapes()
{
    static const std::map<std::string_view, CommandShape> shapes = {
        {"csv", {Command::Csv, 1, 1, {"-o", "--output"}, {}}},
        {"show", {Command::Show, 1, 1, {"--channel"}, {"--json"}}},
        {"check", {Command::Check, 1, 1, {}, {}}},
        {"set", {Command::Set, 4, 4, {"--volume", "--repeat", "--interval"}, {"--repair"}}},
        {"clear", {Command::Clear, 2, 3, {}, {"--repair"}}},
        {"apply", {Command::Apply, 1, 2, {}, {"--repair"}}},
        {"times", {Command::Times, 1, 1, {"--channel"}, {}}},
        {"export", {Command::Export, 2, 2, {}, {"--dry-run", "--remove-extra", "--keep-extra"}}},
        {"sheet", {Command::Sheet, 1, 1, {"-o", "--output", "--paper"}, {}}},
        {"loudness", {Command::Loudness, 1, 1, {"--channel"}, {}}},
        {"import", {Command::Import, 4, 100000, {"--bitrate", "--rate"}, {"--repair"}}},
    };
    return shapes;
}

QString Text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

bool LooksLikeNegativeNumber(std::string_view s)
{
    return s.size() > 1 && s[0] == '-' && s.find_first_not_of("0123456789", 1) == s.npos;
}

// Whole decimal numbers only: an optional minus sign and digits, nothing around them.
bool ParseNumber(std::string_view text, int low, int high, int& value)
{
    if (text.empty() || text.front() == '+')
        return false;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && value >= low && value <= high;
}

template <std::size_t N> QString JoinNumbers(const std::array<int, N>& numbers)
{
    QStringList texts;
    for (int n : numbers)
        texts << QString::number(n);
    return texts.join(QStringLiteral(", "));
}

QString RangeError(const QString& what, int low, int high, std::string_view text)
{
    return CliText::tr("%1 must be a whole number from %2 to %3, not \"%4\".")
        .arg(what)
        .arg(low)
        .arg(high)
        .arg(Text(text));
}

ParsedArguments Failure(const QString& error)
{
    return {std::nullopt, error};
}

ParsedArguments Only(Command command)
{
    Invocation inv;
    inv.command = command;
    return {inv, {}};
}

} // namespace

ParsedArguments ParseArguments(const std::vector<std::string>& args)
{
    if (args.empty())
        return Failure(CliText::tr("No command given."));
    for (const std::string& arg : args) {
        if (arg == "--")
            break;
        if (arg == "--help" || arg == "-h")
            return Only(Command::Help);
    }
    if (args.front() == "--version")
        return Only(Command::Version);

    const auto shape = Shapes().find(args.front());
    if (shape == Shapes().end())
        return Failure(CliText::tr("Unknown command \"%1\".").arg(Text(args.front())));
    const CommandShape& s = shape->second;
    const QString commandName = Text(args.front());

    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
    bool onlyPositional = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // "-" alone names standard input or output.
        if (onlyPositional || arg.size() < 2 || arg[0] != '-' || LooksLikeNegativeNumber(arg)) {
            positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyPositional = true;
            continue;
        }
        std::string key = arg;
        std::optional<std::string> value;
        if (const auto eq = arg.find('='); arg.starts_with("--") && eq != arg.npos) {
            key = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        }
        bool known = false;
        for (std::string_view option : s.options)
            known = known || key == option;
        bool flag = false;
        for (std::string_view name : s.flags)
            flag = flag || arg == name;
        if (flag) {
            options[arg] = {};
            continue;
        }
        if (!known)
            return Failure(
                CliText::tr("Unknown option \"%1\" for %2.").arg(Text(key), commandName));
        if (!value) {
            if (i + 1 >= args.size())
                return Failure(CliText::tr("Option %1 needs a value.").arg(Text(key)));
            value = args[++i];
        }
        options[key == "-o" ? "--output" : key] = *value;
    }
    if (positional.size() < s.minPositional || positional.size() > s.maxPositional)
        return Failure(CliText::tr("Wrong number of arguments for %1.").arg(commandName));

    Invocation inv;
    inv.command = s.command;
    inv.playlist = positional[0];
    if (inv.playlist.empty())
        return Failure(CliText::tr("The playlist name is empty."));

    if (s.command == Command::Set || s.command == Command::Clear || s.command == Command::Import) {
        if (!ParseNumber(positional[1], 1, kEditableChannelCount, inv.channel))
            return Failure(
                RangeError(QStringLiteral("CHANNEL"), 1, kEditableChannelCount, positional[1]));
        if (positional.size() > 2 && !ParseNumber(positional[2], 1, kFrameCount, inv.frame))
            return Failure(RangeError(QStringLiteral("FRAME"), 1, kFrameCount, positional[2]));
    }
    if (s.command == Command::Set)
        inv.name = positional[3];
    if (s.command == Command::Import)
        inv.sources.assign(positional.begin() + 3, positional.end());
    if (s.command == Command::Apply && positional.size() > 1)
        inv.input = positional[1];
    if (s.command == Command::Export) {
        inv.target = positional[1];
        if (inv.target.empty())
            return Failure(CliText::tr("The target folder name is empty."));
        if (options.contains("--remove-extra") && options.contains("--keep-extra"))
            return Failure(CliText::tr("Give either --remove-extra or --keep-extra, not both."));
    }

    for (const auto& [key, value] : options) {
        int number = 0;
        if (key == "--output") {
            if (value.empty())
                return Failure(CliText::tr("Option %1 needs a value.").arg(QStringLiteral("-o")));
            inv.output = value;
        } else if (key == "--paper") {
            std::string paper;
            for (const char c : value)
                paper.push_back(c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c);
            if (paper != "a4" && paper != "letter")
                return Failure(
                    CliText::tr("--paper must be a4 or letter, not \"%1\".").arg(Text(value)));
            inv.paper = paper;
        } else if (key == "--repair") {
            inv.repair = true;
        } else if (key == "--json") {
            inv.json = true;
        } else if (key == "--dry-run") {
            inv.dryRun = true;
        } else if (key == "--remove-extra") {
            inv.extras = ExtrasChoice::Remove;
        } else if (key == "--keep-extra") {
            inv.extras = ExtrasChoice::Keep;
        } else if (key == "--channel") {
            if (!ParseNumber(value, 1, kEditableChannelCount, number))
                return Failure(RangeError(Text(key), 1, kEditableChannelCount, value));
            inv.channel = number;
        } else if (key == "--volume") {
            if (!ParseNumber(value, kMinVolumeDb, 0, number))
                return Failure(RangeError(Text(key), kMinVolumeDb, 0, value));
            inv.attenuation = -number;
        } else if (key == "--repeat") {
            if (!ParseNumber(value, 0, kMaxRepeat, number))
                return Failure(RangeError(Text(key), 0, kMaxRepeat, value));
            inv.repeat = number;
        } else if (key == "--bitrate") {
            if (!ParseNumber(value, 1, 1000, number) || !IsSupportedBitrate(number))
                return Failure(CliText::tr("--bitrate must be one of %1, not \"%2\".")
                                   .arg(JoinNumbers(kEncodeBitrates), Text(value)));
            inv.bitrate = number;
        } else if (key == "--rate") {
            if (!ParseNumber(value, 1, 1000000, number) || !IsSupportedSampleRate(number))
                return Failure(CliText::tr("--rate must be one of %1, not \"%2\".")
                                   .arg(JoinNumbers(kEncodeSampleRates), Text(value)));
            inv.sampleRate = number;
        } else if (key == "--interval") {
            if (!ParseNumber(value, 0, kMaxInterval, number))
                return Failure(RangeError(Text(key), 0, kMaxInterval, value));
            inv.interval = number;
        }
    }
    if (s.command == Command::Sheet && inv.output.empty())
        return Failure(CliText::tr("sheet needs -o FILE.pdf (or -o - for standard output)."));
    return {inv, {}};
}

} // namespace cuelist::cli
