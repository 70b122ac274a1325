// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/playtime.h"
#include "core/slottable.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <set>
#include <string>
#include <vector>

namespace cuelist::sheet {

// The measured loudness of a slot's file in LUFS, when it has been measured.
using LoudnessLookup = std::function<std::optional<double>(int frame, int channel)>;

// Everything the cue sheet tells about one playlist, gathered by its caller.
struct SheetSource
{
    const SlotTable* table = nullptr;
    QString title;        // the playlist's name
    QString playlistPath; // empty for a playlist never saved
    std::optional<QDateTime> lastSaved;
    bool unsavedChanges = false;
    std::optional<std::uint64_t> totalKb; // none while the data folder is not known
    bool dataFolderKnown = false;         // without it no file is marked missing
    std::set<std::string> missing;        // NAME.MP3 (UTF-8) absent from the data folder
    DurationLookup durationOf;            // may be empty: no length known
    LoudnessLookup loudnessOf;            // may be empty: no loudness measured
};

// The facts of a saved playlist and its data folder: title, path, save time, total size and
// the missing files. Lengths and loudness are left to the caller.
SheetSource SourceForPlaylistFile(const SlotTable& table, const QString& playlistPath,
                                  const QString& dataFolderPath);

// One phrase frame of a channel as the sheet writes it.
struct SheetCell
{
    bool used = false;
    bool missing = false;
    QString frame;    // "03"
    QString name;     // "VOICE01.MP3"
    QString settings; // repeat and volume
    QString timing;   // interval and length
    QString loudness; // empty when not measured
};

// One channel in use: its number, play time and all sixteen frames.
struct SheetRow
{
    int channel = 0;
    QString number;   // "0001"
    QString playTime; // "1:23", "≥ 1:23", "∞", "?": up to stopFrame when there is one
    int stopFrame = 0; // the preview stops at this frame (file missing or unplayable); 0: none
    std::array<SheetCell, kFrameCount> cells;
    // Frames 1-8 and 9-16 are printed as two bands; a band without any file is left out.
    bool firstBand = false;
    bool secondBand = false;
    int bands() const { return int(firstBand) + int(secondBand); }
};

// The texts of the whole sheet in the user's language.
struct SheetContent
{
    QString title;
    QString path;
    QString details; // save time, total data size, channels in use
    QString legend;
    bool hasLoudness = false; // some slot has a measured loudness
    std::vector<SheetRow> rows;
};

SheetContent BuildSheetContent(const SheetSource& source);

// Translation context of the sheet's texts.
struct SheetText final
{
    Q_DECLARE_TR_FUNCTIONS(SheetText)
};

} // namespace cuelist::sheet
