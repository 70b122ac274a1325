// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"
#include "core/describe.h"
#include "core/names.h"
#include "core/playtime.h"
#include "escape.h"
#include "playlistio.h"
#include "text/messages.h"

#include <cmath>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace cuelist::cli {

namespace {

QString Hex(const SlotRecord& r, std::size_t first, std::size_t count)
{
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(r.data() + first), qsizetype(count)).toHex());
}

QJsonValue Milliseconds(std::optional<std::int64_t> milliseconds)
{
    return milliseconds && *milliseconds >= 0 ? QJsonValue(qint64(*milliseconds))
                                              : QJsonValue(QJsonValue::Null);
}

// A channel's play time as `cuelist times` and the editor show it, with its figures.
QJsonObject PlayTimeJson(int channel, const ChannelPlayTime& time)
{
    return QJsonObject{
        {QStringLiteral("channel"), channel},
        {QStringLiteral("playTime"), text::PlayTimeText(time)},
        {QStringLiteral("milliseconds"), qint64(time.milliseconds)},
        {QStringLiteral("endless"), time.endless},
        {QStringLiteral("unknownLengths"), time.unknown},
        {QStringLiteral("stopsAtFrame"),
         time.stopFrame > 0 ? QJsonValue(time.stopFrame) : QJsonValue(QJsonValue::Null)},
    };
}

// Integrated loudness (LUFS) or true peak (dBTP) to a tenth; null when not measured or silent.
QJsonValue Level(const PlaylistLoudness& loudness, const std::string& name, double Loudness::*field)
{
    const auto it = loudness.find(name);
    if (it == loudness.end() || !it->second || !std::isfinite((*it->second).*field))
        return QJsonValue(QJsonValue::Null);
    return std::round((*it->second).*field * 10.0) / 10.0;
}

// Every field of one slot record, and its file's length in milliseconds (null when not
// known). New fields go here; scripts read them by key.
QJsonObject SlotJson(const SlotTable& table, int frame, int channel,
                     const PlaylistDurations& durations, const PlaylistLoudness& loudness)
{
    const SlotRecord& r = table.RecordAt(frame, channel);
    std::string cell;
    table.GetSlotText(frame, channel, cell);
    const std::string name(reinterpret_cast<const char*>(r.data() + record::kName),
                           record::kNameLength);
    const SlotDescription description = DescribeSlot(table, frame, channel);
    return QJsonObject{
        {QStringLiteral("channel"), channel},
        {QStringLiteral("frame"), frame},
        {QStringLiteral("type"), int(r[record::kType])},
        {QStringLiteral("file"), text::CellText(cell)},
        {QStringLiteral("name"), QString::fromStdString(Cp932ToUtf8(name))},
        {QStringLiteral("nameBytes"), Hex(r, record::kName, record::kNameLength)},
        {QStringLiteral("attenuation"), int(r[record::kVolume])},
        {QStringLiteral("volume"), -int(r[record::kVolume])},
        {QStringLiteral("repeat"), int(r[record::kRepeat])},
        {QStringLiteral("unlimited"), description.unlimited},
        {QStringLiteral("low"), int(r[record::kLow])},
        {QStringLiteral("high"), int(r[record::kHigh])},
        {QStringLiteral("interval"), int(RecordInterval(r))},
        {QStringLiteral("reserved"), int(r[record::kReserved])},
        {QStringLiteral("description"), text::DescriptionText(description)},
        {QStringLiteral("length"), Milliseconds(LookupIn(durations)(Mp3CellName(r)))},
        {QStringLiteral("loudness"), Level(loudness, Mp3CellName(r), &Loudness::lufs)},
        {QStringLiteral("truePeak"), Level(loudness, Mp3CellName(r), &Loudness::truePeakDb)},
    };
}

} // namespace

int RunShow(const Invocation& inv, Console& console)
{
    LoadedPlaylist loaded;
    if (!LoadPlaylist(inv.playlist, IfMissing::Fail, console, loaded))
        return kExitUsage;
    NoteRemoved(loaded, console);

    QJsonArray found;
    QJsonArray playTimes;
    PlaylistDurations durations;
    PlaylistLoudness loudness;
    if (inv.json) {
        durations = ReadDurations(inv.playlist, loaded.table);
        loudness = ReadLoudness(inv.playlist, loaded.table);
    }
    const int first = inv.channel != 0 ? inv.channel : 1;
    const int last = inv.channel != 0 ? inv.channel : kEditableChannelCount;
    for (int channel = first; channel <= last; ++channel) {
        for (int frame = 1; frame <= kFrameCount; ++frame) {
            if (loaded.table.RecordAt(frame, channel)[record::kType] == kTypeEmpty)
                continue;
            if (inv.json) {
                found.append(SlotJson(loaded.table, frame, channel, durations, loudness));
                continue;
            }
            std::string cell;
            loaded.table.GetSlotText(frame, channel, cell);
            const QString description =
                text::DescriptionText(DescribeSlot(loaded.table, frame, channel));
            console.OutLine(QString::asprintf("%04d\t%02d\t", channel, frame) +
                            Escaped(text::CellText(cell)) + u'\t' + Escaped(description));
        }
        if (inv.json && loaded.table.ChannelHasSlots(channel))
            playTimes.append(PlayTimeJson(
                channel, ChannelPlayTimeOf(loaded.table, channel, LookupIn(durations))));
    }
    if (inv.json) {
        const QJsonObject document{{QStringLiteral("playlist"), PathText(inv.playlist)},
                                   {QStringLiteral("slots"), found},
                                   {QStringLiteral("channels"), playTimes}};
        const QByteArray json = QJsonDocument(document).toJson(QJsonDocument::Indented);
        console.OutBytes(std::string_view(json.constData(), std::size_t(json.size())));
    }
    return kExitOk;
}

} // namespace cuelist::cli
