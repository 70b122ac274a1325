// SPDX-License-Identifier: GPL-3.0-or-later
#include "mp3phrasedlg.h"
#include "runmodal.h"
#include "scriptedprompt.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

namespace {

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

} // namespace

class Mp3PhraseDlgTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_value = PhraseValue{12, 3, QStringLiteral("VOICE01.MP3"), QString(), {}};
        m_applied.clear();
    }

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
        m_value.frame = frame;
        m_value.channel = channel;
        m_value.settings.volume = -attenuation;
        CMp3PhraseDlg dlg;
        open(dlg);
        dlg.show();
        QCOMPARE(dlg.windowTitle(), caption);
        auto* slider = dlg.findChild<QSlider*>("volumeSlider");
        QCOMPARE(slider->value(), -attenuation);
        QCOMPARE(slider->value(), attenuation == 0 ? slider->maximum() : slider->minimum());
        QCOMPARE(Field(dlg, "volumeField")->text(), QString::number(-attenuation));
        QVERIFY(dlg.findChild<QPushButton*>("applyButton")->isEnabled());
    }

    // The edit follows the slider and the slider follows the edit; Apply gives the value.
    void sliderAndFieldStayInStep()
    {
        ScriptedPrompt prompt;
        CMp3PhraseDlg dlg;
        open(dlg);
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
        QCOMPARE(m_applied.size(), 1);
        QCOMPARE(m_applied.first().settings.volume, -36);
        QCOMPARE(m_applied.first().frame, 12);
        QCOMPARE(m_applied.first().channel, 3);
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
        CMp3PhraseDlg dlg;
        open(dlg);
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

    // A refused value gives nothing on Apply and keeps the dialog open on OK.
    void refusedValueIsNeverCommitted()
    {
        ScriptedPrompt prompt;
        CMp3PhraseDlg dlg;
        open(dlg);
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
        QVERIFY(m_applied.isEmpty());
    }

    // Cancel after Apply gives what Apply gave, and only that.
    void applyThenCancel()
    {
        ScriptedPrompt prompt;
        CMp3PhraseDlg dlg;
        open(dlg);
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
        QCOMPARE(m_applied.size(), 1);
        QCOMPARE(m_applied.first().settings.repeat, 5);
        QCOMPARE(m_applied.first().settings.interval, 3600);
    }

    // After a drop the values only come back through OK.
    void applyDisabledAfterDrop()
    {
        ScriptedPrompt prompt;
        CMp3PhraseDlg dlg;
        open(dlg);
        dlg.setApplyDisabled(true);
        const int result = RunModal(dlg, [](QDialog& modal) {
            QVERIFY(!modal.findChild<QPushButton*>("applyButton")->isEnabled());
            QAbstractSpinBox* repeat = Field(modal, "repeatField");
            repeat->selectAll();
            QTest::keyClicks(repeat, "255");
            QTest::keyClick(repeat, Qt::Key_Return);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QVERIFY(m_applied.isEmpty());
        QCOMPARE(dlg.value().settings.repeat, 255);
        QCOMPARE(dlg.value().fileName, QStringLiteral("VOICE01.MP3"));
    }

    void arrowsStepWithinRange()
    {
        m_value.settings.repeat = 254;
        CMp3PhraseDlg dlg;
        dlg.setValue(m_value);
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
    void open(CMp3PhraseDlg& dlg)
    {
        dlg.setValue(m_value);
        dlg.setApplyHandler([this](const PhraseValue& value) { m_applied << value; });
    }

    PhraseValue m_value;
    QList<PhraseValue> m_applied;
};

QTEST_MAIN(Mp3PhraseDlgTest)
#include "mp3phrasedlg_test.moc"
