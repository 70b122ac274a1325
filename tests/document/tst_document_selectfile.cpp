#include "commandids.h"
#include "cuedoc.h"
#include "documentview.h"
#include "scriptedprompt.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Counts what the document asks of its view.
class CountingView final : public DocumentView
{
public:
    int updates = 0;
    int settings = 0;
    void OnUpdate() override { ++updates; }
    void OpenSlotSettings() override { ++settings; }
    QWidget* viewWidget() override { return nullptr; }
};

} // namespace

// Select File and Open File Contents on the current slot.
class DocumentSelectFileTest final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;

    QString make(const QString& relative) const
    {
        const QString path = m_root.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qWarning("cannot create %s", qPrintable(path));
        return path;
    }

private slots:
    void initTestCase() { QVERIFY(m_root.isValid()); }

    // The first file fixes the data folder of a new playlist; a file from any other DATA
    // folder is refused afterwards, and the dialog opens in the data folder.
    void newPlaylist()
    {
        ScriptedPrompt prompt;
        CCueDoc doc;
        CountingView view;
        doc.addView(&view);
        QSignalSpy titles(&doc, &CCueDoc::frameTitleUpdateRequested);
        doc.SetCurrentSlot(4, 7);
        prompt.choose(make(QStringLiteral("show/DATA/abc.mp3")));
        doc.runCommand(ID_SELECT_FILE);
        QCOMPARE(doc.cellText(4, 7), QStringLiteral("ABC.MP3"));
        QCOMPARE(doc.dataFolderPath(), m_root.filePath(QStringLiteral("show/DATA/")));
        QVERIFY(doc.IsDataFolderKnown() && doc.IsTitleRefreshDue());
        QCOMPARE(titles.size(), 1);
        QCOMPARE(view.updates, 1);
        QCOMPARE(view.settings, 1);
        QVERIFY(!doc.isModified());
        QCOMPARE(prompt.dialogs.first().title, QStringLiteral("Select File"));
        QVERIFY(prompt.dialogs.first().filter.contains(QStringLiteral("*.mp3")));

        doc.SetCurrentSlot(5, 7);
        prompt.choose(make(QStringLiteral("other/DATA/x.mp3")));
        doc.runCommand(ID_SELECT_FILE);
        QCOMPARE(prompt.dialogs.last().initial, m_root.filePath(QStringLiteral("show/DATA/")));
        QCOMPARE(prompt.texts(),
                 QStringList{QStringLiteral(
                     "Cannot refer to the files in this \"data\" folder from the playlist.")});
        QCOMPARE(doc.cellText(5, 7), QStringLiteral(" "));
        QCOMPARE(view.settings, 1);
        doc.removeView(&view);
    }

    // A loaded playlist names its folder "data/": the DATA folder on disk is the same one.
    // Refusals leave the slot alone; an occupied slot asks first.
    void loadedPlaylistAndRefusals()
    {
        const QString list = make(QStringLiteral("saved/list.slp"));
        QFile file(list);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(int(cuelist::kImageSize), '\0'));
        file.close();
        ScriptedPrompt prompt;
        CCueDoc doc;
        CountingView view;
        doc.addView(&view);
        QVERIFY(doc.OnOpenDocument(list));
        doc.SetCurrentSlot(1, 1);
        for (const char* name : {"saved/music/ABC.MP3", "saved/DATA/LONGNAME1.MP3",
                                 "saved/DATA/A B.MP3", "saved/DATA/ABC.WAV", "saved/DATA/   "})
            prompt.choose(make(QLatin1String(name)));
        for (int i = 0; i < 5; ++i)
            doc.runCommand(ID_SELECT_FILE);
        QCOMPARE(prompt.texts(),
                 (QStringList{QStringLiteral("Select file existring in the DATA folder"),
                              QStringLiteral("Settable file name within 8 characters"),
                              QStringLiteral("No space within settable file name"),
                              QStringLiteral("Settable file type in MP3 only"),
                              QStringLiteral("Settable file type in MP3 only")}));
        QCOMPARE(doc.cellText(1, 1), QStringLiteral(" "));
        QCOMPARE(view.settings, 0);
        QCOMPARE(prompt.dialogs.first().initial, m_root.filePath(QStringLiteral("saved/DATA/")));

        prompt.asked.clear();
        prompt.choose(make(QStringLiteral("saved/DATA/x.mp3")));
        doc.runCommand(ID_SELECT_FILE);
        QCOMPARE(doc.cellText(1, 1), QStringLiteral("X.MP3"));
        // Occupied: Cancel on the question shows no file dialog.
        const qsizetype dialogs = prompt.dialogs.size();
        doc.runCommand(ID_SELECT_FILE);
        QCOMPARE(prompt.texts(), QStringList{doc.replacePrompt()});
        QCOMPARE(prompt.dialogs.size(), dialogs);
        QCOMPARE(view.settings, 1);

        // An unknown type byte and a channel beyond the editable ones stop before any dialog.
        cuelist::SlotRecord record = cuelist::EmptyRecord();
        record[cuelist::record::kType] = 9;
        QVERIFY(doc.table().PutSlotRecord(2, 1, record));
        doc.SetCurrentSlot(2, 1);
        doc.runCommand(ID_SELECT_FILE);
        doc.SetCurrentSlot(2, 128);
        doc.runCommand(ID_SELECT_FILE);
        QCOMPARE(prompt.texts().mid(1),
                 (QStringList{
                     QStringLiteral("Selected file is not playlist or damaged"),
                     QStringLiteral("Selected setup frame or channel is unauthorized/invalid")}));
        QCOMPARE(prompt.dialogs.size(), dialogs);

        doc.runCommand(ID_OPEN_CONTENTS);
        QCOMPARE(view.settings, 2);
        doc.removeView(&view);
    }
};

QTEST_MAIN(DocumentSelectFileTest)
#include "tst_document_selectfile.moc"
