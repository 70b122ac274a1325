// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <QString>
#include <string>
#include <vector>

namespace cuelist::cli {

enum class Command {
    Help,
    Version,
    Csv,
    Show,
    Check,
    Set,
    Clear,
    Apply,
    Times,
    Export,
    Sheet,
    Loudness,
    Import
};

// What an export does with files on the card that the playlist does not name.
enum class ExtrasChoice { Unset, Keep, Remove };

// One run of the tool as the command line asks for it, with every number already in range.
struct Invocation
{
    Command command = Command::Help;
    std::string playlist;
    std::string output;             // csv, sheet: -o OUTPUT, empty or "-" for standard output
    std::string paper;              // sheet: "a4", "letter", or empty for the locale's
    std::string input;              // apply: the file of edits, empty or "-" for standard input
    int channel = 0;                // show, times: 0 for every channel
    int frame = 0;                  // clear: 0 for every frame of the channel
    std::string name;               // set: the file name as given (UTF-8)
    std::optional<int> attenuation; // set: --volume, stored negated (0..70)
    std::optional<int> repeat;
    std::optional<int> interval;
    bool repair = false; // set, clear, apply: may drop what the load repair empties
    bool json = false;   // show: JSON for scripts
    std::string target;  // export: the card folder
    bool dryRun = false; // export: plan only
    ExtrasChoice extras = ExtrasChoice::Unset;
    std::vector<std::string> sources; // import: the audio files, in order
    int bitrate = 128;                // import: --bitrate, kbps
    int sampleRate = 44100;           // import: --rate, Hz
};

// Either an invocation or the reason the command line is unusable.
struct ParsedArguments
{
    std::optional<Invocation> invocation;
    QString error;
};

// The arguments after the program name.
ParsedArguments ParseArguments(const std::vector<std::string>& args);

} // namespace cuelist::cli
