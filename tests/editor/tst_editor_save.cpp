// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/playlistfile.h"
#include "cuedoc.h"
#include "editorof.h"
#include "scriptedprompt.h"
#include "text/messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ImageOf(const cuelist::SlotTable& table)
{
    const std::vector<std::uint8_t> image = cuelist::BuildImage(table);
    return QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
}

} // namespace

// Loading, saving and the questions around them.
class EditorSaveTest final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;
    QString m_dir; // a fresh folder per test

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toUtf8());
    }

    void init()
    {
        static int n = 0;
        m_dir = m_home.filePath(QStringLiteral("case%1").arg(++n));
        QVERIFY(QDir().mkpath(m_dir));
    }

    void newPlaylistStartsWithHomePlaceholders()
    {
        CCueDoc doc;
        QCOMPARE(doc.playlistPath(), m_home.path() + "/playlist.slp");
        QCOMPARE(doc.dataFolderPath(), m_home.path() + "/data/");
        QVERIFY(!doc.IsDataFolderKnown());

        // With no name yet the dialog offers playlist.slp in the home folder.
        ScriptedPrompt script;
        QVERIFY(!EditorOf(doc).DoSave(QString(), true));
        QCOMPARE(script.dialogs.size(), 1);
        QVERIFY(script.dialogs[0].save);
        QCOMPARE(script.dialogs[0].initial, m_home.path() + "/playlist.slp");
        QCOMPARE(script.dialogs[0].title, QStringLiteral("Save As"));
    }

    void savedFileIsTheExactImageAndFixesTheDataFolder()
    {
        CCueDoc doc;
        QVERIFY(doc.SetSlotFile(3, 2, "abc.mp3"));
        doc.setModifiedFlag(true);
        QVERIFY(QDir(m_dir).mkdir("DATA"));
        WriteBytes(m_dir + "/DATA/ABC.MP3", QByteArray(10, 'x'));
        doc.setDataFolderFromFile(m_dir + "/DATA/ABC.MP3"); // as the first chosen file does

        ScriptedPrompt script;
        script.choose(m_dir + "/List1.slp"); // the typed name is lower-cased
        QVERIFY(EditorOf(doc).DoSave(QString(), true));
        QVERIFY(script.asked.isEmpty());

        const QString saved = m_dir + "/list1.slp";
        const QByteArray bytes = ReadAll(saved);
        QCOMPARE(bytes.size(), qsizetype(cuelist::kImageSize));
        QCOMPARE(bytes[288], char(1));
        QCOMPARE(bytes.mid(289, 8), QByteArray("ABC     "));
        QCOMPARE(bytes, ImageOf(doc.table()));

        QCOMPARE(doc.pathName(), saved);
        QCOMPARE(doc.title(), QStringLiteral("list1.slp"));
        QCOMPARE(doc.dataFolderPath(), m_dir + "/data/");
        QVERIFY(doc.IsDataFolderKnown());
        QVERIFY(doc.IsTitleRefreshDue());
        QVERIFY(!doc.isModified());
        QCOMPARE(doc.GetTotalDataSize(), quint64(1)); // DATA found whatever its case
    }

    void saveDialogNameRules()
    {
        QVERIFY(QDir(m_dir).mkdir("DATA"));
        WriteBytes(m_dir + "/taken.slp", "old");
        CCueDoc doc;
        ScriptedPrompt script;
        script.choose(m_dir + "/DATA/inside.slp"); // refused: a folder named DATA
        script.choose(m_dir + "/TAKEN.SLP");       // exists once lower-cased: No
        script.answer(QMessageBox::No);
        script.choose(m_dir + "/plain.slp"); // no second extension
        QVERIFY(EditorOf(doc).DoSave(QString(), true));

        QCOMPARE(script.texts(),
                 QStringList({"Save Playlist created outside of DATA folder",
                              m_dir + "/taken.slp already exist \n Do you want to save?"}));
        QCOMPARE(script.asked[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(script.asked[0].icon, QMessageBox::Warning);
        QCOMPARE(script.asked[1].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(script.asked[1].title, QStringLiteral("Save As"));
        QCOMPARE(ReadAll(m_dir + "/taken.slp"), QByteArray("old"));
        QCOMPARE(doc.pathName(), m_dir + "/plain.slp");
        QVERIFY(QFileInfo::exists(m_dir + "/plain.slp"));

        // A name without the extension gets it; Yes replaces an existing file.
        script.choose(m_dir + "/Taken");
        script.answer(QMessageBox::Yes);
        QVERIFY(EditorOf(doc).DoSave(QString(), true));
        QCOMPARE(doc.pathName(), m_dir + "/taken.slp");
        QCOMPARE(ReadAll(m_dir + "/taken.slp").size(), qsizetype(cuelist::kImageSize));
    }

    void missingFilesWarningListsEachNameOnce()
    {
        CCueDoc doc;
        doc.SetSlotFile(1, 1, "B.MP3");
        doc.SetSlotFile(2, 1, "A.MP3");
        doc.SetSlotFile(1, 7, "A.MP3");
        doc.setModifiedFlag(true);

        ScriptedPrompt script;
        script.answer(QMessageBox::No);
        QVERIFY(!EditorOf(doc).DoSave(m_dir + "/x.slp", true));
        QCOMPARE(script.texts(),
                 QStringList({"The following files do not exist in \"data\" folder.\n"
                              "Are you sure you want to do the save operation?\r\nA.MP3, B.MP3"}));
        QCOMPARE(script.asked[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(script.asked[0].icon, QMessageBox::Question);
        QVERIFY(script.dialogs.isEmpty());
        QVERIFY(!QFileInfo::exists(m_dir + "/x.slp"));
        QVERIFY(doc.isModified());
        QVERIFY(doc.pathName().isEmpty());

        script.answer(QMessageBox::Yes); // save anyway, to the given path without a dialog
        QVERIFY(EditorOf(doc).DoSave(m_dir + "/x.slp", true));
        QVERIFY(script.dialogs.isEmpty());
        QVERIFY(QFileInfo::exists(m_dir + "/x.slp"));
    }

    void openRepairsAndAPathWithoutExtensionAsksForAName()
    {
        cuelist::SlotTable table;
        table.SetSlotFile(1, 5, "KEEP.MP3");
        table.RecordAt(1, 5)[cuelist::record::kLow] = 0;
        table.RecordAt(2, 5)[cuelist::record::kType] = 2; // a type the editor removes
        table.RecordAt(1, 200)[cuelist::record::kType] = 1;
        WriteBytes(m_dir + "/show.dat", ImageOf(table));

        CCueDoc doc;
        QVERIFY(doc.OnOpenDocument(m_dir + "/show.dat").ok());
        doc.setPathName(m_dir + "/show.dat");
        QCOMPARE(doc.cellText(1, 5), QStringLiteral("KEEP.MP3"));
        QCOMPARE(doc.cellText(2, 5), QStringLiteral(" "));
        QCOMPARE(doc.table().RecordAt(1, 200)[cuelist::record::kType], 0);
        QCOMPARE(doc.table().RecordAt(1, 5)[cuelist::record::kLow], 15);
        QCOMPARE(doc.dataFolderPath(), m_dir + "/data/");
        QVERIFY(doc.IsDataFolderKnown());

        // Save goes through the dialog, starting with an empty name in the playlist's folder.
        ScriptedPrompt script;
        script.answer(QMessageBox::Yes); // KEEP.MP3 is missing: save anyway
        QVERIFY(!EditorOf(doc).DoFileSave());
        QCOMPARE(script.dialogs.size(), 1);
        QCOMPARE(script.dialogs[0].initial, m_dir + "/show.slp");
    }

    void unreadableFileIsReported_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing.slp"
                                 << "No such file or directory";
        QTest::newRow("fifo") << "pipe.slp"
                              << "pipe.slp is not a regular file.";
        QTest::newRow("folder") << "folder.slp"
                                << "folder.slp is not a regular file.";
    }
    void unreadableFileIsReported()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QCOMPARE(::mkfifo(QFile::encodeName(m_dir + "/pipe.slp").constData(), 0600), 0);
        QVERIFY(QDir(m_dir).mkdir("folder.slp"));
        ScriptedPrompt script;
        CCueDoc doc;
        // A FIFO without a writer: no hang. The document shows nothing; the reason is returned.
        const cuelist::fileio::FileResult read = doc.OnOpenDocument(m_dir + "/" + name);
        QVERIFY(!read.ok());
        QVERIFY(script.asked.isEmpty());
        const QString text = cuelist::text::FileFaultReason(read);
        QVERIFY2(text.endsWith(reason), qPrintable(text));
        QVERIFY(!doc.IsDataFolderKnown());
    }

    void saveAsksWhenAnotherProgramChangedTheFile()
    {
        const QString path = m_dir + "/shared.slp";
        CCueDoc first;
        QVERIFY(EditorOf(first).DoSave(path, true));
        CCueDoc second;
        QVERIFY(second.OnOpenDocument(path).ok());
        second.setPathName(path);
        second.SetSlotFile(1, 1, "SECOND.MP3");
        first.SetSlotFile(1, 1, "FIRST.MP3");
        ScriptedPrompt script;
        script.answer(QMessageBox::Yes);       // FIRST.MP3 is missing: save anyway
        QVERIFY(EditorOf(first).DoFileSave()); // its own last write: no question
        QCOMPARE(script.asked.size(), 1);

        script.answer(QMessageBox::Yes); // SECOND.MP3 is missing: save anyway
        script.answer(QMessageBox::No);  // but keep the other program's file
        QVERIFY(!EditorOf(second).DoFileSave());
        QCOMPARE(script.asked.size(), 3);
        QCOMPARE(script.asked[2].text, QStringLiteral("The file was changed by another program "
                                                      "since it was opened. Overwrite it?"));
        QVERIFY(ReadAll(path).contains("FIRST"));

        script.answer(QMessageBox::Yes);
        script.answer(QMessageBox::Yes);
        QVERIFY(EditorOf(second).DoFileSave());
        QVERIFY(ReadAll(path).contains("SECOND"));
        script.answer(QMessageBox::Yes);
        QVERIFY(EditorOf(second).DoFileSave()); // now its own write again
        QCOMPARE(script.asked.size(), 6);
    }

    void saveIntoADirectoryPathFailsCleanly()
    {
        // A directory in the way makes the save fail whatever the user's rights.
        QVERIFY(QDir(m_dir).mkdir("busy.slp"));
        CCueDoc doc;
        doc.setModifiedFlag(true);
        ScriptedPrompt script;
        QVERIFY(!EditorOf(doc).DoSave(m_dir + "/busy.slp", true));
        QCOMPARE(script.asked.size(), 1);
        QVERIFY(script.asked[0].text.startsWith("Unable to save " + m_dir + "/busy.slp"));
        QVERIFY(QFileInfo(m_dir + "/busy.slp").isDir());
        QVERIFY(doc.isModified());
        QVERIFY(doc.pathName().isEmpty());
    }

    void saveModifiedAnswers()
    {
        ScriptedPrompt script;
        CCueDoc doc;
        doc.setTitle("PlayList1");
        QVERIFY(EditorOf(doc).SaveModified()); // unmodified: no question
        QVERIFY(script.asked.isEmpty());

        doc.setModifiedFlag(true);
        script.answer(QMessageBox::Cancel);
        QVERIFY(!EditorOf(doc).SaveModified());
        QCOMPARE(script.texts(), QStringList({"Do you want to save changes PlayList1?"}));
        QCOMPARE(script.asked[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);

        script.answer(QMessageBox::No);
        QVERIFY(EditorOf(doc).SaveModified());
        QVERIFY(doc.isModified()); // changes dropped by the caller, not saved

        script.answer(QMessageBox::Yes); // then the save dialog is cancelled
        QVERIFY(!EditorOf(doc).SaveModified());
        QCOMPARE(script.dialogs.size(), 1);

        script.answer(QMessageBox::Yes);
        script.choose(m_dir + "/named.slp");
        QVERIFY(EditorOf(doc).SaveModified());
        QVERIFY(!doc.isModified());
        QCOMPARE(doc.pathName(), m_dir + "/named.slp");

        // A saved playlist is named by its title in the question.
        doc.setModifiedFlag(true);
        script.answer(QMessageBox::Yes);
        QVERIFY(EditorOf(doc).SaveModified());
        QCOMPARE(script.texts().last(), QStringLiteral("Do you want to save changes named.slp?"));
        QCOMPARE(script.dialogs.size(), 2); // the known path was used
    }

    void dataFolderFromTheFirstChosenFile()
    {
        CCueDoc doc;
        doc.setDataFolderFromFile(m_dir + "/DATA/ABC.MP3");
        QCOMPARE(doc.dataFolderPath(), m_dir + "/DATA/");
        QVERIFY(doc.IsDataFolderKnown());
        doc.setDataFolderFromFile("/elsewhere/DATA/X.MP3"); // once known, it stays
        QCOMPARE(doc.dataFolderPath(), m_dir + "/DATA/");
        QVERIFY(!doc.IsOutsideDataFolder(m_dir + "/DATA/B.MP3"));
        QVERIFY(doc.IsOutsideDataFolder("/elsewhere/DATA/X.MP3"));

        // The save dialog starts in the folder that holds DATA.
        ScriptedPrompt script;
        EditorOf(doc).DoSave(QString(), true);
        QCOMPARE(script.dialogs.value(0).initial, m_dir + "/playlist.slp");
    }
};

QTEST_MAIN(EditorSaveTest)
#include "tst_editor_save.moc"
