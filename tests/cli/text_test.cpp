// SPDX-License-Identifier: GPL-3.0-or-later
#include "testapp.h"
#include "text/messages.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QLocale>

using namespace cuelist;

namespace {

class TextLayer : public ::testing::Test
{
protected:
    void SetUp() override { text::InstallTranslations(TestApp(), QLocale(QLocale::English)); }
    void TearDown() override { text::InstallTranslations(TestApp(), QLocale(QLocale::English)); }
    static void Japanese() { text::InstallTranslations(TestApp(), QLocale(QLocale::Japanese)); }
};

SlotDescription Mp3(int repeat, bool unlimited, int volume, int interval)
{
    SlotDescription d;
    d.kind = SlotDescription::Kind::Mp3;
    d.repeat = repeat;
    d.unlimited = unlimited;
    d.volume = volume;
    d.interval = interval;
    return d;
}

} // namespace

// The texts that the end-to-end runs of the tool do not reach.
TEST_F(TextLayer, EnglishTexts)
{
    for (SlotResult range : {kSlotFrameOutOfRange, kSlotChannelOutOfRange, kSlotBothOutOfRange})
        EXPECT_EQ(text::RangeResultMessage(range),
                  "Selected setup frame or channel is unauthorized/invalid");
    EXPECT_EQ(text::RangeResultMessage(kSlotDone), "");
    EXPECT_EQ(text::NameResultMessage(kNameAccepted), "");

    SlotDescription d;
    d.kind = SlotDescription::Kind::NoRegistration;
    EXPECT_EQ(text::DescriptionText(d), "No Registration");
    d.kind = SlotDescription::Kind::OutOfRange;
    EXPECT_EQ(text::DescriptionText(d), "Frame or Channel No out of selected area");
    d.kind = SlotDescription::Kind::RepeatError;
    EXPECT_EQ(text::DescriptionText(d), "Repeat Times or Scroll Times, Display Minutes Error");
    d.kind = SlotDescription::Kind::Blank;
    EXPECT_EQ(text::DescriptionText(d), "");

    EXPECT_EQ(text::TotalDataSizeSuffix(0), "        Total data size:0KB");
    EXPECT_EQ(text::TotalDataSizeSuffix(5'000'000'000ULL),
              "        Total data size:5,000,000,000KB");
}

TEST_F(TextLayer, JapaneseCataloguesOfStaticLibrariesAreFound)
{
    Japanese();
    const QString header = text::CsvHeaderLine();
    EXPECT_TRUE(header.startsWith(QStringLiteral("チャンネル名,設定枠01,設定枠02,")));
    EXPECT_TRUE(header.endsWith(QStringLiteral(",設定枠16")));
    EXPECT_EQ(header.count(u','), 16);
    EXPECT_TRUE(text::TotalDataSizeSuffix(1234).startsWith(QStringLiteral("        ")));
    EXPECT_TRUE(text::TotalDataSizeSuffix(1234).endsWith(QStringLiteral(":1,234KB")));
    EXPECT_NE(text::NameResultMessage(kNameBadLength), "Settable file name within 8 characters");

    const QString description = text::DescriptionText(Mp3(3, false, -12, 30));
    EXPECT_NE(description, "Repeat Times=3 /Volume=-12 /Interval=30sec. ");
    EXPECT_TRUE(description.contains(QStringLiteral("=3 /")));
    EXPECT_TRUE(description.contains(QStringLiteral("=-12 /")));
    EXPECT_TRUE(description.endsWith(u' '));

    // Switching back drops the catalogues again.
    text::InstallTranslations(TestApp(), QLocale(QLocale::English));
    EXPECT_TRUE(text::CsvHeaderLine().startsWith(QStringLiteral("Channel,Set up Frame01")));
}

TEST_F(TextLayer, CellTextAndRemovedRecords)
{
    EXPECT_EQ(text::CellText("ABC.MP3"), "ABC.MP3");
    EXPECT_EQ(text::CellText("\xB1\xB2.MP3"), QStringLiteral("ｱｲ.MP3")); // half-width katakana
    EXPECT_TRUE(text::CellText("\x81.MP3").contains(QChar(0xFFFD)));

    const QString unknownType = text::RemovedRecordText({5, 3, 2});
    EXPECT_TRUE(unknownType.contains(u'5') && unknownType.contains(u'3') &&
                unknownType.contains(u'2'));
    EXPECT_NE(text::RemovedRecordText({200, 1, 1}), text::RemovedRecordText({100, 1, 1}));
}
