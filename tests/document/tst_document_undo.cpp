// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandids.h"
#include "core/clip.h"
#include "cuedoc.h"
#include "scriptedprompt.h"

#include <functional>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Edit = std::function<bool(CCueDoc&, const QString& dataFolder)>;

QByteArray Clip(const cuelist::SlotTable& table, int frame, int channel, bool wholeChannel)
{
    const auto clip = wholeChannel ? cuelist::EncodeChannelClip(table, channel)
                                   : cuelist::EncodePhraseClip(table, frame, channel);
    return QByteArray(reinterpret_cast<const char*>(clip->data()), qsizetype(clip->size()));
}

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(SlotRange)

// Every edit operation is one step of the history: undo gives back the saved file's bytes and
// redo the edited ones, through the real save.
class DocumentUndoTest final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;
    ScriptedPrompt m_prompt;
    QString m_original;

    QString path(const QString& name) const { return m_root.filePath(name); }

    bool save(CCueDoc& doc, const QString& name) { return doc.OnSaveDocument(path(name)).ok(); }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(path("show/DATA")));
        for (const char* name : {"show/DATA/NEW.MP3", "show/DATA/ONE.MP3"}) {
            QFile file(path(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        // The playlist every row starts from: a few slots in channels 2 and 3.
        CCueDoc doc;
        QVERIFY(doc.SetSlotFile(1, 2, "ONE.MP3"));
        QVERIFY(doc.SetSlotFile(4, 2, "TWO.MP3", cuelist::SlotSettings{-12, 3, 30}));
        QVERIFY(doc.SetSlotFile(16, 3, "LAST.MP3"));
        m_original = path("show/original.slp");
        QVERIFY(doc.OnSaveDocument(m_original).ok());
    }

    void undoAndRedoGiveTheFiles_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("undoText");
        QTest::newRow("set file with settings") << Edit([](CCueDoc& d, const QString&) {
            return d.SetSlotFile(5, 7, "VOICE.MP3", cuelist::SlotSettings{-70, 255, 3600});
        }) << "Select File";
        QTest::newRow("settings") << Edit([](CCueDoc& d, const QString&) {
            return d.SetSlotSettings(4, 2, cuelist::SlotSettings{-1, 2, 3});
        }) << "Settings";
        QTest::newRow("clear slot")
            << Edit([](CCueDoc& d, const QString&) { return d.ClearSlot(4, 2); }) << "Delete";
        QTest::newRow("cut channel") << Edit([](CCueDoc& d, const QString&) {
            return d.ClearChannel(2, QStringLiteral("Cut"));
        }) << "Cut";
        QTest::newRow("paste slot") << Edit([](CCueDoc& d, const QString&) {
            return d.PastePhraseClip(9, 100, Clip(d.table(), 4, 2, false));
        }) << "Paste";
        QTest::newRow("paste channel") << Edit([](CCueDoc& d, const QString&) {
            return d.PasteChannelClip(3, Clip(d.table(), 1, 2, true));
        }) << "Paste";
        QTest::newRow("move onto a file")
            << Edit([](CCueDoc& d, const QString&) { return d.MoveSlot(4, 2, 16, 3); }) << "Move";
        QTest::newRow("dropped file with settings") << Edit([](CCueDoc& d, const QString& data) {
            d.beginEditGroup(QStringLiteral("Drop"));
            d.setDataFolderFromFile(data + "NEW.MP3");
            const bool stored = d.SetSlotFile(3, 127, QStringLiteral("NEW.MP3"));
            d.SetSlotSettings(3, 127, cuelist::SlotSettings{-20, 1, 5});
            d.endEditGroup();
            return stored;
        }) << "Drop";
    }
    void undoAndRedoGiveTheFiles()
    {
        QFETCH(Edit, edit);
        QFETCH(QString, undoText);
        CCueDoc doc;
        QVERIFY(doc.OnOpenDocument(m_original).ok());
        QSignalSpy changed(&doc, &CCueDoc::slotsChanged);
        QVERIFY(edit(doc, path("show/DATA/")));
        QCOMPARE(doc.undoStack()->count(), 1);
        QCOMPARE(doc.undoStack()->undoText(), undoText);
        QVERIFY(doc.isModified());
        QVERIFY(!changed.isEmpty());
        QVERIFY(save(doc, "edited.slp"));
        QVERIFY(Read(path("edited.slp")) != Read(m_original));

        doc.runCommand(ID_EDIT_UNDO);
        QVERIFY(save(doc, "undone.slp"));
        QCOMPARE(Read(path("undone.slp")), Read(m_original));
        doc.runCommand(ID_EDIT_REDO);
        QVERIFY(save(doc, "redone.slp"));
        QCOMPARE(Read(path("redone.slp")), Read(path("edited.slp")));
        QVERIFY(m_prompt.asked.isEmpty());
    }

    // Nothing changed is no step; a range failure changes nothing.
    void noStepWithoutChange()
    {
        CCueDoc doc;
        QVERIFY(doc.OnOpenDocument(m_original).ok());
        QVERIFY(!doc.ClearSlot(1, 1));
        QVERIFY(!doc.ClearChannel(128));
        QVERIFY(!doc.MoveSlot(1, 2, 1, 2));
        QVERIFY(!doc.SetSlotFile(1, 128, "A.MP3"));
        QVERIFY(!doc.PastePhraseClip(1, 1, QByteArray(3, 'x')));
        doc.beginEditGroup(QStringLiteral("Drop"));
        doc.endEditGroup();
        // A group whose edits cancel out is no step either.
        doc.beginEditGroup(QStringLiteral("Drop"));
        QVERIFY(doc.SetSlotFile(1, 1, "A.MP3"));
        QVERIFY(doc.ClearSlot(1, 1));
        doc.endEditGroup();
        QCOMPARE(doc.undoStack()->count(), 0);
        QVERIFY(!doc.isModified());
        QVERIFY(!doc.commandState(ID_EDIT_UNDO)->enabled);
        QCOMPARE(*doc.commandState(ID_EDIT_UNDO)->text, QStringLiteral("Undo(&U)"));
    }

    // A channel's paste, its undo and redo tell every cell that changed, not only the first.
    void channelPasteTellsItsWholeRange()
    {
        CCueDoc doc;
        QVERIFY(doc.OnOpenDocument(m_original).ok());
        QSignalSpy changed(&doc, &CCueDoc::slotsChanged);
        QVERIFY(doc.PasteChannelClip(3, Clip(doc.table(), 1, 2, true)));
        doc.runCommand(ID_EDIT_UNDO);
        doc.runCommand(ID_EDIT_REDO);
        QCOMPARE(changed.size(), 3);
        for (const QList<QVariant>& signal : changed) {
            const SlotRange range = signal.at(0).value<SlotRange>();
            QVERIFY(range.contains(1, 3) && range.contains(16, 3));
        }
    }

    // The modified flag follows the saved state through edits, saves, undo and redo.
    void modifiedFollowsTheSavedState()
    {
        CCueDoc doc;
        QVERIFY(doc.OnOpenDocument(m_original).ok());
        QSignalSpy modified(&doc, &DocumentBase::modifiedChanged);
        QVERIFY(doc.ClearSlot(1, 2));
        QVERIFY(doc.isModified());
        QCOMPARE(*doc.commandState(ID_EDIT_UNDO)->text, QStringLiteral("Undo Delete(&U)"));
        doc.runCommand(ID_EDIT_UNDO);
        QVERIFY(!doc.isModified());
        QCOMPARE(*doc.commandState(ID_EDIT_REDO)->text, QStringLiteral("Redo Delete(&R)"));
        doc.runCommand(ID_EDIT_REDO);
        QVERIFY(doc.isModified());

        QVERIFY(save(doc, "saved.slp"));
        QVERIFY(!doc.isModified());
        QCOMPARE(doc.undoStack()->count(), 1); // saving keeps the history
        doc.runCommand(ID_EDIT_UNDO);
        QVERIFY(doc.isModified());
        doc.runCommand(ID_EDIT_REDO);
        QVERIFY(!doc.isModified());

        // A new edit after an undo leaves the saved state out of reach.
        doc.runCommand(ID_EDIT_UNDO);
        QVERIFY(doc.ClearSlot(4, 2));
        QVERIFY(!doc.commandState(ID_EDIT_REDO)->enabled);
        doc.runCommand(ID_EDIT_UNDO);
        QVERIFY(doc.isModified());
        QCOMPARE(modified.count(), 7);
    }
};

QTEST_MAIN(DocumentUndoTest)
#include "tst_document_undo.moc"
