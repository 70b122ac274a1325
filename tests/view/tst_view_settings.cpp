#include "descriptionpane.h"
#include "gridwindow.h"
#include "modalscripts.h"
#include "mp3phrasedlg.h"
#include "scriptedprompt.h"

#include <QAbstractSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

QString FieldText(QDialog& dlg, const char* name)
{
    return dlg.findChild<QAbstractSpinBox*>(QLatin1String(name))->text();
}

void Click(QDialog& dlg, const char* button)
{
    QTest::mouseClick(dlg.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
}

} // namespace

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
    void mp3SlotOpensItsDialog()
    {
        ScriptedPrompt prompt;
        GridWindow w;
        w.putMp3(5, 3, "voice01.mp3", 3, 12, 30);
        ModalScripts scripts({[](QDialog& dlg) {
                                  auto* mp3 = qobject_cast<CMp3PhraseDlg*>(&dlg);
                                  QVERIFY(mp3);
                                  QCOMPARE(mp3->fileName(), QStringLiteral("VOICE01.MP3"));
                                  QCOMPARE(FieldText(dlg, "repeatField"), QStringLiteral("3"));
                                  QCOMPARE(FieldText(dlg, "volumeField"), QStringLiteral("-12"));
                                  QCOMPARE(FieldText(dlg, "intervalField"), QStringLiteral("30"));
                                  QVERIFY(dlg.findChild<QPushButton*>("applyButton")->isEnabled());
                                  Click(dlg, "cancelButton");
                              },
                              [](QDialog& dlg) {
                                  auto* repeat = dlg.findChild<QAbstractSpinBox*>("repeatField");
                                  repeat->selectAll();
                                  QTest::keyClicks(repeat, "7");
                                  Click(dlg, "okButton");
                              }});
        doubleClick(w, 5, 2);
        QCOMPARE(scripts.played, 1);
        QVERIFY(!w.doc.isModified());

        w.press(Qt::Key_Return);
        QCOMPARE(scripts.played, 2);
        std::uint8_t repeat = 0;
        std::uint8_t type = 0;
        w.doc.table().GetSlotRepeat(5, 3, repeat, type);
        QCOMPARE(repeat, 7);
        QVERIFY(w.doc.isModified());
        QVERIFY(DescriptionPane::text().contains(QStringLiteral("Repeat Times=7")));
        QVERIFY(prompt.asked.isEmpty());
    }

    void textSlotShowsTheFirstLineOfItsFile()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("DATA")));
        QFile text(dir.filePath(QStringLiteral("DATA/note.txt")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("Good morning\r\nsecond line\r\n");
        text.close();
        QFile list(dir.filePath(QStringLiteral("list.slp")));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(QByteArray(int(cuelist::kImageSize), '\0'));
        list.close();

        ScriptedPrompt prompt;
        GridWindow w;
        QVERIFY(w.doc.OnOpenDocument(list.fileName()));
        cuelist::SlotRecord record = cuelist::EmptyRecord();
        record[cuelist::record::kType] = cuelist::kTypeText;
        std::copy_n("NOTE", 4, record.begin() + cuelist::record::kName);
        QVERIFY(w.doc.table().PutSlotRecord(2, 9, record));
        w.view->OnUpdate();
        QString shown;
        ModalScripts scripts({[&shown](QDialog& dlg) {
            shown = dlg.findChild<QLineEdit*>("contentsField")->text();
            Click(dlg, "okButton");
        }});
        doubleClick(w, 2, 8);
        QCOMPARE(shown, QStringLiteral("Good morning"));
        QVERIFY(w.doc.isModified());
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
        QVERIFY(w.doc.table().PutSlotRecord(4, 1, record));
        w.click(4, 0);
        w.press(Qt::Key_Return);
        QCOMPARE(prompt.texts(), QStringList{QStringLiteral("Unknown File Type. Reset File Name")});
        doubleClick(w, 4, 0);
        QCOMPARE(prompt.asked.size(), 3);
        cuelist::SlotRecord after{};
        QVERIFY(w.doc.table().GetSlotRecord(4, 1, after));
        QCOMPARE(after, record);

        doubleClick(w, 0, 5);
        QVERIFY(w.recorder.ran.isEmpty());
        doubleClick(w, 7, 5);
        QCOMPARE(w.recorder.ran, QList<int>{ID_SELECT_FILE});
        QCOMPARE(scripts.played, 0);
        QCOMPARE(prompt.asked.size(), 3);
    }
};

QTEST_MAIN(TestViewSettings)
#include "tst_view_settings.moc"
