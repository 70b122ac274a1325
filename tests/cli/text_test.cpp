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

TEST_F(TextLayer, EnglishTextsAreTheSystemsOwn)
{
    EXPECT_EQ(text::NameResultMessage(kSlotChannelOutOfRange),
              "Selected setup frame or channel is unauthorized/invalid");
    EXPECT_EQ(text::NameResultMessage(kNameDoubleByte),
              "Settable file name in half-size/one-byte character only");
    EXPECT_EQ(text::NameResultMessage(kNameNotMp3), "Settable file type in MP3 only");
    EXPECT_EQ(text::NameResultMessage(kNameBadLength), "Settable file name within 8 characters");
    EXPECT_EQ(text::NameResultMessage(kNameHasSpace), "No space within settable file name");
    EXPECT_FALSE(text::NameResultMessage(kNameInvalidCharacter).isEmpty());

    EXPECT_EQ(text::DescriptionText(Mp3(3, false, -12, 30)),
              "Repeat Times=3 /Volume=-12 /Interval=30sec. ");
    EXPECT_EQ(text::DescriptionText(Mp3(0, true, 0, 0)),
              "Repeat Times = Unlimited/Volume=0 /Interval=0sec. ");
    SlotDescription empty;
    empty.kind = SlotDescription::Kind::NoRegistration;
    EXPECT_EQ(text::DescriptionText(empty), "No Registration");
    empty.kind = SlotDescription::Kind::VolumeError;
    EXPECT_EQ(text::DescriptionText(empty), "Volume or Scroll Speed Error");
    empty.kind = SlotDescription::Kind::Blank;
    EXPECT_EQ(text::DescriptionText(empty), "");

    EXPECT_EQ(text::CsvHeaderLine(),
              "Channel,Set up Frame01,Set up Frame02,Set up Frame03,Set up Frame04,"
              "Set up Frame05,Set up Frame06,Set up Frame07,Set up Frame08,Set up Frame09,"
              "Set up Frame10,Set up Frame11,Set up Frame12,Set up Frame13,Set up Frame14,"
              "Set up Frame15,Set up Frame16");
    EXPECT_EQ(text::TotalDataSizeSuffix(1234), "        Total data size:1,234KB");
    EXPECT_EQ(text::TotalDataSizeSuffix(5'000'000'000ULL),
              "        Total data size:5,000,000,000KB");
    EXPECT_EQ(text::TotalDataSizeSuffix(0), "        Total data size:0KB");
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
