// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandids.h"
#include "cuedoc.h"
#include "editorof.h"
#include "scriptedprompt.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The CSV File Output command.
class EditorCsvTest final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QByteArray read(const QString& name) const
    {
        QFile file(m_dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qputenv("HOME", m_dir.path().toUtf8());
    }

    void writesHeaderAndEveryChannel()
    {
        CCueDoc doc;
        doc.SetSlotFile(1, 1, "abc.mp3");
        doc.SetSlotFile(16, 127, "LAST.MP3");
        doc.undoStack()->clear(); // as opened
        QVERIFY(EditorOf(doc).handlesCommand(ID_CSV_OUTPUT));

        ScriptedPrompt script;
        script.choose(m_dir.filePath("out.csv"));
        EditorOf(doc).runCommand(ID_CSV_OUTPUT);

        QVERIFY(script.asked.isEmpty()); // unmodified: no save question
        QCOMPARE(script.dialogs.size(), 1);
        QCOMPARE(script.dialogs[0].title, QStringLiteral("Output to CSV file"));
        QCOMPARE(script.dialogs[0].filter, QStringLiteral("CSV(comma)(*.CSV)"));
        QCOMPARE(script.dialogs[0].initial, m_dir.path() + "/playlist.csv");

        const QList<QByteArray> lines = read("out.csv").split('\n');
        QCOMPARE(lines.size(), 129); // 128 lines, each ended by CR LF
        QVERIFY(lines.last().isEmpty());
        QVERIFY(lines[0].startsWith("Channel,Set up Frame01,Set up Frame02,"));
        QVERIFY(lines[0].endsWith(",Set up Frame16\r"));
        QCOMPARE(lines[1], QByteArray("0001,ABC.MP3" + QByteArray(",").repeated(1) +
                                      QByteArray(" , , , , , , , , , , , , , , \r")));
        QVERIFY(lines[127].startsWith("0127, ,"));
        QVERIFY(lines[127].endsWith(",LAST.MP3\r"));
    }

    void asksToSaveFirstAndCancelStops()
    {
        CCueDoc doc;
        doc.setTitle("PlayList1");
        doc.setModifiedFlag(true);
        ScriptedPrompt script;
        script.answer(QMessageBox::Cancel);
        script.choose(m_dir.filePath("never.csv"));
        EditorOf(doc).OnFileCsvOutput();
        QCOMPARE(script.texts(), QStringList({"Do you want to save changes PlayList1?"}));
        QVERIFY(script.dialogs.isEmpty());
        QVERIFY(!QFile::exists(m_dir.filePath("never.csv")));

        // No: the unsaved contents are written.
        doc.SetSlotFile(2, 3, "NEW.MP3");
        script.answer(QMessageBox::No);
        EditorOf(doc).OnFileCsvOutput();
        QVERIFY(read("never.csv").contains("0003, ,NEW.MP3"));
    }

    void asksBeforeReplacingAFile()
    {
        QFile existing(m_dir.filePath("old.csv"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("keep");
        existing.close();

        CCueDoc doc;
        ScriptedPrompt script;
        script.choose(m_dir.filePath("old.csv"));
        script.answer(QMessageBox::No);
        script.choose(QString()); // then cancels the dialog
        EditorOf(doc).OnFileCsvOutput();
        QCOMPARE(script.asked.size(), 1);
        QVERIFY(script.asked[0].text.startsWith(m_dir.filePath("old.csv")));
        QCOMPARE(read("old.csv"), QByteArray("keep"));

        script.choose(m_dir.filePath("old.csv"));
        script.answer(QMessageBox::Yes);
        EditorOf(doc).OnFileCsvOutput();
        QVERIFY(read("old.csv").startsWith("Channel,"));
    }

    void openPlaylistIsNeverACsvTarget()
    {
        CCueDoc open;
        open.SetSlotFile(1, 1, "abc.mp3");
        ScriptedPrompt script;
        script.answer(QMessageBox::Yes); // ABC.MP3 is missing: save anyway
        QVERIFY(EditorOf(open).DoSave(m_dir.filePath("c.slp"), true));
        const QByteArray saved = read("c.slp");
        QVERIFY(QFile::link(m_dir.filePath("c.slp"), m_dir.filePath("alias.csv")));

        CCueDoc other;
        for (const char* name : {"c.slp", "alias.csv"}) {
            script.choose(m_dir.filePath(name));
            script.choose(QString());
            EditorOf(other).OnFileCsvOutput();
            QVERIFY(
                script.asked.last().text.startsWith(m_dir.filePath(name) + " is an open playlist"));
            QCOMPARE(read("c.slp"), saved);
        }
    }

    void failedExportLeavesNoFile()
    {
        QVERIFY(QDir(m_dir.path()).mkdir("folder.csv"));
        CCueDoc doc;
        ScriptedPrompt script;
        script.choose(m_dir.filePath("missing/sub/out.csv"));
        EditorOf(doc).OnFileCsvOutput();
        QCOMPARE(script.asked.size(), 1);
        QVERIFY(script.asked[0].text.startsWith("Unable to save " + m_dir.filePath("missing")));
        QVERIFY(!QFile::exists(m_dir.filePath("missing/sub/out.csv")));
    }
};

QTEST_MAIN(EditorCsvTest)
#include "tst_editor_csv.moc"
