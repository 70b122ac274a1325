// SPDX-License-Identifier: GPL-3.0-or-later
#include "clitext.h"
#include "commands.h"
#include "core/names.h"
#include "fileio/safefile.h"
#include "playlistio.h"
#include "text/messages.h"

#include <cstdio>
#include <QLocale>
#include <sstream>

namespace cuelist::cli {

namespace {

// One edit that failed: its exit status and what to tell.
struct EditFailure
{
    int status = kExitOk;
    QString message;
};

EditFailure ApplyEdit(const Invocation& edit, SlotTable& table)
{
    if (edit.command == Command::Clear) {
        const int first = edit.frame != 0 ? edit.frame : 1;
        const int last = edit.frame != 0 ? edit.frame : kFrameCount;
        for (int frame = first; frame <= last; ++frame)
            table.ClearSlot(frame, edit.channel);
        return {};
    }
    bool blank = false;
    const NameResult chosen = CheckChosenFileName(edit.name, &blank);
    if (blank)
        return {kExitUsage,
                CliText::tr("The file name is blank; use \"cuelist clear\" to empty a slot.")};
    if (chosen != kNameAccepted)
        return {kExitRefused, text::NameResultMessage(chosen)};
    NameResult refusal = kNameAccepted;
    if (const SlotResult result = table.SetSlotFile(edit.frame, edit.channel, edit.name, &refusal);
        result != kSlotDone)
        return {kExitRefused, result == kSlotNameRefused ? text::NameResultMessage(refusal)
                                                         : text::RangeResultMessage(result)};
    if (edit.attenuation)
        table.SetSlotVolumeOrSpeed(edit.frame, edit.channel, std::uint8_t(*edit.attenuation));
    if (edit.repeat)
        table.SetSlotRepeat(edit.frame, edit.channel, std::uint8_t(*edit.repeat));
    if (edit.interval)
        table.SetSlotInterval(edit.frame, edit.channel, std::uint16_t(*edit.interval));
    return {};
}

// Reads, changes and writes the playlist under its lock, so that edits running at the same
// time follow one another. Nothing is written unless every edit succeeds. lines holds the
// input line of each edit for messages, or is empty.
int RunEdits(const Invocation& inv, const std::vector<Invocation>& edits,
             const std::vector<int>& lines, IfMissing ifMissing, Console& console)
{
    fileio::FileLock lock;
    LoadedPlaylist loaded;
    if (const int failed = OpenForEdit(inv.playlist, ifMissing, inv.repair, lock, loaded, console))
        return failed;

    for (std::size_t i = 0; i < edits.size(); ++i) {
        const EditFailure failure = ApplyEdit(edits[i], loaded.table);
        if (failure.status == kExitOk)
            continue;
        console.Report(lines.empty()
                           ? failure.message
                           : CliText::tr("line %1: %2").arg(lines[i]).arg(failure.message));
        return failure.status;
    }
    return SavePlaylist(inv.playlist, loaded.table, console) ? kExitOk : kExitUsage;
}

// The whole edit input, a file, a pipe or standard input; more than this is refused rather
// than cut, which could turn a line cut short into a different edit.
constexpr std::size_t kInputLimit = 64u << 20;

bool ReadInput(const std::string& path, std::string& text, Console& console)
{
    std::vector<std::uint8_t> bytes;
    const bool standardInput = path.empty() || path == "-";
    const fileio::FileResult read = standardInput
                                        ? fileio::ReadInputDescriptor(0, {}, bytes, kInputLimit)
                                        : fileio::ReadInputFile(path, bytes, kInputLimit);
    if (!read.ok()) {
        if (!standardInput)
            console.Report(text::FileResultMessage(read, false));
        else if (read.fault == fileio::FileFault::TooLarge)
            console.Report(CliText::tr("Standard input is larger than %1 bytes; it is not read.")
                               .arg(QLocale(QLocale::English).toString(qulonglong(kInputLimit))));
        else
            console.Report(CliText::tr("Cannot read standard input: %1")
                               .arg(text::SystemErrorText(read.error)));
        return false;
    }
    // A byte order mark, as some editors write at the start of UTF-8 text, is not a command.
    std::size_t start = 0;
    if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF)
        start = 3;
    text.assign(bytes.begin() + std::ptrdiff_t(start), bytes.end());
    return true;
}

} // namespace

int RunSet(const Invocation& inv, Console& console)
{
    return RunEdits(inv, {inv}, {}, IfMissing::StartEmpty, console);
}

int RunClear(const Invocation& inv, Console& console)
{
    return RunEdits(inv, {inv}, {}, IfMissing::Fail, console);
}

int RunApply(const Invocation& inv, Console& console)
{
    std::string text;
    if (!ReadInput(inv.input, text, console))
        return kExitUsage;

    // Every line is checked before the playlist is touched.
    std::vector<Invocation> edits;
    std::vector<int> lines;
    SlotTable scratch;
    std::istringstream input(text);
    std::string line;
    for (int number = 1; std::getline(input, line); ++number) {
        std::istringstream words(line);
        std::vector<std::string> args;
        for (std::string word; words >> word;)
            args.push_back(word);
        if (args.empty() || args.front().starts_with('#'))
            continue;
        args.insert(args.begin() + 1, inv.playlist);
        const ParsedArguments parsed = ParseArguments(args);
        QString error = parsed.error;
        const bool isEdit = parsed.invocation && (parsed.invocation->command == Command::Set ||
                                                  parsed.invocation->command == Command::Clear);
        if (parsed.invocation && !isEdit)
            error = CliText::tr("only \"set\" and \"clear\" lines can be applied.");
        else if (parsed.invocation && parsed.invocation->repair)
            error = CliText::tr("--repair belongs on the apply command line.");
        if (!error.isEmpty()) {
            console.Report(CliText::tr("line %1: %2").arg(number).arg(error));
            return kExitUsage;
        }
        // Names are checked here as well, so that the first bad line is the one reported.
        if (const EditFailure failure = ApplyEdit(*parsed.invocation, scratch);
            failure.status != kExitOk) {
            console.Report(CliText::tr("line %1: %2").arg(number).arg(failure.message));
            return failure.status;
        }
        edits.push_back(*parsed.invocation);
        lines.push_back(number);
    }
    return RunEdits(inv, edits, lines, IfMissing::StartEmpty, console);
}

} // namespace cuelist::cli
