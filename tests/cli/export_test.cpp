// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/playlistfile.h"
#include "testapp.h"

#include <csignal>
#include <gtest/gtest.h>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <sys/mount.h>

using namespace cuelist;

namespace {

QByteArray Content(int size, int seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int k = 0; k < size; ++k)
        bytes[k] = char(seed * 7 + k * 13 + k / 509);
    return bytes;
}

// Every file and folder under a folder, with the files' content.
QMap<QString, QByteArray> Tree(const QString& folder)
{
    QMap<QString, QByteArray> tree;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(folder).relativeFilePath(path);
        tree[it.fileInfo().isDir() ? name + u'/' : name] = FileBytes(path);
    }
    return tree;
}

int TemporaryCount(const QString& folder)
{
    int count = 0;
    for (const QString& name : Tree(folder).keys())
        count += name.section(u'/', -1).startsWith(QLatin1String(".cl")) ? 1 : 0;
    return count;
}

QString Tool(const char* name)
{
    for (const char* folder : {"/usr/sbin", "/sbin", "/usr/bin"})
        if (QFileInfo(QString::fromLatin1(folder) + u'/' + QLatin1String(name)).isExecutable())
            return QString::fromLatin1(folder) + u'/' + QLatin1String(name);
    return QStandardPaths::findExecutable(QLatin1String(name));
}

// Runs a helper program to its end; its exit code, or -1.
int RunTool(const QString& program, const QStringList& args, QByteArray* out = nullptr)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MTOOLS_SKIP_CHECK"), QStringLiteral("1"));
    process.setProcessEnvironment(env);
    process.start(program, args);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    if (out)
        *out = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// A playlist naming `count` files of `size` bytes in its data folder, and an empty card.
class CliExport : public ::testing::Test
{
protected:
    void Make(int count, int size)
    {
        ASSERT_TRUE(m_dir.isValid());
        QDir(m_dir.path()).mkpath(QStringLiteral("show/DATA"));
        QDir(m_dir.path()).mkpath(QStringLiteral("card/DATA"));
        SlotTable table;
        for (int k = 0; k < count; ++k) {
            const std::string name = "V" + std::to_string(k) + ".mp3";
            ASSERT_EQ(table.SetSlotFile(1 + k % 16, 1 + k / 16, name), kSlotDone);
            WriteBytes(Path("show/DATA/") + QString::fromStdString(name), Content(size, k));
        }
        const auto image = BuildImage(table);
        m_image = QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
        WriteBytes(Playlist(), m_image);
    }
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QString Playlist() const { return Path(QStringLiteral("show/show.slp")); }
    QString Card() const { return Path(QStringLiteral("card")); }

    QTemporaryDir m_dir;
    QByteArray m_image;
};

} // namespace

TEST_F(CliExport, DryRunChangesNothingAndTheTreeFitsAFatCard)
{
    Make(3, 5000);
    WriteBytes(Card() + "/DATA/OLD.MP3", "old");
    const auto before = Tree(Card());

    const CliRun dry = RunCli({"export", Playlist(), Card(), "--dry-run"});
    EXPECT_EQ(dry.status, 0) << dry.err.toStdString();
    EXPECT_TRUE(dry.out.contains("MP3 files to copy")) << dry.out.toStdString();
    EXPECT_TRUE(dry.out.contains("  OLD.MP3\n"));
    EXPECT_EQ(Tree(Card()), before);

    const CliRun both = RunCli({"export", Playlist(), Card(), "--keep-extra", "--remove-extra"});
    EXPECT_EQ(both.status, 2);

    const CliRun run = RunCli({"export", Playlist(), Card(), "--remove-extra"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const auto after = Tree(Card());
    EXPECT_EQ(after.keys(),
              (QStringList{"DATA/", "DATA/V0.MP3", "DATA/V1.MP3", "DATA/V2.MP3", "show.slp"}));
    EXPECT_EQ(after.value("show.slp"), m_image);
    EXPECT_EQ(after.value("DATA/V1.MP3"), Content(5000, 1));

    // The tree copied into a FAT32 image passes the file-system check under the same names.
    const QString mkfs = Tool("mkfs.fat");
    const QString mcopy = Tool("mcopy");
    const QString fsck = Tool("fsck.fat");
    const QString mdir = Tool("mdir");
    if (mkfs.isEmpty() || mcopy.isEmpty() || fsck.isEmpty() || mdir.isEmpty())
        GTEST_SKIP() << "dosfstools and mtools are not installed";
    const QString image = Path(QStringLiteral("card.img"));
    ASSERT_EQ(RunTool(mkfs, {"-F", "32", "-C", image, "65536"}), 0);
    QStringList copy = {"-s", "-i", image};
    for (const QString& name : QDir(Card()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        copy << Card() + u'/' + name;
    copy << QStringLiteral("::/");
    ASSERT_EQ(RunTool(mcopy, copy), 0);
    EXPECT_EQ(RunTool(fsck, {"-n", image}), 0);
    QByteArray listing;
    ASSERT_EQ(RunTool(mdir, {"-b", "-i", image, "::/", "::/DATA"}, &listing), 0);
    QStringList names = QString::fromUtf8(listing).split(u'\n', Qt::SkipEmptyParts);
    names.sort();
    EXPECT_EQ(names, (QStringList{"::/DATA/", "::/DATA/V0.MP3", "::/DATA/V1.MP3", "::/DATA/V2.MP3",
                                  "::/show.slp"}));
}

TEST_F(CliExport, ASmallCardIsRefusedBeforeAnythingIsCopied)
{
    Make(5, 600 * 1024);
    QDir(m_dir.path()).mkpath(QStringLiteral("sd"));
    const QByteArray mountPoint = Path(QStringLiteral("sd")).toUtf8();
    if (::mount("cuelist-sd", mountPoint.constData(), "tmpfs", 0, "size=2m") != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here";
    WriteBytes(Path("sd/show.slp"), "old playlist");
    const auto before = Tree(Path("sd"));

    const CliRun run = RunCli({"export", Playlist(), Path("sd")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.contains("Problem: The card has")) << run.out.toStdString();
    EXPECT_EQ(Tree(Path("sd")), before);
    ::umount2(mountPoint.constData(), MNT_DETACH);
}

TEST_F(CliExport, AKilledExportLeavesTheOldPlaylistAndTheNextOneCleansUp)
{
    Make(64, 256 * 1024);
    WriteBytes(Card() + "/show.slp", "the old playlist");
    WriteBytes(Card() + "/DATA/V0.MP3", "the old V0");

    // SIGTERM cancels: the card is as it was. SIGKILL leaves temporary files, but the old
    // playlist stands, whenever during the copy it comes.
    struct Round
    {
        int signal;
        int temporariesSeen;
    };
    for (const Round round : {Round{SIGTERM, 1}, Round{SIGKILL, 1}, Round{SIGKILL, 20}}) {
        const auto before = Tree(Card());
        QProcess process;
        process.start(QStringLiteral(CUELIST_CLI_PATH), {"export", Playlist(), Card()});
        ASSERT_TRUE(process.waitForStarted());
        int seen = 0;
        while (process.state() == QProcess::Running && seen < round.temporariesSeen) {
            seen = TemporaryCount(Card());
            process.waitForFinished(1);
        }
        ASSERT_EQ(process.state(), QProcess::Running) << "the export ended too soon to be stopped";
        ::kill(pid_t(process.processId()), round.signal);
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(FileBytes(Card() + "/show.slp"), "the old playlist") << round.signal;
        EXPECT_EQ(FileBytes(Card() + "/DATA/V0.MP3"), "the old V0");
        if (round.signal == SIGTERM) {
            EXPECT_EQ(process.exitCode(), 4);
            EXPECT_EQ(Tree(Card()), before);
        }
    }
    EXPECT_GT(TemporaryCount(Card()), 0);

    const CliRun run = RunCli({"export", Playlist(), Card()});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("Temporary files of an interrupted export removed"));
    EXPECT_EQ(TemporaryCount(Card()), 0);
    EXPECT_EQ(FileBytes(Card() + "/show.slp"), m_image);
    EXPECT_EQ(FileBytes(Card() + "/DATA/V63.MP3"), Content(256 * 1024, 63));
}
