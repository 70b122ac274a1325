// The Play Channel dialog with a fake player: fields, buttons, messages and closing.
#include "document/cuedoc.h"
#include "fakephraseplayer.h"
#include "playchanneldlg.h"
#include "runplaychanneldialog.h"
#include "scriptedprompt.h"
#include "steadyplaybackclock.h"
#include "tempdatafolder.h"

#include <cstring>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

using namespace cuelist;
using namespace std::chrono_literals;

namespace {

SlotRecord Mp3(const char* name, int volume, int repeat, int interval)
{
    SlotRecord r{};
    r[record::kType] = kTypeMp3;
    std::memset(&r[record::kName], ' ', record::kNameLength);
    std::memcpy(&r[record::kName], name, std::strlen(name));
    r[record::kVolume] = std::uint8_t(volume);
    r[record::kRepeat] = std::uint8_t(repeat);
    r[record::kIntervalHigh] = std::uint8_t(interval >> 8);
    r[record::kIntervalLow] = std::uint8_t(interval);
    return r;
}

// A dialog on a fake player whose phrases end as soon as they start, unless told otherwise.
struct Rig
{
    explicit Rig(std::array<SlotRecord, kFrameCount> records, int channel = 5)
    {
        script.defaultDuration = 0ms;
        dialog.SetChannel(data.UpperCasePath(), channel, records);
    }
    QString Field(const char* name) const
    {
        return dialog.findChild<QLineEdit*>(QLatin1String(name))->text();
    }
    QPushButton* Button(const char* name) const
    {
        return dialog.findChild<QPushButton*>(QLatin1String(name));
    }

    TempDataFolder data{{"ABC.mp3", "END.MP3", "LOOP.MP3"}};
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
    void playsOnOpenAndShowsTheFirstPhraseWhenDone()
    {
        std::array<SlotRecord, kFrameCount> records{};
        records[2] = Mp3("ABC", 12, 3, 0);
        records[9] = Mp3("END", 0, 255, 0);
        Rig rig(records, 7);
        QPushButton* stop = rig.Button("stop");
        rig.script.onRun = [stop](int runs) {
            if (runs == 6) // ABC four times, END twice: stop the endless one
                QMetaObject::invokeMethod(stop, "click", Qt::QueuedConnection);
        };
        rig.dialog.show();
        QTRY_COMPARE(rig.Field("state"), QStringLiteral("Stopping"));

        QCOMPARE(rig.Field("channel"), QStringLiteral("0007"));
        QCOMPARE(rig.Field("phrase"), QStringLiteral("Phrase03"));
        QCOMPARE(rig.Field("fileName"), QStringLiteral("ABC.MP3"));
        QCOMPARE(rig.Field("repeat"), QStringLiteral("3"));
        QCOMPARE(rig.Field("volume"), QStringLiteral("-12"));
        QCOMPARE(rig.Field("interval"), QStringLiteral("0"));
        QVERIFY(rig.Button("play")->isEnabled());
        QVERIFY(!rig.Button("stop")->isEnabled());
        QVERIFY(rig.prompt.asked.isEmpty());
        QVERIFY(rig.script.Runs() >= 6);
    }

    void showsTheEndlessPhraseWhilePlayingAndPlaysAgainFromTheStart()
    {
        std::array<SlotRecord, kFrameCount> records{};
        records[0] = Mp3("ABC", 0, 0, 0);
        records[15] = Mp3("LOOP", 70, 255, 300);
        Rig rig(records);
        rig.script.duration["LOOP.MP3"] = FakePlayerScript::kForever;
        rig.dialog.show();
        QTRY_COMPARE(rig.Field("phrase"), QStringLiteral("Phrase16"));
        QCOMPARE(rig.Field("state"), QStringLiteral("Playing"));
        QCOMPARE(rig.Field("fileName"), QStringLiteral("LOOP.MP3"));
        QCOMPARE(rig.Field("repeat"), QStringLiteral("Unlimited"));
        QCOMPARE(rig.Field("volume"), QStringLiteral("-70"));
        QCOMPARE(rig.Field("interval"), QStringLiteral("300"));
        QVERIFY(!rig.Button("play")->isEnabled());
        QVERIFY(rig.Button("stop")->isEnabled());

        rig.Button("stop")->click();
        QVERIFY(!rig.Button("stop")->isEnabled());
        QTRY_COMPARE(rig.Field("state"), QStringLiteral("Stopping"));
        QCOMPARE(rig.Field("phrase"), QStringLiteral("Phrase01"));
        QTRY_COMPARE(rig.script.LivePlayers(), 0);

        rig.Button("play")->click();
        QCOMPARE(rig.Field("state"), QStringLiteral("Playing"));
        QTRY_COMPARE(rig.script.Plays().size(), std::size_t(4));
        const auto plays = rig.script.Plays();
        QCOMPARE(plays[2].file, std::string("ABC.mp3"));
        QCOMPARE(plays[3].file, std::string("LOOP.MP3"));
    }

    void missingFileIsReportedOnceThenStops()
    {
        std::array<SlotRecord, kFrameCount> records{};
        records[0] = Mp3("ABC", 0, 0, 0);
        records[1] = Mp3("END", 0, 0, 0);
        records[2] = Mp3("GONE", 0, 0, 0);
        records[3] = Mp3("LOOP", 0, 0, 0);
        Rig rig(records);
        rig.dialog.show();
        QTRY_COMPARE(rig.Field("state"), QStringLiteral("Stopping"));

        QCOMPARE(rig.prompt.texts(),
                 QStringList{QStringLiteral("Output file GONE.MP3 doesn't exist. ")});
        QCOMPARE(rig.prompt.asked.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(rig.script.Plays().size(), std::size_t(2));
        QCOMPARE(rig.Field("phrase"), QStringLiteral("Phrase01"));
        QVERIFY(rig.Button("play")->isEnabled());
    }

    void playerFailureIsReported()
    {
        std::array<SlotRecord, kFrameCount> records{};
        records[4] = Mp3("ABC", 0, 0, 0);
        Rig rig(records);
        rig.script.failOpen = {"ABC.mp3"};
        rig.dialog.show();
        QTRY_COMPARE(rig.Field("state"), QStringLiteral("Stopping"));
        QCOMPARE(rig.prompt.texts(),
                 QStringList{QStringLiteral("It failed in playing output file ABC.MP3. ")});
    }

    void channelWithoutMp3LeavesThePhraseFieldsEmpty()
    {
        std::array<SlotRecord, kFrameCount> records{};
        records[0][record::kType] = kTypeText;
        Rig rig(records, 127);
        rig.dialog.show();
        QTRY_COMPARE(rig.Field("state"), QStringLiteral("Stopping"));
        QCOMPARE(rig.Field("channel"), QStringLiteral("0127"));
        QCOMPARE(rig.Field("phrase"), QString());
        QCOMPARE(rig.Field("fileName"), QString());
        QCOMPARE(rig.Field("volume"), QStringLiteral("0"));
        QVERIFY(rig.Button("play")->isEnabled());
    }

    // Close, Esc and the window's close all end the worker before the dialog ends.
    void closingWhilePlayingEndsTheWorkerFirst()
    {
        for (const char* how : {"close", "escape", "closeEvent"}) {
            std::array<SlotRecord, kFrameCount> records{};
            records[0] = Mp3("LOOP", 0, 255, 0);
            Rig rig(records);
            rig.script.defaultDuration = 1ms;
            QWidget* modal = nullptr;
            QTimer::singleShot(0, [&] {
                modal = qApp->activeModalWidget();
                if (!modal)
                    return rig.dialog.reject();
                (void)QTest::qWaitFor([&] { return rig.script.Runs() >= 3; }); // playing, repeating
                if (qstrcmp(how, "close") == 0)
                    rig.Button("close")->click();
                else if (qstrcmp(how, "escape") == 0)
                    QTest::keyClick(modal, Qt::Key_Escape);
                else
                    modal->close();
            });
            QCOMPARE(rig.dialog.exec(), int(QDialog::Rejected));
            QCOMPARE(modal, &rig.dialog);
            QVERIFY(rig.script.Runs() >= 3);
            QCOMPARE(rig.script.LivePlayers(), 0);
            const int runs = rig.script.Runs();
            QTest::qWait(30);
            QCOMPARE(rig.script.Runs(), runs);
            QCOMPARE(rig.Field("state"), QStringLiteral("Playing"));
        }
    }

    // The command copies the channel's records and the data folder into the dialog.
    void commandPreviewsEditableChannelsOnly()
    {
        TempDataFolder home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", QByteArray::fromStdString(home.Folder().string()));
        ScriptedPrompt prompt;
        CCueDoc doc;
        QCOMPARE(doc.table().SetSlotFile(2, 9, "abc.mp3"), kSlotDone);
        QCOMPARE(doc.table().SetSlotFile(1, 128, "xyz.mp3"), kSlotDone);

        int opened = 0;
        QString channel, fileName;
        QTimer guard;
        connect(&guard, &QTimer::timeout, [&] {
            auto* modal = qobject_cast<CPlayChannelDlg*>(qApp->activeModalWidget());
            if (!modal)
                return;
            ++opened;
            const auto field = [modal](const char* name) {
                return modal->findChild<QLineEdit*>(QLatin1String(name))->text();
            };
            if (QTest::qWaitFor([&] { return field("state") == QLatin1String("Stopping"); })) {
                channel = field("channel");
                fileName = field("fileName");
            }
            modal->reject();
        });
        guard.start(10);
        for (const int outside : {0, -1, 128, 1023})
            RunPlayChannelDialog(nullptr, doc, outside);
        QCOMPARE(opened, 0);

        RunPlayChannelDialog(nullptr, doc, 9);
        QCOMPARE(opened, 1);
        QCOMPARE(channel, QStringLiteral("0009"));
        QCOMPARE(fileName, QStringLiteral("ABC.MP3"));
        QCOMPARE(prompt.texts(),
                 QStringList{QStringLiteral("Output file ABC.MP3 doesn't exist. ")});
        qputenv("HOME", oldHome);
    }

    void japaneseCatalogueIsEmbedded()
    {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/cuelist_playback_ja.qm")));
        QCOMPARE(translator.translate("CPlayChannelDlg", "Unlimited"), QStringLiteral("無制限"));
    }
};

QTEST_MAIN(PlayChannelDlgTest)
#include "playchanneldlg_test.moc"
