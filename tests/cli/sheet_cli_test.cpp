// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/slottable.h"
#include "testapp.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace cuelist;

namespace {

// Text of a PDF through poppler's pdftotext (the test set of packages has it).
QString PdfText(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    // CJK fonts map some ideographs to their radical forms on the way back to text.
    return QString::fromUtf8(process.readAllStandardOutput())
        .normalized(QString::NormalizationForm_KC);
}

QString PdfFonts(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdffonts"), {pdf});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A playlist whose channel 2 plays ABC.MP3 (present) and GONE.MP3 (missing).
class SheetCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        SlotTable table;
        ASSERT_EQ(table.SetSlotFile(1, 2, "abc.mp3"), kSlotDone);
        ASSERT_EQ(table.SetSlotFile(9, 2, "gone.mp3"), kSlotDone);
        table.SetSlotInterval(1, 2, 30);
        m_playlist = m_dir.filePath("show.slp");
        const auto bytes = table.Bytes();
        m_image = QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
        WriteBytes(m_playlist, m_image);
        QDir(m_dir.path()).mkdir("DATA");
        WriteBytes(m_dir.filePath("DATA/ABC.MP3"), QByteArray(2048, 'x'));
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }

    QTemporaryDir m_dir;
    QString m_playlist;
    QByteArray m_image;
};

} // namespace

// Written without a display, whatever platform the environment names.
TEST_F(SheetCli, WritesTheSheetWithoutADisplay)
{
    const QString pdf = m_dir.filePath("sheet.pdf");
    const CliRun run =
        RunCli({"sheet", m_playlist, "-o", pdf, "--paper", "Letter"},
               {"LC_ALL=C.UTF-8", "DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM=xcb"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    EXPECT_TRUE(FileBytes(pdf).startsWith("%PDF-"));
    EXPECT_TRUE(FileBytes(pdf).contains("/MediaBox [0 0 792.000000 612.000000]"));
    const QString text = PdfText(pdf);
    for (const char* expected : {"show.slp", "Total data size:2KB", "Channels in use: 1", "0002",
                                 "ABC.MP3", "GONE.MP3", "missing", "Page 1 of 1"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_EQ(FileBytes(m_playlist), m_image);

    const CliRun toStdout = RunCli({"sheet", m_playlist, "-o", "-"});
    EXPECT_EQ(toStdout.status, 0);
    EXPECT_TRUE(toStdout.out.startsWith("%PDF-"));
}

TEST_F(SheetCli, JapaneseEmbedsItsFont)
{
    const QString pdf = m_dir.filePath("sheet.pdf");
    const CliRun run = RunCli({"sheet", m_playlist, "-o", pdf}, {"LANG=ja_JP.UTF-8"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("ファイルなし")));
    EXPECT_TRUE(text.contains(QStringLiteral("再生時間")));
    const QString fonts = PdfFonts(pdf);
    EXPECT_TRUE(fonts.contains(QStringLiteral("NotoSansCJKjp"))) << fonts.toStdString();
    // Every font is embedded: the "emb" column says yes on each line.
    const QStringList lines = fonts.split(u'\n', Qt::SkipEmptyParts).mid(2);
    EXPECT_FALSE(lines.isEmpty());
    for (const QString& line : lines)
        EXPECT_TRUE(line.contains(QRegularExpression(QStringLiteral(" yes +(yes|no) +(yes|no) "))))
            << line.toStdString();
}

TEST_F(SheetCli, RefusalsLeaveFilesAlone)
{
    EXPECT_EQ(RunCli({"sheet", m_playlist}).status, 2); // no output named
    EXPECT_EQ(RunCli({"sheet", m_playlist, "-o", m_dir.filePath("x.pdf"), "--paper", "a3"}).status,
              2);
    const CliRun self = RunCli({"sheet", m_playlist, "-o", m_playlist});
    EXPECT_EQ(self.status, 2);
    EXPECT_EQ(FileBytes(m_playlist), m_image);
    const CliRun noFolder = RunCli({"sheet", m_playlist, "-o", m_dir.filePath("none/x.pdf")});
    EXPECT_EQ(noFolder.status, 2);
    EXPECT_FALSE(noFolder.err.isEmpty());
    EXPECT_FALSE(QFile::exists(m_dir.filePath("none")));
    EXPECT_EQ(RunCli({"sheet", m_dir.filePath("absent.slp"), "-o", m_dir.filePath("y.pdf")}).status,
              2);
    EXPECT_FALSE(QFile::exists(m_dir.filePath("y.pdf")));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 1); // no temporary file left
}
