// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridwindow.h"
#include "modalscripts.h"
#include "mp3phrasedlg.h"
#include "putrecord.h"
#include "scriptedprompt.h"

#include <QAbstractSpinBox>
#include <QPushButton>

// Opening a slot's settings from the grid: double click and Enter.
class TestViewSettings final : public QObject
{
    Q_OBJECT

private:
    static void doubleClick(GridWindow& w, int column, int row)
    {
        QTest::mouseDClick(w.view->viewport(), Qt::LeftButton, {}, w.cellCenter(column, row));
        QApplication::processEvents();
    }

private slots:
    // The dialog shows the slot's values; Cancel writes nothing, OK writes and describes.
    void mp3Slot()
    {
        ScriptedPrompt prompt;
        GridWindow w;
        w.putMp3(5, 3, "voice01.mp3", 3, 12, 30);
        QString shown;
        ModalScripts scripts(
            {[&shown](QDialog& dlg) {
                 auto* mp3 = qobject_cast<CMp3PhraseDlg*>(&dlg);
                 QVERIFY(mp3 && dlg.findChild<QPushButton*>("applyButton")->isEnabled());
                 for (const char* name : {"repeatField", "volumeField", "intervalField"})
                     shown += dlg.findChild<QAbstractSpinBox*>(name)->text() + ' ';
                 shown += mp3->value().fileName;
                 dlg.reject();
             },
             [](QDialog& dlg) {
                 auto* repeat = dlg.findChild<QAbstractSpinBox*>("repeatField");
                 repeat->selectAll();
                 QTest::keyClicks(repeat, "7");
                 QTest::mouseClick(dlg.findChild<QPushButton*>("okButton"), Qt::LeftButton);
             }});
        doubleClick(w, 5, 2);
        QCOMPARE(shown, QStringLiteral("3 -12 30 VOICE01.MP3"));
        QVERIFY(!w.doc.isModified());

        w.press(Qt::Key_Return);
        QCOMPARE(scripts.played, 2);
        QCOMPARE(w.doc.table().RecordAt(5, 3)[cuelist::record::kRepeat], 7);
        QVERIFY(w.doc.isModified());
        QVERIFY(w.pane.text().contains(QStringLiteral("Repeat Times=7")));
        QVERIFY(prompt.asked.isEmpty());
    }

    // Unknown types: Enter shows one message, a double click two; empty slots start Select
    // File; the Channel column opens nothing.
    void otherCells()
    {
        ScriptedPrompt prompt;
        GridWindow w;
        ModalScripts scripts;
        cuelist::SlotRecord record = cuelist::EmptyRecord();
        record[cuelist::record::kType] = 7;
        QVERIFY(PutRecord(w.doc, 4, 1, record));
        w.click(4, 0);
        w.press(Qt::Key_Return);
        QCOMPARE(prompt.texts(), QStringList{QStringLiteral("Unknown File Type. Reset File Name")});
        doubleClick(w, 4, 0);
        QCOMPARE(prompt.asked.size(), 3);
        QCOMPARE(w.doc.table().RecordAt(4, 1), record);

        doubleClick(w, 0, 5);
        QVERIFY(w.recorder.ran.isEmpty());
        doubleClick(w, 7, 5);
        QCOMPARE(w.recorder.ran, QList<int>{ID_SELECT_FILE});
        QCOMPARE(scripts.played, 0);
    }
};

QTEST_MAIN(TestViewSettings)
#include "tst_view_settings.moc"
