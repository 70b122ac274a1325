// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridwindow.h"
#include "playlistclipboard.h"
#include "putrecord.h"
#include "scriptedprompt.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

// Cut, Copy, Paste and Delete of one slot and of a whole channel.
class TestViewClipboard final : public QObject
{
    Q_OBJECT

private:
    // An MP3 record with every byte set: volume, repeat, both tones (15, as every loaded or
    // pasted record has them), interval, reserved.
    static cuelist::SlotRecord voice(char digit = '1')
    {
        return {1,   'V', 'O', 'I', 'C', 'E', '0', std::uint8_t(digit),
                ' ', 12,  3,   15,  15,  1,   2,   0x5A};
    }
    static const cuelist::SlotRecord& at(GridWindow& w, int frame, int channel)
    {
        return w.doc.table().RecordAt(frame, channel);
    }
    static QByteArray clip()
    {
        return QGuiApplication::clipboard()->mimeData()->data(PlaylistClipboard::mimeType());
    }
    static bool pasteEnabled(GridWindow& w) { return w.commands.state(ID_EDIT_PASTE).enabled; }

private slots:
    void init() { QGuiApplication::clipboard()->clear(); }

    void phraseClip()
    {
        GridWindow w;
        ScriptedPrompt prompt;
        PutRecord(w.doc, 3, 2, voice());
        QSignalSpy titleRequests(&w.doc, &CCueDoc::frameTitleUpdateRequested);

        w.click(3, 1);
        QVERIFY(!pasteEnabled(w));
        QVERIFY(w.commands.execute(ID_EDIT_COPY));
        QCOMPARE(clip(), QByteArray(reinterpret_cast<const char*>(voice().data()), 16));
        w.click(0, 6);
        QVERIFY(!pasteEnabled(w)); // a phrase clip never fits the Channel column
        w.click(7, 4);
        QVERIFY(pasteEnabled(w));

        // Onto an empty slot: no question, every byte, then description and title.
        QVERIFY(w.commands.execute(ID_EDIT_PASTE));
        QVERIFY(prompt.asked.isEmpty());
        QCOMPARE(at(w, 7, 5), voice());
        QCOMPARE(w.pane.text(), QStringLiteral("Repeat Times=3 /Volume=-12 /Interval=258sec. "));
        QVERIFY(w.doc.isModified() && w.doc.IsTitleRefreshDue());
        QCOMPARE(titleRequests.count(), 1);

        // An empty slot pasted onto an occupied one asks first.
        w.click(9, 4);
        QVERIFY(w.commands.execute(ID_EDIT_COPY));
        w.click(7, 4);
        prompt.answer(QMessageBox::Cancel);
        w.commands.execute(ID_EDIT_PASTE);
        QCOMPARE(prompt.texts(), QStringList{w.doc.replacePrompt()});
        QCOMPARE(prompt.asked.first().buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(at(w, 7, 5), voice());
        prompt.answer(QMessageBox::Ok);
        w.commands.execute(ID_EDIT_PASTE);
        QCOMPARE(at(w, 7, 5), cuelist::EmptyRecord());

        // Cut leaves the slot empty and its record on the clipboard.
        w.click(3, 1);
        QVERIFY(w.commands.execute(ID_EDIT_CUT));
        QCOMPARE(at(w, 3, 2), cuelist::EmptyRecord());
        QCOMPARE(clip(), QByteArray(reinterpret_cast<const char*>(voice().data()), 16));
        QCOMPARE(titleRequests.count(), 3);
    }

    void channelClip()
    {
        GridWindow w;
        ScriptedPrompt prompt;
        PutRecord(w.doc, 1, 3, voice());
        PutRecord(w.doc, 16, 3, voice('6'));
        PutRecord(w.doc, 9, 9, voice('9'));
        w.view->OnInitialUpdate();

        w.click(0, 2);
        QVERIFY(w.commands.execute(ID_EDIT_COPY));
        QCOMPARE(clip().size(), 256);
        w.click(4, 8);
        QVERIFY(!pasteEnabled(w)); // a channel clip on a phrase cell
        w.click(0, 8);
        QVERIFY(pasteEnabled(w));

        // A channel holding one phrase asks once; the description is not rebuilt.
        const QString pane = w.pane.text();
        prompt.answer(QMessageBox::Cancel);
        w.commands.execute(ID_EDIT_PASTE);
        QCOMPARE(at(w, 9, 9), voice('9'));
        QVERIFY(!w.doc.isModified());
        prompt.answer(QMessageBox::Ok);
        w.commands.execute(ID_EDIT_PASTE);
        QCOMPARE(prompt.asked.size(), 2);
        for (int frame = 1; frame <= 16; ++frame)
            QCOMPARE(at(w, frame, 9), at(w, frame, 3));
        QCOMPARE(w.pane.text(), pane);
        QVERIFY(w.doc.isModified());

        // Delete empties the channel without a question.
        QVERIFY(w.commands.execute(ID_EDIT_DELETE));
        QVERIFY(!w.doc.table().ChannelHasSlots(9));
        QCOMPARE(prompt.asked.size(), 2);
    }

    void clipsOfOtherInstancesStayOut()
    {
        GridWindow w;
        ScriptedPrompt prompt;
        QAction* paste = w.commands.action(ID_EDIT_PASTE);
        auto* foreign = new QMimeData;
        foreign->setData(PlaylistClipboard::mimeType(),
                         QByteArray(reinterpret_cast<const char*>(voice().data()), 16));
        foreign->setData(PlaylistClipboard::tokenMimeType(), QByteArrayLiteral("another run"));
        QGuiApplication::clipboard()->setMimeData(foreign);

        w.click(3, 2);
        QVERIFY(!pasteEnabled(w));
        QVERIFY(!paste->isEnabled());
        w.editor.OnEditPaste(); // not even when asked directly
        QCOMPARE(at(w, 3, 3), cuelist::EmptyRecord());
        QVERIFY(!w.doc.isModified());

        // A clip of this instance whose records another program could have changed is
        // repaired like a loaded file: no text phrase or unknown type, tone levels 15.
        cuelist::SlotRecord odd = voice();
        odd[cuelist::record::kLow] = 2;
        cuelist::SlotRecord text = voice('2');
        text[cuelist::record::kType] = cuelist::kTypeText;
        prompt.answer(QMessageBox::Ok); // the second paste replaces the first
        for (const cuelist::SlotRecord& r : {odd, text}) {
            QGuiApplication::clipboard()->setMimeData(PlaylistClipboard::makeClip(
                QByteArray(reinterpret_cast<const char*>(r.data()), 16)));
            w.click(3, 2);
            QVERIFY(pasteEnabled(w));
            QVERIFY(w.commands.execute(ID_EDIT_PASTE));
            QCOMPARE(at(w, 3, 3), r[0] == cuelist::kTypeMp3 ? voice() : cuelist::EmptyRecord());
        }
        PutRecord(w.doc, 3, 3, cuelist::EmptyRecord());

        // A clip from another playlist window of this instance pastes.
        GridWindow other;
        PutRecord(other.doc, 1, 1, voice());
        other.click(1, 0);
        QVERIFY(other.commands.execute(ID_EDIT_COPY));
        QApplication::setActiveWindow(&w.window);
        w.view->setFocus();
        w.click(3, 2);
        QVERIFY(w.commands.execute(ID_EDIT_PASTE));
        QCOMPARE(at(w, 3, 3), voice());
    }
};

QTEST_MAIN(TestViewClipboard)
#include "tst_view_clipboard.moc"
