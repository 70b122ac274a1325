// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/slotsettings.h"
#include "firstline.h"
#include "runmodal.h"
#include "scriptedprompt.h"
#include "textphrasedlg.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using cuelist::SlotRecord;
namespace rec = cuelist::record;

constexpr int kFrame = 4;
constexpr int kChannel = 7;

// A text slot NEWS.TXT; no operation of the editor creates one.
SlotRecord TextRecord(int speed, int minutes, int font, int background, int size, int mode,
                      int interval)
{
    SlotRecord r{cuelist::kTypeText, 'N', 'E', 'W', 'S', ' ', ' ', ' ', ' '};
    r[rec::kVolume] = std::uint8_t(speed * 16);
    r[rec::kRepeat] = std::uint8_t(minutes);
    r[rec::kLow] = std::uint8_t(font + background * 16);
    r[rec::kHigh] = std::uint8_t(size + mode * 16);
    r[rec::kIntervalHigh] = std::uint8_t(interval >> 8);
    r[rec::kIntervalLow] = std::uint8_t(interval & 0xFF);
    return r;
}

// Marks as "NBSF" letters, lower case when disabled.
QString Marks(QWidget& dlg)
{
    QString out;
    for (const char* name : {"normalCheck", "boldCheck", "shadeCheck", "flashCheck"}) {
        auto* box = dlg.findChild<QCheckBox*>(QLatin1String(name));
        if (box->isChecked())
            out += box->isEnabled() ? QChar(name[0]).toUpper() : QChar(name[0]);
    }
    return out;
}

void Click(QWidget& dlg, const char* name)
{
    QTest::mouseClick(dlg.findChild<QAbstractButton*>(QLatin1String(name)), Qt::LeftButton);
}

} // namespace

class TextPhraseDlgTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_table = cuelist::SlotTable();
        m_applied = 0;
    }

    void opensFromSlot()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("Data");
        QFile file(dir.filePath("Data/news.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Today \x93\xfa\x96\x7b\r\nsecond line\r\n"); // CP932
        file.close();
        m_table.PutSlotRecord(kFrame, kChannel, TextRecord(0, 30, 6, 4, 3, 9, 5));

        CTextPhraseDlg dlg;
        open(dlg, ReadFirstTextLine(dir.filePath("Data/news.txt")));
        dlg.show();
        QCOMPARE(dlg.windowTitle(),
                 QStringLiteral("Text file setup-[Channel0007 Phrase04 NEWS.TXT]"));
        QCOMPARE(dlg.findChild<QLineEdit*>("contentsField")->text(),
                 QString::fromUtf8("Today 日本"));
        QCOMPARE(dlg.findChild<QLabel*>("minutesLabel")->text(), QStringLiteral("Display Minutes"));
        QCOMPARE(Marks(dlg), QStringLiteral("BF"));
        auto checkedRadio = [&](const char* group) {
            for (auto* radio : dlg.findChild<QGroupBox*>(group)->findChildren<QRadioButton*>())
                if (radio->isChecked())
                    return radio->text();
            return QString();
        };
        QCOMPARE(checkedRadio("fontColour"), QStringLiteral("Amber"));
        QCOMPARE(checkedRadio("backgroundColour"), QStringLiteral("Green"));
        QCOMPARE(dlg.findChild<QComboBox*>("magnificationList")->currentText(),
                 QStringLiteral("1/4angle"));
        QCOMPARE(dlg.findChild<QAbstractSpinBox*>("minutesField")->text(), QStringLiteral("30"));
    }

    void scrollingTextCannotFlash()
    {
        m_table.PutSlotRecord(kFrame, kChannel, TextRecord(2, 0, 0, 2, 0, 9, 0));
        CTextPhraseDlg dlg;
        open(dlg);
        dlg.show();
        QCOMPARE(Marks(dlg), QStringLiteral("B"));
        QVERIFY(dlg.findChild<QLineEdit*>("contentsField")->text().isEmpty()); // no NEWS.TXT
        QVERIFY(!dlg.findChild<QCheckBox*>("flashCheck")->isEnabled());
        QCOMPARE(dlg.value().settings.displayMode, 1);
        QCOMPARE(dlg.findChild<QLabel*>("minutesLabel")->text(), QStringLiteral("Scroll Times"));

        // Back to standing text through the slider: Flash can be chosen again.
        auto* slider = dlg.findChild<QSlider*>("speedSlider");
        QTest::keyClick(slider, Qt::Key_Home);
        QCOMPARE(dlg.findChild<QAbstractSpinBox*>("speedField")->text(), QStringLiteral("0"));
        QVERIFY(dlg.findChild<QCheckBox*>("flashCheck")->isEnabled());
        Click(dlg, "flashCheck");
        QCOMPARE(dlg.value().settings.displayMode, 9);

        // Moving to speed 3 drops Flash; with neither Bold nor Shade, Normal comes back.
        Click(dlg, "boldCheck"); // Bold off, Flash alone
        QCOMPARE(Marks(dlg), QStringLiteral("F"));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(Marks(dlg), QStringLiteral("N"));
        QCOMPARE(dlg.value().settings.displayMode, 0);
        QCOMPARE(dlg.findChild<QLabel*>("minutesLabel")->text(), QStringLiteral("Scroll Times"));
    }

    void checkMarkRules()
    {
        m_table.PutSlotRecord(kFrame, kChannel, TextRecord(0, 0, 0, 2, 0, 9, 0));
        CTextPhraseDlg dlg;
        open(dlg);
        dlg.show();
        const struct
        {
            const char* click;
            const char* marks;
            int mode;
        } steps[] = {
            {"shadeCheck", "SF", 10}, {"boldCheck", "BF", 9},  {"normalCheck", "N", 0},
            {"normalCheck", "N", 0},  {"flashCheck", "F", 8},  {"flashCheck", "F", 8},
            {"shadeCheck", "SF", 10}, {"flashCheck", "S", 2},  {"shadeCheck", "S", 2},
            {"boldCheck", "B", 1},    {"normalCheck", "N", 0},
        };
        for (const auto& step : steps) {
            Click(dlg, step.click);
            QCOMPARE(Marks(dlg), QString::fromLatin1(step.marks));
            QCOMPARE(dlg.value().settings.displayMode, step.mode);
        }
    }

    // Letter size 2 is shown as 1X1 and kept until the user picks a size; the setter
    // refuses it, so the whole style byte stays while the other fields are written.
    void letterSizeCodes()
    {
        ScriptedPrompt prompt;
        m_table.PutSlotRecord(kFrame, kChannel, TextRecord(0, 0, 0, 2, 2, 0, 0));
        CTextPhraseDlg dlg;
        open(dlg);
        dlg.show();
        auto* list = dlg.findChild<QComboBox*>("magnificationList");
        QCOMPARE(list->currentText(), QStringLiteral("1X1"));
        Click(dlg, "redFont");
        Click(dlg, "applyButton");
        SlotRecord r{};
        m_table.GetSlotRecord(kFrame, kChannel, r);
        QCOMPARE(r[rec::kHigh], 0x02);
        QCOMPARE(r[rec::kLow], 0x22);

        QTest::keyClick(list, Qt::Key_Down); // 2X2
        QTest::keyClick(list, Qt::Key_Down); // 1/4angle
        QCOMPARE(dlg.value().settings.magnification, 3);
        QTest::keyClick(list, Qt::Key_End); // 1X2
        QCOMPARE(dlg.value().settings.magnification, 5);
        Click(dlg, "applyButton");
        m_table.GetSlotRecord(kFrame, kChannel, r);
        QCOMPARE(r[rec::kHigh], 0x05);
        QVERIFY(prompt.asked.isEmpty());
    }

    void intervalRefusalKeepsFocus()
    {
        ScriptedPrompt prompt;
        m_table.PutSlotRecord(kFrame, kChannel, TextRecord(0, 0, 0, 2, 0, 0, 0));
        CTextPhraseDlg dlg;
        open(dlg);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        auto* interval = dlg.findChild<QAbstractSpinBox*>("intervalField");
        interval->setFocus();
        interval->selectAll();
        QTest::keyClicks(interval, "4000");
        QTest::keyClick(interval, Qt::Key_Tab);
        QTRY_COMPARE(prompt.texts(),
                     QStringList{QStringLiteral("Please enter an integer between 0 and 3600.")});
        QVERIFY(interval->hasFocus());

        // A mark click exchanges too: refused again, the mark rules still apply.
        Click(dlg, "boldCheck");
        QCOMPARE(prompt.asked.size(), 2);
        QCOMPARE(Marks(dlg), QStringLiteral("B"));
        QVERIFY(interval->hasFocus());
    }

    void applyThenCancel()
    {
        ScriptedPrompt prompt;
        m_table.PutSlotRecord(kFrame, kChannel, TextRecord(1, 10, 0, 2, 0, 0, 60));
        CTextPhraseDlg dlg;
        open(dlg);
        const int result = RunModal(dlg, [](QDialog& modal) {
            auto* minutes = modal.findChild<QAbstractSpinBox*>("minutesField");
            minutes->selectAll();
            QTest::keyClicks(minutes, "99");
            Click(modal, "amberBackground");
            Click(modal, "greenFont");
            Click(modal, "shadeCheck");
            Click(modal, "applyButton");
            minutes->selectAll();
            QTest::keyClicks(minutes, "1");
            Click(modal, "blackFont");
            Click(modal, "cancelButton");
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY(prompt.asked.isEmpty());
        SlotRecord r{};
        m_table.GetSlotRecord(kFrame, kChannel, r);
        const SlotRecord expected = TextRecord(1, 99, 4, 6, 0, 2, 60);
        QCOMPARE(r, expected);
        QCOMPARE(m_applied, 1);
    }

private:
    // The dialog on the slot of m_table; Apply writes back into it as the editor does.
    void open(CTextPhraseDlg& dlg, const QString& textContents = QString())
    {
        dlg.setValue(PhraseValue{kFrame, kChannel, QStringLiteral("NEWS.TXT"), textContents,
                                 cuelist::ReadSlotSettings(m_table, kFrame, kChannel)});
        dlg.setApplyHandler([this](const PhraseValue& value) {
            ++m_applied;
            cuelist::WriteSlotSettings(m_table, value.frame, value.channel, value.settings);
        });
    }

    cuelist::SlotTable m_table;
    int m_applied = 0;
};

QTEST_MAIN(TextPhraseDlgTest)
#include "textphrasedlg_test.moc"
