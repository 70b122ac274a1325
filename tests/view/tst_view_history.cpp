// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafolderwatch.h"
#include "gridwindow.h"
#include "modalscripts.h"
#include "scriptedprompt.h"

#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>

// Edits seen where they happen: dropped files on a new playlist, undo and redo out of sight,
// and a drop that holds a playlist.
class TestViewHistory final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;

    QString path(const QString& relative) const { return m_root.filePath(relative); }

    void drop(GridWindow& w, int column, int row, const QStringList& files) const
    {
        QStringList paths;
        for (const QString& file : files)
            paths << path(file);
        QVERIFY(w.dropFiles(column, row, paths));
    }

    // Whether the cell lies in the viewport, wholly or in part.
    static bool inSight(GridWindow& w, int column, int row)
    {
        const QRect cell = w.view->visualRect(w.view->model()->index(row, column));
        return cell.intersects(w.view->viewport()->rect());
    }

private slots:
    void initTestCase()
    {
        for (const char* name :
             {"x/DATA/VOICE01.MP3", "x/DATA/VOICE02.MP3", "y/DATA/OTHER.MP3", "x/other.slp"}) {
            QVERIFY(QDir().mkpath(QFileInfo(path(name)).absolutePath()));
            QFile file(path(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }

    // Files dropped on a new playlist are present, not missing; undoing every drop gives the
    // new playlist back, which then takes a file of another data folder.
    void dropsOnANewPlaylistAreSeenAndUndoneWhole()
    {
        ScriptedPrompt prompt;
        ModalScripts scripts;
        GridWindow w;
        drop(w, 1, 0, {"x/DATA/VOICE01.MP3"});
        drop(w, 2, 0, {"x/DATA/VOICE02.MP3"});
        QCOMPARE(w.doc.cellText(2, 1), QStringLiteral("VOICE02.MP3"));
        QCOMPARE(w.editor.folderWatch()->folder(), path("x/DATA/"));
        QVERIFY(!w.editor.isMissing(1, 1) && !w.editor.isMissing(2, 1));
        QVERIFY(!w.editor.filePath(2, 1).isEmpty());
        QVERIFY(!w.editor.missingFiles().size());

        w.doc.undoStack()->undo();
        w.doc.undoStack()->undo();
        QVERIFY(!w.doc.IsDataFolderKnown() && !w.doc.isModified());
        drop(w, 1, 0, {"y/DATA/OTHER.MP3"});
        QVERIFY(prompt.texts().isEmpty());
        QCOMPARE(w.doc.cellText(1, 1), QStringLiteral("OTHER.MP3"));
        QCOMPARE(w.doc.dataFolderPath(), path("y/DATA/"));
        QVERIFY(!w.editor.isMissing(1, 1));
    }

    // Undo and redo of an edit out of sight bring it into view, cursor and all.
    void undoAndRedoShowTheChange()
    {
        ScriptedPrompt prompt;
        GridWindow w(QSize(700, 400));
        w.click(1, 0);
        QVERIFY(w.doc.SetSlotFile(12, 100, QStringLiteral("FAR.MP3")));
        w.click(1, 0);
        w.view->horizontalScrollBar()->setValue(0);
        QVERIFY(!inSight(w, 12, 99));

        w.doc.undoStack()->undo();
        QCOMPARE(w.editor.currentSlot(), (SlotPos{12, 100}));
        QVERIFY(inSight(w, 12, 99));

        w.click(1, 0);
        w.view->horizontalScrollBar()->setValue(0);
        w.doc.undoStack()->redo();
        QCOMPARE(w.editor.currentSlot(), (SlotPos{12, 100}));
        QVERIFY(inSight(w, 12, 99));
        QCOMPARE(w.doc.cellText(12, 100), QStringLiteral("FAR.MP3"));
    }

    // A playlist dropped with MP3 files is handed on only after the files are in place, so
    // that its window cannot come up over this one's questions.
    void playlistsOpenAfterTheFilesArePlaced()
    {
        ScriptedPrompt prompt;
        ModalScripts scripts;
        GridWindow w;
        QStringList placedWhenOpened;
        connect(&w.editor, &PlaylistEditor::playlistsDropped, this, [&](const QStringList&) {
            placedWhenOpened << w.doc.cellText(3, 2) << w.doc.cellText(4, 2);
        });
        QSignalSpy opened(&w.editor, &PlaylistEditor::playlistsDropped);
        drop(w, 3, 1, {"x/other.slp", "x/DATA/VOICE01.MP3", "x/DATA/VOICE02.MP3"});
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first().first().toStringList(), QStringList{path("x/other.slp")});
        QCOMPARE(placedWhenOpened, QStringList({"VOICE01.MP3", "VOICE02.MP3"}));
        QCOMPARE(scripts.played, 1); // one settings dialog for both files, before the opening
    }
};

QTEST_MAIN(TestViewHistory)
#include "tst_view_history.moc"
