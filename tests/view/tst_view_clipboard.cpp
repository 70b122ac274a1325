#include "descriptionpane.h"
#include "gridwindow.h"
#include "playlistclipboard.h"
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
    // An MP3 record with every parameter byte set, the reserved one included.
    static cuelist::SlotRecord sampleRecord(const char* name)
    {
        cuelist::SlotRecord r{};
        r.fill(' ');
        r[0] = cuelist::kTypeMp3;
        for (std::size_t i = 0; name[i] && i < 8; ++i)
            r[1 + i] = std::uint8_t(name[i]);
        const std::uint8_t params[] = {12, 3, 5, 7, 0x01, 0x02, 0x5A};
        std::copy(std::begin(params), std::end(params), r.begin() + 9);
        return r;
    }

    static void put(GridWindow& w, int frame, int channel, const cuelist::SlotRecord& r)
    {
        QVERIFY(w.doc.table().PutSlotRecord(frame, channel, r));
        w.view->OnUpdate();
    }

    static cuelist::SlotRecord at(GridWindow& w, int frame, int channel)
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

    void phraseCopyAndPaste()
    {
        GridWindow w;
        ScriptedPrompt prompt;
        QSignalSpy titleRequests(&w.doc, &CCueDoc::frameTitleUpdateRequested);
        const cuelist::SlotRecord voice = sampleRecord("VOICE01");
        put(w, 3, 2, voice);

        w.click(3, 1);
        QVERIFY(!pasteEnabled(w));
        QVERIFY(w.commands.execute(ID_EDIT_COPY));
        QCOMPARE(clip(), QByteArray(reinterpret_cast<const char*>(voice.data()), 16));
        QVERIFY(!w.doc.isModified());

        // The phrase clip fits every phrase cell, never the Channel column.
        w.click(0, 6);
        QVERIFY(!pasteEnabled(w));
        w.click(7, 4);
        QVERIFY(pasteEnabled(w));

        // Onto an empty slot: no question, every byte, then description and title.
        QVERIFY(w.commands.execute(ID_EDIT_PASTE));
        QVERIFY(prompt.asked.isEmpty());
        QCOMPARE(at(w, 7, 5), voice);
        QCOMPARE(w.view->model()->index(4, 7).data().toString(), QStringLiteral("VOICE01.MP3"));
        QCOMPARE(DescriptionPane::text(),
                 QStringLiteral("Repeat Times=3 /Volume=-12 /Interval=258sec. "));
        QVERIFY(w.doc.isModified());
        QVERIFY(w.doc.IsTitleRefreshDue());
        QCOMPARE(titleRequests.count(), 1);

        // An empty slot copied onto an occupied one asks first; Cancel keeps it.
        w.click(9, 4);
        QVERIFY(w.commands.execute(ID_EDIT_COPY));
        w.click(7, 4);
        prompt.answer(QMessageBox::Cancel);
        w.commands.execute(ID_EDIT_PASTE);
        QCOMPARE(prompt.texts(), QStringList{w.doc.replacePrompt()});
        QCOMPARE(prompt.asked.first().buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(at(w, 7, 5), voice);
        QCOMPARE(titleRequests.count(), 1);
        prompt.answer(QMessageBox::Ok);
        w.commands.execute(ID_EDIT_PASTE);
        QCOMPARE(at(w, 7, 5), cuelist::EmptyRecord());
        QCOMPARE(DescriptionPane::text(), QStringLiteral("No Registration"));
    }

    void channelCopyAndPaste()
    {
        GridWindow w;
        ScriptedPrompt prompt;
        put(w, 1, 3, sampleRecord("VOICE01"));
        put(w, 16, 3, sampleRecord("VOICE16"));

        w.click(0, 2);
        QVERIFY(w.commands.execute(ID_EDIT_COPY));
        QCOMPARE(clip().size(), 256);
        w.click(4, 8);
        QVERIFY(!pasteEnabled(w)); // a channel clip on a phrase cell
        w.click(0, 8);
        QVERIFY(pasteEnabled(w));

        // A channel holding one phrase asks once; the status description stays.
        put(w, 9, 9, sampleRecord("OTHER"));
        const QString pane = DescriptionPane::text();
        prompt.answer(QMessageBox::Cancel);
        w.commands.execute(ID_EDIT_PASTE);
        QCOMPARE(prompt.asked.size(), 1);
        QCOMPARE(at(w, 9, 9), sampleRecord("OTHER"));
        QVERIFY(!w.doc.isModified());
        prompt.answer(QMessageBox::Ok);
        w.commands.execute(ID_EDIT_PASTE);
        QCOMPARE(prompt.asked.size(), 2);
        for (int frame = 1; frame <= 16; ++frame)
            QCOMPARE(at(w, frame, 9), at(w, frame, 3));
        QCOMPARE(DescriptionPane::text(), pane);
        QVERIFY(w.doc.isModified());

        // Into an empty channel nothing is asked.
        w.click(0, 20);
        w.commands.execute(ID_EDIT_PASTE);
        QCOMPARE(prompt.asked.size(), 2);
        QCOMPARE(at(w, 16, 21), sampleRecord("VOICE16"));
    }

    void cutAndDelete()
    {
        GridWindow w;
        ScriptedPrompt prompt;
        QSignalSpy titleRequests(&w.doc, &CCueDoc::frameTitleUpdateRequested);
        put(w, 2, 5, sampleRecord("VOICE01"));
        put(w, 4, 5, sampleRecord("VOICE02"));

        w.click(2, 4);
        QVERIFY(w.commands.execute(ID_EDIT_CUT));
        QCOMPARE(at(w, 2, 5), cuelist::EmptyRecord());
        QCOMPARE(clip().size(), 16);
        QCOMPARE(clip().left(8), QByteArray("\x01VOICE01"));
        QVERIFY(w.doc.isModified());
        QVERIFY(w.doc.IsTitleRefreshDue());
        QCOMPARE(titleRequests.count(), 1);
        QCOMPARE(DescriptionPane::text(), QStringLiteral("No Registration"));

        // Delete on the Channel column empties the channel, without a question.
        w.click(0, 4);
        QVERIFY(w.commands.execute(ID_EDIT_DELETE));
        QVERIFY(!w.doc.table().ChannelHasSlots(5));
        QVERIFY(prompt.asked.isEmpty());
        QCOMPARE(titleRequests.count(), 2);
        QCOMPARE(clip().size(), 16); // Delete leaves the clipboard alone
    }

    void clipsOfOtherInstancesStayOut()
    {
        GridWindow w;
        ScriptedPrompt prompt;
        QAction* paste = w.commands.action(ID_EDIT_PASTE);
        const cuelist::SlotRecord voice = sampleRecord("VOICE01");
        auto* foreign = new QMimeData;
        foreign->setData(PlaylistClipboard::mimeType(),
                         QByteArray(reinterpret_cast<const char*>(voice.data()), 16));
        foreign->setData(PlaylistClipboard::tokenMimeType(), QByteArrayLiteral("another run"));
        QGuiApplication::clipboard()->setMimeData(foreign);

        w.click(3, 2);
        QVERIFY(!pasteEnabled(w));
        QVERIFY(!paste->isEnabled());
        QVERIFY(!w.commands.execute(ID_EDIT_PASTE));
        w.view->OnEditPaste(); // not even when asked directly
        QCOMPARE(at(w, 3, 3), cuelist::EmptyRecord());
        QVERIFY(!w.doc.isModified());

        // Another playlist window of this instance put it there: it pastes.
        GridWindow other;
        put(other, 1, 1, voice);
        other.click(1, 0);
        QVERIFY(other.commands.execute(ID_EDIT_COPY));
        QApplication::setActiveWindow(&w.window);
        w.view->setFocus();
        w.click(3, 2);
        QVERIFY(pasteEnabled(w));
        QVERIFY(w.commands.execute(ID_EDIT_PASTE));
        QCOMPARE(at(w, 3, 3), voice);
    }
};

QTEST_MAIN(TestViewClipboard)
#include "tst_view_clipboard.moc"
