#include "cuedoc.h"
#include "descriptionpane.h"
#include "mp3phrasedlg.h"
#include "phrasecommit.h"
#include "runmodal.h"
#include "scriptedprompt.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

namespace {

using cuelist::SlotRecord;

QAbstractSpinBox* Field(QWidget& dlg, const char* name)
{
    return dlg.findChild<QAbstractSpinBox*>(QLatin1String(name));
}

// Replaces the field's text as a user would, then moves on with Tab.
void TypeAndLeave(QAbstractSpinBox* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
}

SlotRecord Record(CCueDoc& doc, int frame, int channel)
{
    SlotRecord record{};
    doc.table().GetSlotRecord(frame, channel, record);
    return record;
}

} // namespace

class Mp3PhraseDlgTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_doc = std::make_unique<CCueDoc>();
        QCOMPARE(m_doc->table().SetSlotFile(12, 3, "voice01.mp3"), cuelist::kSlotDone);
    }
    void cleanup() { m_doc.reset(); }

    void opensWithSlotValues_data()
    {
        QTest::addColumn<int>("attenuation");
        QTest::addColumn<int>("frame");
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("caption");
        QTest::newRow("full volume")
            << 0 << 12 << 3 << "MP3 file setup-[Channel0003 Phrase12 VOICE01.MP3]";
        QTest::newRow("quietest") << 70 << 1 << 1
                                  << "MP3 file setup-[Channel0001 Phrase01 VOICE01.MP3]";
    }
    void opensWithSlotValues()
    {
        QFETCH(int, attenuation);
        QFETCH(int, frame);
        QFETCH(int, channel);
        QFETCH(QString, caption);
        m_doc->table().SetSlotFile(frame, channel, "VOICE01.MP3");
        m_doc->table().SetSlotVolumeOrSpeed(frame, channel, std::uint8_t(attenuation));
        CMp3PhraseDlg dlg(m_doc.get());
        dlg.loadSlot(*m_doc, frame, channel);
        dlg.show();
        QCOMPARE(dlg.windowTitle(), caption);
        auto* slider = dlg.findChild<QSlider*>("volumeSlider");
        QCOMPARE(slider->value(), -attenuation);
        QCOMPARE(slider->value(), attenuation == 0 ? slider->maximum() : slider->minimum());
        QCOMPARE(Field(dlg, "volumeField")->text(), QString::number(-attenuation));
        QVERIFY(dlg.findChild<QPushButton*>("applyButton")->isEnabled());
    }

    // The edit follows the slider and the slider follows the edit; Apply commits.
    void sliderAndFieldStayInStep()
    {
        ScriptedPrompt prompt;
        CMp3PhraseDlg dlg(m_doc.get());
        dlg.loadSlot(*m_doc, 12, 3);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        auto* slider = dlg.findChild<QSlider*>("volumeSlider");
        QAbstractSpinBox* volume = Field(dlg, "volumeField");

        TypeAndLeave(volume, "-35");
        QTRY_COMPARE(slider->value(), -35);
        QTest::keyClick(slider, Qt::Key_Left);
        QCOMPARE(volume->text(), QStringLiteral("-36"));

        QTest::mouseClick(dlg.findChild<QPushButton*>("applyButton"), Qt::LeftButton);
        QVERIFY(dlg.isVisible());
        QVERIFY(prompt.asked.isEmpty());
        QCOMPARE(Record(*m_doc, 12, 3)[cuelist::record::kVolume], 36);
        QVERIFY(m_doc->isModified());
        QVERIFY(DescriptionPane::text().contains(QStringLiteral("Volume=-36")));
    }

    void rangeRefusalKeepsFocus_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const QString repeat = "Please enter an integer between 0 and 255.";
        const QString interval = "Please enter an integer between 0 and 3600.";
        QTest::newRow("repeat 256") << "repeatField"
                                    << "256" << repeat;
        QTest::newRow("repeat text") << "repeatField"
                                     << "12a" << repeat;
        QTest::newRow("interval 3601") << "intervalField"
                                       << "3601" << interval;
        QTest::newRow("interval 3600") << "intervalField"
                                       << "3600" << QString();
        QTest::newRow("volume 1") << "volumeField"
                                  << "1"
                                  << "Please enter an integer between -70 and 0.";
        QTest::newRow("volume -70") << "volumeField"
                                    << "-70" << QString();
    }
    void rangeRefusalKeepsFocus()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        ScriptedPrompt prompt;
        CMp3PhraseDlg dlg(m_doc.get());
        dlg.loadSlot(*m_doc, 12, 3);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QAbstractSpinBox* edit = Field(dlg, qPrintable(field));
        TypeAndLeave(edit, typed);
        if (message.isEmpty()) {
            QTest::qWait(0);
            QVERIFY(prompt.asked.isEmpty());
            QVERIFY(!edit->hasFocus());
            return;
        }
        QTRY_COMPARE(prompt.texts(), QStringList{message});
        QCOMPARE(prompt.asked.first().icon, QMessageBox::Warning);
        QVERIFY(edit->hasFocus());
        QCOMPARE(edit->text(), typed);
    }

    // A refused value writes nothing on Apply and keeps the dialog open on OK.
    void refusedValueIsNeverCommitted()
    {
        ScriptedPrompt prompt;
        const SlotRecord before = Record(*m_doc, 12, 3);
        CMp3PhraseDlg dlg(m_doc.get());
        dlg.loadSlot(*m_doc, 12, 3);
        const int result = RunModal(dlg, [](QDialog& modal) {
            QAbstractSpinBox* repeat = Field(modal, "repeatField");
            repeat->selectAll();
            QTest::keyClicks(repeat, "256");
            QTest::mouseClick(modal.findChild<QPushButton*>("applyButton"), Qt::LeftButton);
            QTest::keyClick(repeat, Qt::Key_Return);
            QVERIFY(modal.isVisible());
            QVERIFY(repeat->hasFocus());
            QTest::mouseClick(modal.findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(prompt.asked.size(), 2);
        QCOMPARE(Record(*m_doc, 12, 3), before);
        QVERIFY(!m_doc->isModified());
    }

    // Cancel after Apply keeps what Apply wrote, and only that.
    void applyThenCancel()
    {
        ScriptedPrompt prompt;
        CMp3PhraseDlg dlg(m_doc.get());
        dlg.loadSlot(*m_doc, 12, 3);
        const int result = RunModal(dlg, [](QDialog& modal) {
            QAbstractSpinBox* repeat = Field(modal, "repeatField");
            QAbstractSpinBox* interval = Field(modal, "intervalField");
            repeat->selectAll();
            QTest::keyClicks(repeat, "5");
            interval->selectAll();
            QTest::keyClicks(interval, "3600");
            QTest::mouseClick(modal.findChild<QPushButton*>("applyButton"), Qt::LeftButton);
            repeat->selectAll();
            QTest::keyClicks(repeat, "9");
            QTest::keyClick(repeat, Qt::Key_Escape);
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY(prompt.asked.isEmpty());
        const SlotRecord record = Record(*m_doc, 12, 3);
        QCOMPARE(record[cuelist::record::kRepeat], 5);
        QCOMPARE(record[cuelist::record::kIntervalHigh], 0x0E);
        QCOMPARE(record[cuelist::record::kIntervalLow], 0x10);
        QCOMPARE(record[cuelist::record::kLow], 15); // tone levels untouched
        QCOMPARE(record[cuelist::record::kHigh], 15);
        QVERIFY(m_doc->isModified());
    }

    // After a drop the values only reach the slot through OK and the opener's commit.
    void applyDisabledAfterDrop()
    {
        ScriptedPrompt prompt;
        CMp3PhraseDlg dlg(m_doc.get());
        dlg.loadSlot(*m_doc, 12, 3);
        dlg.setApplyDisabled(true);
        const int result = RunModal(dlg, [](QDialog& modal) {
            QVERIFY(!modal.findChild<QPushButton*>("applyButton")->isEnabled());
            QAbstractSpinBox* repeat = Field(modal, "repeatField");
            repeat->selectAll();
            QTest::keyClicks(repeat, "255");
            QTest::keyClick(repeat, Qt::Key_Return);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QVERIFY(!m_doc->isModified());
        CommitMp3Phrase(*m_doc, dlg, 12, 3);
        QCOMPARE(Record(*m_doc, 12, 3)[cuelist::record::kRepeat], 255);
        QVERIFY(m_doc->isModified());
    }

    void arrowsStepWithinRange()
    {
        CMp3PhraseDlg dlg(m_doc.get());
        dlg.setRepeatTimes(254);
        dlg.show();
        QAbstractSpinBox* repeat = Field(dlg, "repeatField");
        QTest::keyClick(repeat, Qt::Key_Up);
        QTest::keyClick(repeat, Qt::Key_Up);
        QCOMPARE(repeat->text(), QStringLiteral("255"));
        repeat->selectAll();
        QTest::keyClicks(repeat, "x");
        QTest::keyClick(repeat, Qt::Key_Down);
        QCOMPARE(repeat->text(), QStringLiteral("254"));
    }

private:
    std::unique_ptr<CCueDoc> m_doc;
};

QTEST_MAIN(Mp3PhraseDlgTest)
#include "mp3phrasedlg_test.moc"
