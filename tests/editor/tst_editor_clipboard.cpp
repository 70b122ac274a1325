// SPDX-License-Identifier: GPL-3.0-or-later
#include "cuedoc.h"
#include "editorof.h"
#include "playlistclipboard.h"
#include "putrecord.h"
#include "scriptedprompt.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

namespace {

// A clipboard that takes nothing, like a platform without a usable one.
void refuseClip(QMimeData* clip)
{
    delete clip;
}

QByteArray bytesOf(const CCueDoc& doc)
{
    const auto bytes = doc.table().Bytes();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

cuelist::SlotRecord voice(char digit)
{
    return {1, 'V', 'O', 'I', 'C', 'E', '0', std::uint8_t(digit), ' ', 12, 3, 15, 15, 1, 2, 0};
}

} // namespace

// Cut through the editor when the clipboard does or does not take the clip.
class EditorClipboardTest final : public QObject
{
    Q_OBJECT

private slots:
    void init() { QGuiApplication::clipboard()->clear(); }
    void cleanup() { PlaylistClipboard::setWriter(nullptr); }

    // What could not be put on the clipboard stays in the playlist, slot or whole channel,
    // and the user is told; with a working clipboard the same Cut removes it.
    void cutKeepsWhatTheClipboardRefused_data()
    {
        QTest::addColumn<int>("column");
        QTest::newRow("phrase") << 3;
        QTest::newRow("channel") << 0;
    }
    void cutKeepsWhatTheClipboardRefused()
    {
        QFETCH(int, column);
        CCueDoc doc;
        PutRecord(doc, 3, 5, voice('1'));
        PutRecord(doc, 9, 5, voice('2'));
        const QByteArray before = bytesOf(doc);
        PlaylistEditor& editor = EditorOf(doc);
        editor.SetCurrentSlot({column, 5});

        ScriptedPrompt prompt;
        PlaylistClipboard::setWriter(refuseClip);
        editor.OnEditCut();
        QCOMPARE(prompt.texts(),
                 QStringList{QStringLiteral("The data could not be placed on the clipboard.")});
        QCOMPARE(bytesOf(doc), before);
        QVERIFY(!doc.isModified());
        QCOMPARE(doc.undoStack()->count(), 0);

        PlaylistClipboard::setWriter(nullptr);
        editor.OnEditCut();
        QCOMPARE(prompt.asked.size(), 1);
        QCOMPARE(doc.undoStack()->undoText(), QStringLiteral("Cut"));
        QCOMPARE(doc.table().TypeAt(3, 5), cuelist::kTypeEmpty);
        QCOMPARE(doc.table().TypeAt(9, 5) == cuelist::kTypeEmpty, column == 0);
    }
};

QTEST_MAIN(EditorClipboardTest)
#include "tst_editor_clipboard.moc"
