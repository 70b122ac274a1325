// SPDX-License-Identifier: GPL-3.0-or-later
#include "clitext.h"
#include "commands.h"
#include "text/messages.h"

namespace cuelist::cli {

namespace {

QString HelpText()
{
    return CliText::tr(
        "Usage: cuelist COMMAND PLAYLIST [ARGUMENTS]\n"
        "Reads and edits playlist files (.slp).\n"
        "\n"
        "Commands:\n"
        "  csv   PLAYLIST [-o OUTPUT]\n"
        "        Write the file names as CSV, to OUTPUT or to standard output (-).\n"
        "  show  PLAYLIST [--channel N] [--json]\n"
        "        List the assigned slots of channels 1-127 with their settings, one\n"
        "        line of four tab-separated fields each (control characters escaped),\n"
        "        or every field of each slot as JSON.\n"
        "  check PLAYLIST\n"
        "        List the records that loading empties, the files missing from the\n"
        "        data folder, and the total data size.\n"
        "  set   PLAYLIST CHANNEL FRAME NAME [--volume DB] [--repeat N] [--interval S]\n"
        "        Assign the MP3 file NAME to a slot. A new playlist is created when\n"
        "        PLAYLIST does not exist. --volume 0 to -70 (dB), --repeat 0 to 255\n"
        "        (255: unlimited), --interval 0 to 3600 (seconds).\n"
        "  clear PLAYLIST CHANNEL [FRAME]\n"
        "        Empty one slot, or every slot of the channel.\n"
        "  apply PLAYLIST [FILE|-]\n"
        "        Read \"set\" and \"clear\" lines (their arguments after PLAYLIST) from\n"
        "        FILE (a file or a pipe) or standard input, check them all, then write\n"
        "        the playlist once.\n"
        "  times PLAYLIST [--channel N]\n"
        "        List the length of each assigned MP3 file and the play time of each\n"
        "        channel (\u221e: repeats without end, ?: length not known).\n"
        "  export PLAYLIST TARGET [--dry-run] [--remove-extra|--keep-extra]\n"
        "        Copy the playlist and exactly the MP3 files it names to the card folder\n"
        "        TARGET and its DATA folder. Every problem is listed before anything is\n"
        "        copied; each file is verified by reading it back, and the card's\n"
        "        playlist is replaced last. Files in TARGET/DATA that the playlist does\n"
        "        not name are kept unless --remove-extra is given. --dry-run prints the\n"
        "        plan and the problems and changes nothing.\n"
        "  sheet PLAYLIST -o FILE.pdf [--paper a4|letter]\n"
        "        Write the printable cue sheet as PDF: each channel in use with its\n"
        "        files, settings, lengths and play time, missing files marked.\n"
        "        Landscape; the paper follows the locale unless --paper is given.\n"
        "  loudness PLAYLIST [--channel N]\n"
        "        List the integrated loudness (LUFS) and true peak (dBTP) of each\n"
        "        assigned MP3 file, and how loud it plays at the slot's volume.\n"
        "  import PLAYLIST CHANNEL FRAME FILE... [--bitrate KBPS] [--rate HZ]\n"
        "        Encode audio files (WAV, FLAC, OGG, Opus, MP3...) as MP3 into the\n"
        "        data folder under new unique names and assign them to consecutive\n"
        "        free frames from FRAME on. Default 128 kbps, 44100 Hz.\n"
        "  --repair  (set, clear, apply, import) Allow saving without the records that\n"
        "        the editor cannot use (text phrases, channels above 127) and bytes after\n"
        "        the end of the playlist; without it such a playlist is refused.\n"
        "  --help     Show this help.\n"
        "  --version  Show the version.\n"
        "\n"
        "CHANNEL is 1 to 127, FRAME is 1 to 16. csv, show, check, times, loudness,\n"
        "export and sheet never change the playlist.\n"
        "Exit status: 0 success, 1 name or edit refused, --repair needed or problems\n"
        "found by check or export, 2 usage error or a file that cannot be read or\n"
        "written, 3 export failed while copying, 4 export interrupted (3 and 4 leave\n"
        "the card's old playlist in place).");
}

} // namespace

int Run(const std::vector<std::string>& args, Console& console)
{
    const ParsedArguments parsed = ParseArguments(args);
    if (!parsed.invocation) {
        console.Report(parsed.error);
        console.ErrLine(CliText::tr("Try \"cuelist --help\"."));
        return kExitUsage;
    }

    const Invocation& inv = *parsed.invocation;
    int status = kExitOk;
    switch (inv.command) {
    case Command::Help:
        console.OutLine(HelpText());
        break;
    case Command::Version:
        console.OutLine(QStringLiteral("cuelist " CUELIST_VERSION));
        break;
    case Command::Csv:
        status = RunCsv(inv, console);
        break;
    case Command::Show:
        status = RunShow(inv, console);
        break;
    case Command::Check:
        status = RunCheck(inv, console);
        break;
    case Command::Set:
        status = RunSet(inv, console);
        break;
    case Command::Clear:
        status = RunClear(inv, console);
        break;
    case Command::Apply:
        status = RunApply(inv, console);
        break;
    case Command::Times:
        status = RunTimes(inv, console);
        break;
    case Command::Export:
        status = RunExport(inv, console);
        break;
    case Command::Sheet:
        status = RunSheet(inv, console);
        break;
    case Command::Loudness:
        status = RunLoudness(inv, console);
        break;
    case Command::Import:
        status = RunImport(inv, console);
        break;
    }

    if (const int error = console.FinishOut(); error != 0) {
        console.Report(
            CliText::tr("Cannot write to standard output: %1").arg(text::SystemErrorText(error)));
        return kExitUsage;
    }
    return status;
}

} // namespace cuelist::cli
