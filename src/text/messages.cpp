// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"

#include "core/datafolder.h"
#include "core/names.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <QCoreApplication>
#include <QLocale>

namespace cuelist::text {

namespace {

// Translation context of this layer's catalogue.
struct Messages final
{
    Q_DECLARE_TR_FUNCTIONS(Messages)
};

// Replaces the first "%d" or "%0Nd" of a catalogue text with the number. The texts
// keep the printf form of the device's resource strings, but a translation is never
// handed to a printf-style formatter.
QString FormatNumber(const QString& format, int value)
{
    for (qsizetype i = format.indexOf(u'%'); i >= 0; i = format.indexOf(u'%', i + 1)) {
        qsizetype end = i + 1;
        int width = 0;
        bool zeroPad = false;
        if (end < format.size() && format[end] == u'0') {
            zeroPad = true;
            ++end;
        }
        while (end < format.size() && format[end].isDigit()) {
            width = width * 10 + format[end].digitValue();
            ++end;
        }
        if (end < format.size() && format[end] == u'd') {
            const QString number =
                QStringLiteral("%1").arg(value, width, 10, QChar(zeroPad ? u'0' : u' '));
            return format.left(i) + number + format.mid(end + 1);
        }
    }
    return format;
}

} // namespace

QString RangeResultMessage(SlotResult result)
{
    switch (result) {
    case kSlotFrameOutOfRange:
    case kSlotChannelOutOfRange:
    case kSlotBothOutOfRange:
        return Messages::tr("Selected setup frame or channel is unauthorized/invalid");
    default:
        return {};
    }
}

QString NameResultMessage(NameResult result)
{
    switch (result) {
    case kNameDoubleByte:
        return Messages::tr("Settable file name in half-size/one-byte character only");
    case kNameNotMp3:
        return Messages::tr("Settable file type in MP3 only");
    case kNameBadLength:
        return Messages::tr("Settable file name within 8 characters");
    case kNameHasSpace:
        return Messages::tr("No space within settable file name");
    case kNameInvalidCharacter:
        return Messages::tr("File name has a character that the memory card cannot hold");
    case kNameEdgeBlank:
        return Messages::tr("File name starts or ends with a space or tab; rename the file");
    default:
        return {};
    }
}

QString DescriptionText(const SlotDescription& description)
{
    using Kind = SlotDescription::Kind;
    switch (description.kind) {
    case Kind::OutOfRange:
        return Messages::tr("Frame or Channel No out of selected area");
    case Kind::VolumeError:
        return Messages::tr("Volume or Scroll Speed Error");
    case Kind::RepeatError:
        return Messages::tr("Repeat Times or Scroll Times, Display Minutes Error");
    case Kind::IntervalError:
        return Messages::tr("Interval Seconds Error");
    case Kind::NoRegistration:
        return Messages::tr("No Registration");
    case Kind::Mp3: {
        const QString repeat =
            description.unlimited
                ? Messages::tr("Repeat Times = Unlimited")
                : FormatNumber(Messages::tr("Repeat Times=%d "), description.repeat);
        const QString volume = FormatNumber(Messages::tr("Volume=%d "), description.volume);
        const QString interval =
            FormatNumber(Messages::tr("Interval=%dsec. "), description.interval);
        return repeat + u'/' + volume + u'/' + interval;
    }
    case Kind::Blank:
        break;
    }
    return {};
}

QString CsvHeaderLine()
{
    QString line = Messages::tr("Channel");
    const QString frame = Messages::tr(",Set up Frame%02d");
    for (int f = 1; f <= kFrameCount; ++f)
        line += FormatNumber(frame, f);
    return line;
}

QString TotalDataSizeSuffix(std::uint64_t kilobytes)
{
    return Messages::tr("        Total data size:") +
           QString::fromStdString(GroupThousands(kilobytes)) + QStringLiteral("KB");
}

QString RemovedRecordText(const RemovedRecord& removed)
{
    if (removed.channel > kEditableChannelCount)
        return Messages::tr(
                   "Channel %1, frame %2: a record outside channels 1-127 (type %3) was emptied "
                   "on loading")
            .arg(removed.channel)
            .arg(removed.frame)
            .arg(removed.type);
    return Messages::tr("Channel %1, frame %2: a record of unknown type %3 was emptied on loading")
        .arg(removed.channel)
        .arg(removed.frame)
        .arg(removed.type);
}

QString SystemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString FileResultMessage(const fileio::FileResult& result, bool writing)
{
    const QString path = QString::fromStdString(result.path);
    using fileio::FileFault;
    switch (result.fault) {
    case FileFault::None:
        return {};
    case FileFault::NotRegular:
        return Messages::tr("%1 is not a regular file.").arg(path);
    case FileFault::DanglingLink:
        return Messages::tr("%1 is a symbolic link to a file that does not exist.").arg(path);
    case FileFault::ForeignLink:
        return Messages::tr("%1 is a symbolic link of another user in a shared folder; it is "
                            "not followed.")
            .arg(path);
    case FileFault::ReadOnly:
        return Messages::tr("%1 is write-protected.").arg(path);
    case FileFault::FolderReadOnly:
        return Messages::tr("No file can be saved in the folder %1: %2")
            .arg(path, SystemErrorText(result.error != 0 ? result.error : EACCES));
    case FileFault::TooLarge:
        return Messages::tr("%1 is larger than %2 bytes; it is not read.")
            .arg(path, QLocale(QLocale::English).toString(qulonglong(result.limit)));
    case FileFault::DescriptorLink:
        return Messages::tr("%1 names an open file descriptor, not a file that can be replaced.")
            .arg(path);
    case FileFault::System:
        break;
    }
    return (writing ? Messages::tr("Cannot write %1: %2") : Messages::tr("Cannot read %1: %2"))
        .arg(path, SystemErrorText(result.error));
}

QString FileFaultReason(const fileio::FileResult& result)
{
    return result.fault == fileio::FileFault::System ? SystemErrorText(result.error)
                                                     : FileResultMessage(result, true);
}

QString CellText(const std::string& cp932)
{
    return QString::fromStdString(Cp932ToUtf8(cp932));
}

} // namespace cuelist::text

namespace cuelist::text {

QString DurationText(std::int64_t milliseconds)
{
    const std::int64_t seconds = (std::max<std::int64_t>(milliseconds, 0) + 500) / 1000;
    const std::int64_t hours = seconds / 3600;
    const QLatin1Char zero('0');
    if (hours > 0)
        return QStringLiteral("%1:%2:%3")
            .arg(hours)
            .arg(seconds / 60 % 60, 2, 10, zero)
            .arg(seconds % 60, 2, 10, zero);
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, zero);
}

QString AmbiguousDataFolderText(const std::vector<std::string>& spellings)
{
    if (spellings.size() < 2)
        return {};
    QStringList names;
    for (const std::string& name : spellings)
        names << QLatin1Char('"') + QString::fromStdString(name) + QLatin1Char('"');
    return Messages::tr("The folders %1 are beside the playlist; the files are taken from %2 "
                        "only.")
        .arg(names.join(QLatin1String(", ")), names.front());
}

QString PlayTimeText(const ChannelPlayTime& time)
{
    if (time.stopFrame > 0) {
        ChannelPlayTime before = time;
        before.stopFrame = 0;
        return Messages::tr("%1, stops at frame %2 (file missing or unplayable)")
            .arg(PlayTimeText(before))
            .arg(time.stopFrame);
    }
    if (time.endless)
        return QStringLiteral("\u221e");
    if (time.unknown == 0)
        return DurationText(time.milliseconds);
    if (time.milliseconds == 0)
        return QStringLiteral("?");
    return QStringLiteral("\u2265 ") + DurationText(time.milliseconds);
}

QString ImportFailureMessage(const QString& source, const QString& name,
                             const ImportItemResult& result)
{
    if (result.taken)
        return Messages::tr("%1 was not imported: %2 now exists in the data folder.")
            .arg(source, name);
    switch (result.transcode.fault) {
    case TranscodeFault::None:
        break;
    case TranscodeFault::NotRegular:
        return result.transcode.error != 0
                   ? Messages::tr("Cannot read %1: %2")
                         .arg(source, SystemErrorText(result.transcode.error))
                   : Messages::tr("%1 is not a regular file.").arg(source);
    case TranscodeFault::NotAudio:
        return Messages::tr("%1 holds no audio that can be read.").arg(source);
    case TranscodeFault::Write:
        return Messages::tr("Cannot write %1 for %2: %3")
            .arg(name, source, SystemErrorText(result.transcode.error));
    case TranscodeFault::Encoder:
        return Messages::tr("%1 was not imported: the MP3 encoder (GStreamer's lamemp3enc) is "
                            "not available.")
            .arg(source);
    case TranscodeFault::Cancelled:
        return Messages::tr("The import was cancelled.");
    }
    if (!result.file.ok())
        return FileResultMessage(result.file, true);
    return {};
}

QString LoudnessText(double lufs)
{
    return std::isfinite(lufs) ? QString::asprintf("%.1f LUFS", lufs) : Messages::tr("silent");
}

QString TruePeakText(double dbtp)
{
    return std::isfinite(dbtp) ? QString::asprintf("%.1f dBTP", dbtp) : Messages::tr("silent");
}

} // namespace cuelist::text
