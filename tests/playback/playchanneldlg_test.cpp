// SPDX-License-Identifier: GPL-3.0-or-later
// The Play Channel dialog with fake players: fields, buttons, messages and ending it.
#include "core/slottable.h"
#include "fakephraseplayer.h"
#include "mp3record.h"
#include "playchanneldlg.h"
#include "runplaychanneldialog.h"
#include "scriptedprompt.h"
#include "steadyplaybackclock.h"
#include "tempdatafolder.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <sys/stat.h>

using namespace cuelist;
using namespace std::chrono_literals;
using Records = std::array<SlotRecord, kFrameCount>;

namespace {

QString Field(QWidget* dialog, const char* name)
{
    return dialog->findChild<QLineEdit*>(QLatin1String(name))->text();
}

QPushButton* Button(QWidget* dialog, const char* name)
{
    return dialog->findChild<QPushButton*>(QLatin1String(name));
}

// A dialog on fake players whose phrases end at once unless told otherwise.
struct Rig
{
    explicit Rig(const Records& records)
    {
        script.duration = 0ms;
        dialog.SetChannel(data.Path(), 7, records);
    }
    TempDataFolder data{"ABC.mp3", "LOOP.MP3"};
    SteadyPlaybackClock clock;
    FakePlayerScript script{clock};
    ScriptedPrompt prompt;
    CPlayChannelDlg dialog{nullptr, script.Factory()};
};

} // namespace

class PlayChannelDlgTest : public QObject
{
    Q_OBJECT
private slots:
    void showsThePhraseAndPlaysAgainAfterStop()
    {
        Records records{};
        records[2] = Mp3("ABC", 12, 3, 0);
        records[15] = Mp3("LOOP", 70, 255, 300);
        Rig rig(records);
        rig.script.onRun = [&rig](int runs) {
            if (runs == 5) // ABC four times, then LOOP plays without end
                rig.script.duration = FakePlayerScript::kForever;
        };
        rig.dialog.show();
        QTRY_COMPARE(Field(&rig.dialog, "phrase"), QStringLiteral("Phrase16"));
        QCOMPARE(Field(&rig.dialog, "channel"), QStringLiteral("0007"));
        QCOMPARE(Field(&rig.dialog, "state"), QStringLiteral("Playing"));
        QCOMPARE(Field(&rig.dialog, "fileName"), QStringLiteral("LOOP.MP3"));
        QCOMPARE(Field(&rig.dialog, "repeat"), QStringLiteral("Unlimited"));
        QCOMPARE(Field(&rig.dialog, "volume"), QStringLiteral("-70"));
        QCOMPARE(Field(&rig.dialog, "interval"), QStringLiteral("300"));
        QVERIFY(!Button(&rig.dialog, "play")->isEnabled());

        Button(&rig.dialog, "stop")->click();
        QVERIFY(!Button(&rig.dialog, "stop")->isEnabled());
        QTRY_COMPARE(Field(&rig.dialog, "state"), QStringLiteral("Stopping"));
        QCOMPARE(Field(&rig.dialog, "phrase"), QStringLiteral("Phrase03")); // first MP3 frame
        QCOMPARE(Field(&rig.dialog, "fileName"), QStringLiteral("ABC.MP3"));
        QCOMPARE(Field(&rig.dialog, "repeat"), QStringLiteral("3"));
        QCOMPARE(Field(&rig.dialog, "volume"), QStringLiteral("-12"));
        QVERIFY(Button(&rig.dialog, "play")->isEnabled());

        Button(&rig.dialog, "play")->click();
        QCOMPARE(Field(&rig.dialog, "state"), QStringLiteral("Playing"));
        QTRY_COMPARE(rig.script.Runs(), 6);
        QVERIFY(rig.script.Plays().back().starts_with("ABC.mp3@"));
        QVERIFY(rig.prompt.asked.isEmpty());
    }

    // A missing file and a name that is no regular file (never opened, so a FIFO cannot
    // hang the worker) each give their own message, once.
    void unplayableFileIsReportedOnceByTheDialog_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QByteArray("GONE")
                                 << QStringLiteral("Output file GONE.MP3 doesn't exist. ");
        QTest::newRow("FIFO") << QByteArray("FIFO")
                              << QStringLiteral("It failed in playing output file FIFO.MP3. ");
    }
    void unplayableFileIsReportedOnceByTheDialog()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, message);
        Records records{};
        records[0] = Mp3("ABC", 0, 0, 0);
        records[2] = Mp3(name.constData(), 0, 0, 0);
        records[3] = Mp3("LOOP", 0, 0, 0);
        Rig rig(records);
        QCOMPARE(::mkfifo(rig.data.File("fifo.mp3").c_str(), 0600), 0);
        rig.dialog.show();
        QTRY_COMPARE(Field(&rig.dialog, "state"), QStringLiteral("Stopping"));
        QCOMPARE(rig.prompt.texts(), QStringList{message});
        QCOMPARE(rig.prompt.asked.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(rig.script.Runs(), 1);
        QVERIFY(Button(&rig.dialog, "play")->isEnabled());
    }

    // Ending the dialog (Close, Esc and the window's close all reject it) ends the worker
    // first, without a "Stopping" update.
    void closingWhilePlayingEndsTheWorkerFirst()
    {
        Records records{};
        records[0] = Mp3("LOOP", 0, 255, 0);
        Rig rig(records);
        rig.script.duration = 1ms;
        QWidget* modal = nullptr;
        QTimer::singleShot(0, [&] {
            modal = qApp->activeModalWidget();
            (void)QTest::qWaitFor([&] { return rig.script.Runs() >= 3; });
            Button(&rig.dialog, "close")->click();
        });
        QCOMPARE(rig.dialog.exec(), int(QDialog::Rejected));
        QCOMPARE(modal, &rig.dialog);
        QVERIFY(rig.script.Runs() >= 3);
        QCOMPARE(rig.script.LivePlayers(), 0);
        const int runs = rig.script.Runs();
        QTest::qWait(30);
        QCOMPARE(rig.script.Runs(), runs);
        QCOMPARE(Field(&rig.dialog, "state"), QStringLiteral("Playing"));
    }

    // The command hands the channel's records and the data folder to the dialog.
    void commandPreviewsEditableChannelsOnly()
    {
        TempDataFolder folder;
        ScriptedPrompt prompt;
        std::array<SlotRecord, kFrameCount> records;
        records.fill(EmptyRecord());
        SlotTable table;
        QCOMPARE(table.SetSlotFile(2, 9, "abc.mp3"), kSlotDone);
        records[1] = table.RecordAt(2, 9);

        int opened = 0;
        QString channel, fileName;
        QTimer guard;
        connect(&guard, &QTimer::timeout, [&] {
            QWidget* modal = qApp->activeModalWidget();
            if (!modal)
                return;
            ++opened;
            if (QTest::qWaitFor(
                    [&] { return Field(modal, "state") == QLatin1String("Stopping"); })) {
                channel = Field(modal, "channel");
                fileName = Field(modal, "fileName");
            }
            static_cast<QDialog*>(modal)->reject();
        });
        guard.start(10);
        const std::string data = folder.Path();
        for (const int outside : {0, -1, 128, 1023})
            RunPlayChannelDialog(nullptr, data, outside, records);
        QCOMPARE(opened, 0);

        RunPlayChannelDialog(nullptr, data, 9, records);
        QCOMPARE(opened, 1);
        QCOMPARE(channel, QStringLiteral("0009"));
        QCOMPARE(fileName, QStringLiteral("ABC.MP3"));
        QCOMPARE(prompt.texts(),
                 QStringList{QStringLiteral("Output file ABC.MP3 doesn't exist. ")});
    }
};

QTEST_MAIN(PlayChannelDlgTest)
#include "playchanneldlg_test.moc"
