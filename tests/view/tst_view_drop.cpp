// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridwindow.h"
#include "modalscripts.h"
#include "mp3phrasedlg.h"
#include "scriptedprompt.h"

#include <algorithm>
#include <QAbstractSpinBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>

namespace {

const QString kAsk = QStringLiteral("Do you want to save changes");
const QString kNotInData = QStringLiteral("Select file existring in the DATA folder");
const QString kInvalid = QStringLiteral("Selected setup frame or channel is unauthorized/invalid");

} // namespace

// Files dropped from the file manager onto the grid.
class TestViewDrop final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;

    QString path(const char* relative) const { return m_root.filePath(QLatin1String(relative)); }

    // Drags the files over the cell and drops them there, then lets the drop's work run.
    void drop(GridWindow& w, int column, int row, const QList<const char*>& files) const
    {
        QStringList paths;
        for (const char* file : files)
            paths << path(file);
        QVERIFY(w.dropFiles(column, row, paths));
    }

private slots:
    void initTestCase()
    {
        for (const char* name : {"x/DATA/VOICE01.MP3", "x/DATA/VOICE02.MP3", "x/DATA/VOICE03.MP3",
                                 "x/DATA/LONGNAME1.MP3", "x/DATA/   ", "x/AUDIO/A.MP3",
                                 "y/DATA/OTHER.MP3", "z/data/voice09.mp3"}) {
            QVERIFY(QDir().mkpath(QFileInfo(path(name)).absolutePath()));
            QFile file(path(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir().mkpath(path("x/DATA/SUB.MP3")));
        QVERIFY(QFile::link(path("x/DATA/VOICE02.MP3"), path("shortcut.mp3")));
    }

    // The first file fixes the data folder and opens the dialog with Apply off; Cancel keeps
    // the file as an edit of its own. Several files go to consecutive frames with one dialog.
    // The cursor goes to the cell, and each drop is one step of the history.
    void dropsOnANewPlaylist()
    {
        ScriptedPrompt prompt;
        GridWindow w;
        QSignalSpy titles(&w.doc, &CCueDoc::frameTitleUpdateRequested);
        ModalScripts scripts(
            {[&](QDialog& dlg) {
                 auto* mp3 = qobject_cast<CMp3PhraseDlg*>(&dlg);
                 QVERIFY(mp3 && !dlg.findChild<QPushButton*>("applyButton")->isEnabled());
                 QCOMPARE(QList<int>({mp3->value().frame, mp3->value().channel,
                                      mp3->value().settings.volume, mp3->value().settings.repeat}),
                          QList<int>({5, 3, 0, 0}));
                 QCOMPARE(w.view->model()->index(2, 5).data().toString(),
                          QStringLiteral("VOICE01.MP3"));
                 QCOMPARE(titles.size(), 1);
             },
             [](QDialog& dlg) {
                 auto* repeat = dlg.findChild<QAbstractSpinBox*>("repeatField");
                 repeat->selectAll();
                 QTest::keyClicks(repeat, "4");
                 QTest::mouseClick(dlg.findChild<QPushButton*>("okButton"), Qt::LeftButton);
             }});
        drop(w, 5, 2, {"x/DATA/VOICE01.MP3"});
        QCOMPARE(scripts.played, 1);
        QVERIFY(w.doc.isModified());
        QCOMPARE(w.doc.dataFolderPath(), path("x/DATA/"));
        QCOMPARE(w.editor.currentSlot(), (SlotPos{5, 3}));
        QCOMPARE(QPoint(w.view->cursorColumn(), w.view->currentIndex().row()), QPoint(5, 2));

        // A symbolic link stands for its target; the one dialog's values go into both files.
        drop(w, 6, 2, {"shortcut.mp3", "x/DATA/VOICE03.MP3"});
        QCOMPARE(scripts.played, 2);
        QCOMPARE(w.doc.cellText(6, 3), QStringLiteral("VOICE02.MP3"));
        QCOMPARE(w.doc.cellText(7, 3), QStringLiteral("VOICE03.MP3"));
        for (int frame : {6, 7})
            QCOMPARE(w.doc.table().RecordAt(frame, 3)[cuelist::record::kRepeat], 4);
        QVERIFY(prompt.texts().isEmpty());

        QCOMPARE(w.doc.undoStack()->count(), 2);
        QCOMPARE(w.doc.undoStack()->undoText(), QStringLiteral("Drop Files"));
    }

    // Several files skip the occupied frames; past frame 16 the user is told which did not fit.
    // The whole drop is one step.
    void severalFilesSkipOccupiedFrames_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<int>>("frames");
        QTest::addColumn<QString>("told");
        QTest::newRow("skipping") << 2 << QList<int>{2, 5, 6} << QString();
        QTest::newRow("occupied start") << 3 << QList<int>{5, 6, 7} << QString();
        QTest::newRow("overflow") << 15 << QList<int>{15, 16}
                                  << "Frame 16 was reached: these files were not set.\nVOICE03.MP3";
        QTest::newRow("none fits") << 16 << QList<int>{16}
                                   << "Frame 16 was reached: these "
                                      "files were not set.\nVOICE02.MP3\nVOICE03.MP3";
    }
    void severalFilesSkipOccupiedFrames()
    {
        QFETCH(int, start);
        QFETCH(QList<int>, frames);
        QFETCH(QString, told);
        ScriptedPrompt prompt;
        GridWindow w;
        const auto keep = [](QDialog&) {};
        ModalScripts scripts({keep, keep, [](QDialog& dlg) {
                                  auto* volume = dlg.findChild<QAbstractSpinBox*>("volumeField");
                                  volume->selectAll();
                                  QTest::keyClicks(volume, "-9");
                                  QTest::mouseClick(dlg.findChild<QPushButton*>("okButton"),
                                                    Qt::LeftButton);
                              }});
        drop(w, 3, 1, {"x/DATA/VOICE01.MP3"});
        drop(w, 4, 1, {"x/DATA/VOICE02.MP3"});
        const int before = w.doc.undoStack()->count();
        drop(w, start, 1, {"x/DATA/VOICE01.MP3", "x/DATA/VOICE02.MP3", "x/DATA/VOICE03.MP3"});
        QCOMPARE(scripts.played, 3);
        QCOMPARE(prompt.texts(), told.isEmpty() ? QStringList() : QStringList{told});
        for (int i = 0; i < frames.size(); ++i) {
            QCOMPARE(w.doc.cellText(frames[i], 2), QStringLiteral("VOICE0%1.MP3").arg(i + 1));
            QCOMPARE(w.doc.table().RecordAt(frames[i], 2)[cuelist::record::kVolume], 9);
        }
        QCOMPARE(w.doc.undoStack()->count(), before + 1);
    }

    // Each refusal tells why and writes nothing.
    void refusals()
    {
        ScriptedPrompt prompt;
        GridWindow w;
        ModalScripts scripts;
        drop(w, 3, 0, {"x/AUDIO/A.MP3", "x/DATA/SUB.MP3", "x/DATA", "x/DATA/   "});
        drop(w, 3, 0, {"x/DATA/LONGNAME1.MP3", "x/DATA/missing.mp3"});
        // An MP3 whose name no slot takes goes to the import, which asks this new playlist
        // for its show folder (cancelled here).
        QCOMPARE(prompt.texts(), (QStringList{kNotInData, kNotInData, kNotInData,
                                              QStringLiteral("Settable file type in MP3 only")}));
        QCOMPARE(prompt.dialogs.size(), 1);
        QVERIFY(!w.doc.IsDataFolderKnown());

        // Lower case is accepted; another DATA folder is not. Then the Channel column, right
        // of the last column, below the rows, and a folder on an occupied slot.
        prompt.asked.clear();
        for (int i = 0; i < 10; ++i) // refusals take an answer too
            prompt.answer(QMessageBox::Ok);
        drop(w, 3, 0, {"z/data/voice09.mp3", "y/DATA/OTHER.MP3"});
        const cuelist::SlotTable before = w.doc.table();
        drop(w, 0, 4, {"z/data/voice09.mp3"});
        w.view->editor()->AssignDroppedFile(path("z/data/voice09.mp3"), QPoint(17, 4));
        w.view->editor()->AssignDroppedFile(path("z/data/voice09.mp3"), QPoint(-1, -1));
        drop(w, 3, 0, {"x/DATA/SUB.MP3"});
        QCOMPARE(w.doc.cellText(3, 1), QStringLiteral("VOICE09.MP3"));
        QCOMPARE(prompt.texts(),
                 (QStringList{QStringLiteral("Cannot refer to the files in this \"data\" folder "
                                             "from the playlist."),
                              kAsk, QStringLiteral("Do not setup file in a channel"), kAsk,
                              kInvalid, kAsk, kInvalid, kAsk, kNotInData}));
        QVERIFY(std::ranges::equal(w.doc.table().Bytes(), before.Bytes()));
        QCOMPARE(scripts.played, 1);
    }
};

QTEST_MAIN(TestViewDrop)
#include "tst_view_drop.moc"
