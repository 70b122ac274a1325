// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clip.h"
#include "core/describe.h"
#include "core/playlistfile.h"

#include <gtest/gtest.h>

using namespace cuelist;
using Kind = SlotDescription::Kind;

TEST(Describe, SlotsAsValues)
{
    SlotTable table;
    table.SetSlotFile(1, 1, "a.mp3");
    table.SetSlotVolumeOrSpeed(1, 1, 12);
    table.SetSlotRepeat(1, 1, 3);
    table.SetSlotInterval(1, 1, 30);
    table.SetSlotFile(2, 1, "b.mp3");
    table.SetSlotRepeat(2, 1, 255);
    table.SetSlotFile(3, 1, "c.mp3");
    table.SetSlotRepeat(3, 1, 254);
    table.SetSlotVolumeOrSpeed(3, 1, 70);
    table.SetSlotInterval(3, 1, 3600);
    SlotRecord r = EmptyRecord();
    r[record::kType] = kTypeText;
    table.PutSlotRecord(4, 1, r);
    r[record::kType] = 200;
    table.PutSlotRecord(5, 1, r);
    table.RecordAt(1, 128) = table.RecordAt(1, 1);

    // clang-format off
    struct Case { int frame, channel; Kind kind; int repeat = 0; bool unlimited = false; int volume = 0, interval = 0; };
    const Case cases[] = {
        {1, 1, Kind::Mp3, 3, false, -12, 30}, {2, 1, Kind::Mp3, 0, true, 0, 0}, {3, 1, Kind::Mp3, 254, false, -70, 3600},
        {4, 1, Kind::Blank}, {5, 1, Kind::VolumeError}, {6, 1, Kind::NoRegistration},
        {0, 1, Kind::OutOfRange}, {1, 128, Kind::OutOfRange}, {17, 0, Kind::OutOfRange},
    };
    // clang-format on
    for (const Case& c : cases) {
        const SlotDescription d = DescribeSlot(table, c.frame, c.channel);
        EXPECT_EQ(d.kind, c.kind) << c.frame << "/" << c.channel;
        if (c.kind != Kind::Mp3)
            continue;
        EXPECT_EQ(d.repeat, c.repeat) << c.frame;
        EXPECT_EQ(d.unlimited, c.unlimited) << c.frame;
        EXPECT_EQ(d.volume, c.volume) << c.frame;
        EXPECT_EQ(d.interval, c.interval) << c.frame;
    }
}

TEST(Clip, EncodeClassifyPaste)
{
    SlotTable source;
    source.SetSlotFile(5, 2, "x.mp3");
    source.SetSlotVolumeOrSpeed(5, 2, 40);
    SlotRecord odd = EmptyRecord();
    odd[record::kType] = 9;
    source.PutSlotRecord(16, 2, odd);

    for (std::size_t size : {0, 1, 15, 17, 255, 257, 4096})
        EXPECT_EQ(ClassifyClip(std::vector<std::uint8_t>(size)), ClipKind::Invalid) << size;

    const auto phrase = EncodePhraseClip(source, 5, 2);
    const auto channel = EncodeChannelClip(source, 2);
    ASSERT_TRUE(phrase && channel);
    EXPECT_EQ(ClassifyClip(*phrase), ClipKind::Phrase);
    EXPECT_EQ(ClassifyClip(*channel), ClipKind::Channel);
    EXPECT_FALSE(EncodePhraseClip(source, 17, 2));
    EXPECT_FALSE(EncodePhraseClip(source, 1, 128));
    EXPECT_FALSE(EncodeChannelClip(source, 0));
    EXPECT_FALSE(EncodeChannelClip(source, 128));

    SlotTable target;
    EXPECT_TRUE(PastePhraseClip(target, 1, 127, *phrase));
    EXPECT_EQ(target.RecordAt(1, 127), source.RecordAt(5, 2));
    EXPECT_TRUE(PasteChannelClip(target, 3, *channel));
    for (int frame = 1; frame < kFrameCount; ++frame)
        EXPECT_EQ(target.RecordAt(frame, 3), source.RecordAt(frame, 2)) << frame;
    EXPECT_EQ(target.RecordAt(16, 3), EmptyRecord()); // the odd record does not survive the paste

    // Nothing lands outside channels 1-127 and frames 1-16, nor from a clip of the wrong size.
    const auto before = EncodeChannelClip(target, 3);
    EXPECT_FALSE(PastePhraseClip(target, 1, 128, *phrase));
    EXPECT_FALSE(PastePhraseClip(target, 0, 3, *phrase));
    EXPECT_FALSE(PastePhraseClip(target, 1, 3, *channel));
    EXPECT_FALSE(PasteChannelClip(target, 128, *channel));
    EXPECT_FALSE(PasteChannelClip(target, 3, *phrase));
    EXPECT_EQ(target.RecordAt(1, 128), EmptyRecord());
    EXPECT_EQ(EncodeChannelClip(target, 3), before);
}

// A pasted clip is repaired record by record as a loaded file is, whoever made it.
TEST(Clip, PasteRepairsAsTheLoadDoes)
{
    SlotRecord mp3 = EmptyRecord();
    mp3[record::kType] = kTypeMp3;
    mp3[record::kLow] = 3;
    mp3[record::kHigh] = 200;
    SlotRecord text = mp3;
    text[record::kType] = kTypeText;
    SlotRecord odd = mp3;
    odd[record::kType] = 0xFF;

    std::vector<std::uint8_t> channel;
    for (int frame = 1; frame <= kFrameCount; ++frame) {
        const SlotRecord& r = frame == 1   ? mp3
                              : frame == 2 ? text
                              : frame == 3 ? odd
                                           : EmptyRecord();
        channel.insert(channel.end(), r.begin(), r.end());
    }
    const std::vector<std::uint8_t> phrase(text.begin(), text.end());

    SlotTable table;
    ASSERT_TRUE(PasteChannelClip(table, 1, channel));
    ASSERT_TRUE(PastePhraseClip(table, 5, 2, phrase));
    EXPECT_TRUE(RepairAfterLoad(table).empty()); // nothing left that loading would remove
    EXPECT_EQ(table.RecordAt(1, 1)[record::kLow], 15);
    EXPECT_EQ(table.RecordAt(1, 1)[record::kHigh], 15);
    EXPECT_EQ(table.RecordAt(2, 1), EmptyRecord());
    EXPECT_EQ(table.RecordAt(3, 1), EmptyRecord());
    EXPECT_EQ(table.RecordAt(5, 2), EmptyRecord());
}
