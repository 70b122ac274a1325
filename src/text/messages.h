// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/describe.h"
#include "core/playlistfile.h"
#include "core/playtime.h"
#include "core/slotrecord.h"
#include "fileio/fileresult.h"
#include "media/importaudio.h"

#include <cstdint>
#include <QString>
#include <string>
#include <vector>

class QCoreApplication;
class QLocale;

// Texts of the core's results in the user's language, shared by the editor and `cuelist`.
namespace cuelist::text {

// Loads the Japanese catalogues of every layer when the locale is Japanese.
// Call once after the application object exists.
void InstallTranslations(QCoreApplication& app);
// The same for a given locale (tests use it to switch to Japanese).
void InstallTranslations(QCoreApplication& app, const QLocale& locale);

// "ja" while the Japanese catalogues are installed, else "en".
QString LanguageTag();

// The message for a slot outside the editable table; empty for any other result.
QString RangeResultMessage(SlotResult result);
// The message for a refused file name; empty for an accepted one.
QString NameResultMessage(NameResult result);

// The status-bar description, e.g. "Repeat Times=3 /Volume=-12 /Interval=30sec. ".
QString DescriptionText(const SlotDescription& description);

// "Channel,Set up Frame01,...,Set up Frame16" in the user's language, without line end.
QString CsvHeaderLine();

// "        Total data size:1,234KB".
QString TotalDataSizeSuffix(std::uint64_t kilobytes);

// One line about a record the load repair removed (channel, frame, what it was).
QString RemovedRecordText(const RemovedRecord& removed);

// Why a file operation failed, naming the file or folder, e.g. "x.slp is not a regular file."
// or "Cannot write x.slp: No space left on device".
QString FileResultMessage(const fileio::FileResult& result, bool writing);

// The reason alone, for a message that names the file itself: the system's text for a
// system error, else the refusal's own sentence.
QString FileFaultReason(const fileio::FileResult& result);

// The system's description of an errno value.
QString SystemErrorText(int error);
// Names the folders that differ only in case beside a playlist, the one in use first (as
// DataFolderSpellings gives them), and says which one the files are taken from. Empty for
// fewer than two.
QString AmbiguousDataFolderText(const std::vector<std::string>& spellings);

// A play length: "m:ss", or "h:mm:ss" from an hour on, rounded to the second.
QString DurationText(std::int64_t milliseconds);
// A channel's play time: "∞" when it repeats without end, "≥ m:ss" when some of its
// files have no known length, "?" when none has.
QString PlayTimeText(const ChannelPlayTime& time);

// Why one file of an import failed, naming its source and the name it was to get.
QString ImportFailureMessage(const QString& source, const QString& name,
                             const ImportItemResult& result);

// A loudness for display: "-23.0 LUFS", "-1.2 dBTP"; "silent" for silence.
QString LoudnessText(double lufs);
QString TruePeakText(double dbtp);

// A slot's cell text (CP932 bytes) for display.
QString CellText(const std::string& cp932);

} // namespace cuelist::text
