// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandids.h"
#include "cuedoc.h"
#include "editorof.h"
#include "putrecord.h"
#include "scriptedprompt.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Counts the settings dialogs the editor opens, each cancelled.
struct CountingDialogs
{
    int settings = 0;
    void attach(PlaylistEditor& editor)
    {
        editor.setDialogRunner([this](QDialog&) {
            ++settings;
            return int(QDialog::Rejected);
        });
    }
};

} // namespace

// Select File and Open File Contents on the current slot.
class EditorSelectFileTest final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;
    ScriptedPrompt m_prompt;
    CountingDialogs m_view;

    QString make(const char* relative, int size = 0) const
    {
        const QString path = m_root.filePath(QLatin1String(relative));
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(size, '\0')) != size)
            qWarning("cannot create %s", relative);
        return path;
    }

    // Runs Select File on the slot choosing the file; returns the messages it showed.
    QStringList select(CCueDoc& doc, int frame, int channel, const QString& file)
    {
        m_prompt.asked.clear();
        m_prompt.choose(file);
        EditorOf(doc).SetCurrentSlot({frame, channel});
        EditorOf(doc).runCommand(ID_SELECT_FILE);
        return m_prompt.texts();
    }

private slots:
    // The first file fixes the data folder of a new playlist; then only that folder counts.
    void newPlaylist()
    {
        CCueDoc doc;
        m_view.attach(EditorOf(doc));
        QSignalSpy titles(&doc, &CCueDoc::frameTitleUpdateRequested);
        QVERIFY(select(doc, 4, 7, make("show/DATA/abc.mp3")).isEmpty());
        QCOMPARE(doc.cellText(4, 7), QStringLiteral("ABC.MP3"));
        QCOMPARE(doc.dataFolderPath(), m_root.filePath(QStringLiteral("show/DATA/")));
        // Even when the settings are cancelled, the file is an edit of its own.
        QVERIFY(doc.IsDataFolderKnown() && doc.IsTitleRefreshDue() && doc.isModified());
        QCOMPARE(doc.undoStack()->undoText(), QStringLiteral("Select File"));
        QCOMPARE(QList<int>({int(titles.size()), m_view.settings}), QList<int>({1, 1}));
        QCOMPARE(m_prompt.dialogs.last().title, QStringLiteral("Select File"));
        QVERIFY(m_prompt.dialogs.last().filter.contains(QStringLiteral("*.mp3")));

        QCOMPARE(select(doc, 5, 7, make("other/DATA/x.mp3")),
                 QStringList{QStringLiteral(
                     "Cannot refer to the files in this \"data\" folder from the playlist.")});
        QCOMPARE(m_prompt.dialogs.last().initial, m_root.filePath(QStringLiteral("show/DATA/")));
        QCOMPARE(doc.cellText(5, 7), QStringLiteral(" "));
        QCOMPARE(m_view.settings, 1);
    }

    // A loaded playlist's "data/" is its DATA folder on disk. Refusals leave the slot alone.
    void loadedPlaylist()
    {
        CCueDoc doc;
        m_view.attach(EditorOf(doc));
        m_view.settings = 0;
        QVERIFY(doc.OnOpenDocument(make("saved/list.slp", int(cuelist::kImageSize))).ok());
        QStringList shown;
        // A link stands for its target, here a file outside DATA.
        QVERIFY(QDir(m_root.path()).mkpath("saved/DATA"));
        QVERIFY(QFile::link(make("saved/music/ABC.MP3"), m_root.filePath("saved/DATA/LINK.MP3")));
        shown << select(doc, 1, 1, m_root.filePath("saved/DATA/LINK.MP3"));
        for (const char* name :
             {"saved/music/ABC.MP3", "saved/DATA/LONGNAME1.MP3", "saved/DATA/A B.MP3",
              "saved/DATA/ABC.WAV", "saved/DATA/   ", "saved/DATA/VOICE01.MP3 ",
              "saved/DATA/ LEAD.MP3", "saved/DATA/TAB.MP3\t"})
            shown << select(doc, 1, 1, make(name));
        const QString edge =
            QStringLiteral("File name starts or ends with a space or tab; rename the file");
        QCOMPARE(shown,
                 (QStringList{QStringLiteral("Select file existring in the DATA folder"),
                              QStringLiteral("Select file existring in the DATA folder"),
                              QStringLiteral("Settable file name within 8 characters"),
                              QStringLiteral("No space within settable file name"),
                              QStringLiteral("Settable file type in MP3 only"),
                              QStringLiteral("Settable file type in MP3 only"), edge, edge, edge}));
        QCOMPARE(m_prompt.dialogs.last().initial, m_root.filePath(QStringLiteral("saved/DATA/")));
        QCOMPARE(m_view.settings, 0);

        QVERIFY(select(doc, 1, 1, make("saved/DATA/x.mp3")).isEmpty());
        QCOMPARE(doc.cellText(1, 1), QStringLiteral("X.MP3"));
        // Occupied, unknown type, beyond the editable channels: stopped before any dialog.
        cuelist::SlotRecord unknown = doc.table().RecordAt(2, 1);
        unknown[cuelist::record::kType] = 9;
        PutRecord(doc, 2, 1, unknown);
        const qsizetype dialogs = m_prompt.dialogs.size();
        shown = select(doc, 1, 1, QString()) + select(doc, 2, 1, QString()) +
                select(doc, 2, 128, QString());
        QCOMPARE(
            shown,
            (QStringList{
                doc.replacePrompt(), QStringLiteral("Selected file is not playlist or damaged"),
                QStringLiteral("Selected setup frame or channel is unauthorized/invalid")}));
        QCOMPARE(m_prompt.dialogs.size(), dialogs);
        QCOMPARE(doc.cellText(1, 1), QStringLiteral("X.MP3"));

        EditorOf(doc).runCommand(ID_OPEN_CONTENTS);
        QCOMPARE(m_view.settings, 2);
    }
};

QTEST_MAIN(EditorSelectFileTest)
#include "tst_editor_selectfile.moc"
