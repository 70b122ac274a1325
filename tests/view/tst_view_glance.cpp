// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/playlistfile.h"
#include "cuegriddelegate.h"
#include "cuegridmodel.h"
#include "datafolderwatch.h"
#include "gridmetrics.h"
#include "gridwindow.h"
#include "modalscripts.h"
#include "scriptedprompt.h"
#include "text/messages.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

// What the grid shows about a show at a glance: names in full, missing files flagged as the
// data folder changes, tool tips, and the channel type-ahead.
class TestViewGlance final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    static bool missing(const GridWindow& w, int frame, int channel)
    {
        return w.view->model()->index(channel - 1, frame).data(CueGridModel::kMissingRole).toBool();
    }
    static QString tip(const GridWindow& w, int frame, int channel)
    {
        return w.view->model()->index(channel - 1, frame).data(Qt::ToolTipRole).toString();
    }
    void touch(const QString& relative)
    {
        QFile file(m_dir.filePath(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void phraseColumnsFitAFullName_data()
    {
        QTest::addColumn<bool>("japanese");
        QTest::newRow("English") << false;
        QTest::newRow("Japanese") << true;
    }
    void phraseColumnsFitAFullName()
    {
        QFETCH(bool, japanese);
        cuelist::text::InstallTranslations(*qApp, japanese ? QLocale(QLocale::Japanese)
                                                           : QLocale(QLocale::English));
        {
            GridWindow w;
            w.putMp3(1, 1, "MMMMMMMM.MP3");
            QHeaderView* header = w.view->horizontalHeader();
            const QFontMetrics metrics(w.view->font());
            QCOMPARE(header->sectionSize(0), header->sectionSizeHint(0));
            for (int column = 1; column <= 16; ++column) {
                const int width = header->sectionSize(column);
                QVERIFY(width >= header->sectionSizeHint(column));
                bool shortened = true;
                FitCellText(metrics, QStringLiteral("MMMMMMMM.MP3"),
                            width - CueGridDelegate::kMarkSpace, CueGridDelegate::kTextMargins,
                            &shortened);
                QVERIFY2(!shortened, qPrintable(QString::number(column)));
            }

            // A user's widths are taken; narrower than the minimum is raised to it.
            QList<int> widths = w.view->sizer()->columnWidths();
            widths[2] += 40;
            widths[3] = 10;
            QSignalSpy resized(w.view->sizer(), &GridSizer::columnWidthsChanged);
            w.view->sizer()->setColumnWidths(widths);
            QCOMPARE(resized.count(), 0); // only the user's own resizing is reported
            QCOMPARE(w.view->columnWidth(2), widths[2]);
            QCOMPARE(w.view->columnWidth(3), w.view->sizer()->minimumColumnWidth(3));
            header->resizeSection(5, 400);
            QCOMPARE(resized.count(), 1);
        }
        cuelist::text::InstallTranslations(*qApp, QLocale(QLocale::English));
    }

    void typeAheadMovesToTheChannel_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("channel");
        QTest::newRow("7") << "7" << 7;
        QTest::newRow("07") << "07" << 7;
        QTest::newRow("0007") << "0007" << 7;
        QTest::newRow("two digits") << "12" << 12;
        QTest::newRow("three digits") << "127" << 127;
        QTest::newRow("past the last channel") << "128" << 12;
        QTest::newRow("a letter") << "c" << 1;
        QTest::newRow("zero") << "0000" << 1;
    }
    void typeAheadMovesToTheChannel()
    {
        QFETCH(QString, keys);
        QFETCH(int, channel);
        GridWindow w;
        w.putMp3(1, 3, "CAT.MP3"); // a name starting with the typed letter changes nothing
        w.click(2, 0);
        QTest::keyClicks(w.view, keys);
        QCOMPARE(w.view->currentIndex().row() + 1, channel);
        QCOMPARE(w.editor.currentSlot(), (SlotPos{2, channel}));
    }

    void missingFilesFollowTheDataFolder()
    {
        QDir(m_dir.path()).mkpath("show/Data");
        touch("show/Data/voice01.mp3");
        cuelist::SlotTable table;
        table.SetSlotFile(1, 1, "VOICE01.MP3");
        table.SetSlotFile(2, 1, "LATER.MP3");
        table.SetSlotFile(3, 5, "LATER.MP3");
        const QString playlist = m_dir.filePath("show/show.slp");
        {
            const auto image = cuelist::BuildImage(table);
            QFile file(playlist);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(reinterpret_cast<const char*>(image.data()), qint64(image.size()));
        }

        GridWindow w;
        QVERIFY(w.doc.OnOpenDocument(playlist).ok());
        w.doc.setPathName(playlist);
        QVERIFY(!missing(w, 1, 1));
        QVERIFY(missing(w, 2, 1) && missing(w, 3, 5));
        QVERIFY(!missing(w, 4, 1)); // an empty slot is never flagged
        QCOMPARE(tip(w, 2, 1).split('\n').first(), QStringLiteral("LATER.MP3"));
        QVERIFY(tip(w, 2, 1).contains("Repeat Times=0 /Volume=0 /Interval=0sec."));
        QVERIFY(tip(w, 2, 1).endsWith("missing"));
        QVERIFY(!tip(w, 1, 1).contains("missing"));
        QVERIFY(tip(w, 4, 1).isEmpty());

        // The play-time pane follows the cursor's channel on the Channel column too, and the
        // count stops at the first missing file, as the preview does.
        w.editor.OnActivateView(true);
        w.click(0, 4);
        QTRY_VERIFY(w.editor.playTimeText().startsWith("Ch.0005"));
        QVERIFY(w.editor.playTimeText().contains("stops at frame 3"));
        w.click(0, 0);
        QTRY_VERIFY(w.editor.playTimeText().startsWith("Ch.0001"));
        QVERIFY(w.editor.playTimeText().contains("stops at frame 2"));

        // Files copied in, removed or renamed in DATA: one listing, flags follow.
        touch("show/Data/Later.mp3");
        QTRY_VERIFY(!missing(w, 2, 1) && !missing(w, 3, 5));
        QVERIFY(QFile::rename(m_dir.filePath("show/Data/voice01.mp3"),
                              m_dir.filePath("show/Data/voice02.mp3")));
        QTRY_VERIFY(missing(w, 1, 1));
        // The DATA folder itself renamed away and back.
        QVERIFY(QDir(m_dir.path()).rename("show/Data", "show/old"));
        QTRY_VERIFY(missing(w, 2, 1));
        QVERIFY(QDir(m_dir.path()).rename("show/old", "show/DATA"));
        QTRY_VERIFY(!missing(w, 2, 1));

        // Saved elsewhere, the playlist's data folder is the one beside it.
        QDir(m_dir.path()).mkpath("copy/data");
        touch("copy/data/VOICE02.MP3");
        QVERIFY(w.doc.SetSlotFile(1, 1, "voice02.mp3"));
        QVERIFY(!missing(w, 1, 1)); // the flags follow every edit
        w.doc.undoStack()->undo();
        QVERIFY(missing(w, 1, 1));
        w.doc.undoStack()->redo();
        const QString copy = m_dir.filePath("copy/copy.slp");
        QVERIFY(w.doc.OnSaveDocument(copy).ok());
        w.doc.setPathName(copy);
        QVERIFY(!missing(w, 1, 1));
        QVERIFY(missing(w, 2, 1));
        QCOMPARE(w.view->editor()->folderWatch()->folder(), m_dir.filePath("copy/data/"));
    }

    void findAndRelinkMissingFiles()
    {
        QDir(m_dir.path()).mkpath("relink/DATA");
        QDir(m_dir.path()).mkpath("elsewhere");
        touch("relink/DATA/NEW.MP3");
        touch("relink/DATA/LONGNAME1.MP3");
        touch("elsewhere/OTHER.MP3");
        cuelist::SlotTable table;
        table.SetSlotFile(1, 1, "GONE.MP3");
        table.SetSlotRepeat(1, 1, 3);
        table.SetSlotFile(5, 7, "GONE.MP3");
        table.SetSlotFile(2, 1, "LOST.MP3");
        const QString playlist = m_dir.filePath("relink/show.slp");
        {
            const auto image = cuelist::BuildImage(table);
            QFile file(playlist);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(reinterpret_cast<const char*>(image.data()), qint64(image.size()));
        }
        ScriptedPrompt prompt;
        GridWindow w;
        QVERIFY(w.doc.OnOpenDocument(playlist).ok());
        w.doc.setPathName(playlist);
        const auto listed = w.view->editor()->missingFiles();
        QCOMPARE(listed.size(), 2);
        QCOMPARE(listed[0].name, QStringLiteral("GONE.MP3"));
        QCOMPARE(listed[0].places, (QList<QPoint>{{1, 1}, {5, 7}}));
        QCOMPARE(CFindMissingDlg::SlotsText(listed[0].places), QStringLiteral("0001-01, 0007-05"));

        // A file from outside the data folder, or with a name a slot cannot hold, is refused.
        prompt.choose(m_dir.filePath("elsewhere/OTHER.MP3"));
        prompt.choose(m_dir.filePath("relink/DATA/LONGNAME1.MP3"));
        QVERIFY(!w.view->editor()->relinkMissingFile("GONE.MP3"));
        QVERIFY(!w.view->editor()->relinkMissingFile("GONE.MP3"));
        QCOMPARE(prompt.texts().size(), 2);
        QCOMPARE(prompt.texts().last(), QStringLiteral("Settable file name within 8 characters"));
        QCOMPARE(w.doc.undoStack()->count(), 0);

        // Relink from the dialog: every slot takes the new name and keeps its settings.
        prompt.choose(m_dir.filePath("relink/DATA/NEW.MP3"));
        int shown = -1;
        ModalScripts scripts({[&](QDialog& dlg) {
            auto* find = qobject_cast<CFindMissingDlg*>(&dlg);
            QVERIFY(find);
            find->selectName("GONE.MP3");
            dlg.findChild<QPushButton*>("RelinkButton")->click();
            shown = find->count();
        }});
        w.commands.execute(ID_FIND_MISSING);
        QCOMPARE(shown, 1); // LOST.MP3 is left
        QCOMPARE(w.doc.cellText(1, 1), QStringLiteral("NEW.MP3"));
        QCOMPARE(w.doc.cellText(5, 7), QStringLiteral("NEW.MP3"));
        QCOMPARE(w.doc.table().RecordAt(1, 1)[cuelist::record::kRepeat], 3);
        QVERIFY(!missing(w, 1, 1) && !missing(w, 5, 7));
        QCOMPARE(w.doc.undoStack()->count(), 1);
        w.doc.undoStack()->undo(); // the flags follow the undo
        QVERIFY(missing(w, 1, 1) && missing(w, 5, 7));
    }
};

QTEST_MAIN(TestViewGlance)
#include "tst_view_glance.moc"
