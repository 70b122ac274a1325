// SPDX-License-Identifier: GPL-3.0-or-later
#include "../media/audiosource.h"
#include "commandids.h"
#include "gridwindow.h"
#include "importaudiodlg.h"
#include "scriptedprompt.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <QUrl>

namespace {

// Answers the import dialog with `onImport` and, when cancel is set, cancels the progress bar
// as soon as it shows. Any other modal dialog is rejected, so a failing test never hangs.
class ImportScript final
{
public:
    explicit ImportScript(std::function<void(CImportAudioDlg&)> onImport, bool cancel = false)
        : m_onImport(std::move(onImport)), m_cancel(cancel)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(10);
    }
    int imports = 0;
    int progressBars = 0;

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->property("seen").toBool())
            return;
        if (auto* progress = qobject_cast<QProgressDialog*>(modal)) {
            modal->setProperty("seen", true);
            ++progressBars;
            if (m_cancel)
                progress->cancel();
            return;
        }
        modal->setProperty("seen", true);
        if (auto* dlg = qobject_cast<CImportAudioDlg*>(modal)) {
            ++imports;
            m_onImport(*dlg);
            if (dlg->isVisible())
                dlg->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        } else if (auto* other = qobject_cast<QDialog*>(modal)) {
            other->reject();
        }
    }

    std::function<void(CImportAudioDlg&)> m_onImport;
    bool m_cancel;
    QTimer m_timer;
};

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace

// Import Audio from dropped files, and Match Loudness.
class TestViewImport final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;
    QString path(const QString& relative) const { return m_root.filePath(relative); }

    void drop(GridWindow& w, int column, int row, const QStringList& files)
    {
        QStringList paths;
        for (const QString& file : files)
            paths << path(file);
        QVERIFY(w.dropFiles(column, row, paths));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        QVERIFY(QDir().mkpath(path("in")));
        const auto at = [this](const char* name) { return path(name).toStdString(); };
        QVERIFY(WriteTone(at("in/Platform 2.wav"), "wavenc", 0.3, 1000, 48000, 2));
        QVERIFY(WriteTone(at("in/chime.flac"), "flacenc", 0.3, 1000));
        QVERIFY(WriteTone(at("in/chime.ogg"), "vorbisenc ! oggmux", 0.3, 1000, 44100, 2));
        QVERIFY(WriteTone(at("in/Closing announcement.mp3"), "lamemp3enc", 0.3, 1000));
        QVERIFY(WriteTone(at("in/long.wav"), "wavenc", 0.3, 120000, 48000, 2));
        // Four phrases 12 dB apart for Match Loudness, the loudest already 6 dB down.
        QVERIFY(QDir().mkpath(path("match/DATA")));
        const double amplitudes[] = {0.0125, 0.05, 0.2, 0.8};
        for (int i = 0; i < 4; ++i)
            QVERIFY(WriteTone(at("match/DATA") + "/L" + std::to_string(i) + ".MP3", "lamemp3enc",
                              amplitudes[i], 3000));
    }

    // Four formats dropped on a new playlist: the show folder is asked for and gets DATA,
    // names are derived and checked in the dialog, the files take the free frames from the
    // cell on, and the whole import is one step whose undo keeps the files.
    void dropImportsEveryFormatAsOneStep()
    {
        ScriptedPrompt prompt;
        QVERIFY(QDir().mkpath(path("show")));
        prompt.choose(path("show"));
        GridWindow w;
        w.putMp3(3, 3, "KEEP.MP3");
        const int steps = w.doc.undoStack()->count();
        ImportScript script([](CImportAudioDlg& dlg) {
            auto* table = dlg.findChild<QTableWidget*>();
            auto* ok = dlg.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            QCOMPARE(dlg.rows().size(), 4);
            QCOMPARE(table->item(1, 1)->text(), QStringLiteral("CHIME"));
            QCOMPARE(table->item(2, 1)->text(), QStringLiteral("CHIME~1"));
            QCOMPARE(table->item(3, 1)->text(), QStringLiteral("CLOSINGA"));
            QVERIFY(ok->isEnabled());
            for (const char* bad : {"A B", "NINECHARS", "chime", "A:B"}) {
                table->item(2, 1)->setText(QString::fromLatin1(bad));
                QVERIFY2(!ok->isEnabled() && !dlg.problem().isEmpty(), bad);
            }
            table->item(2, 1)->setText(QStringLiteral("bell"));
            QVERIFY(ok->isEnabled());
        });
        drop(w, 2, 2,
             {"in/Platform 2.wav", "in/chime.flac", "in/chime.ogg", "in/Closing announcement.mp3"});
        QCOMPARE(script.imports, 1);
        QCOMPARE(script.progressBars, 1);
        QCOMPARE(prompt.texts(), QStringList());
        QCOMPARE(Entries(path("show/DATA")),
                 (QStringList{"BELL.MP3", "CHIME.MP3", "CLOSINGA.MP3", "PLATFORM.MP3"}));
        const QStringList cells = {"PLATFORM.MP3", "KEEP.MP3", "CHIME.MP3", "BELL.MP3",
                                   "CLOSINGA.MP3"};
        for (int frame = 2; frame <= 6; ++frame)
            QCOMPARE(w.doc.cellText(frame, 3), cells[frame - 2]);
        QCOMPARE(w.doc.undoStack()->count(), steps + 1);
        QCOMPARE(w.doc.dataFolderPath(), path("show/DATA/"));
        w.doc.undoStack()->undo();
        QCOMPARE(w.doc.cellText(2, 3), QStringLiteral(" "));
        QCOMPARE(w.doc.cellText(6, 3), QStringLiteral(" "));
        QCOMPARE(Entries(path("show/DATA")).size(), 4);
    }

    // Cancelling the encoding leaves neither files nor slots behind.
    void cancelLeavesNothing()
    {
        ScriptedPrompt prompt;
        QVERIFY(QDir().mkpath(path("cancel/DATA")));
        GridWindow w;
        w.doc.setDataFolderFromFile(path("cancel/DATA/X.MP3"));
        const int steps = w.doc.undoStack()->count();
        ImportScript script([](CImportAudioDlg&) {}, true);
        drop(w, 1, 0, {"in/long.wav", "in/long.wav"});
        QCOMPARE(script.progressBars, 1);
        QCOMPARE(Entries(path("cancel/DATA")), QStringList());
        QCOMPARE(w.doc.cellText(1, 1), QStringLiteral(" "));
        QCOMPARE(w.doc.undoStack()->count(), steps);
    }

    // Match Loudness over the playlist: the volumes make the four phrases play alike as one
    // step; a missing file is reported and left alone.
    void matchLoudnessSetsVolumesInOneStep()
    {
        ScriptedPrompt prompt;
        prompt.answer(QMessageBox::YesToAll);
        prompt.answer(QMessageBox::Ok);
        GridWindow w;
        w.doc.setDataFolderFromFile(path("match/DATA/L0.MP3"));
        for (int i = 0; i < 4; ++i)
            w.putMp3(i + 1, 2, QStringLiteral("L%1.MP3").arg(i).toLatin1().constData(), 0,
                     i == 3 ? 6 : 0);
        w.putMp3(1, 9, "GONE.MP3", 0, 3);
        const int steps = w.doc.undoStack()->count();
        w.click(1, 1);
        QVERIFY(w.commands.execute(ID_MATCH_LOUDNESS));
        QCOMPARE(prompt.texts().size(), 2);
        const int expected[] = {0, 12, 24, 36};
        for (int i = 0; i < 4; ++i) {
            const int attenuation = w.doc.table().RecordAt(i + 1, 2)[cuelist::record::kVolume];
            QVERIFY2(std::abs(attenuation - expected[i]) <= 1, qPrintable(QString::number(i)));
        }
        QCOMPARE(int(w.doc.table().RecordAt(1, 9)[cuelist::record::kVolume]), 3);
        QVERIFY(prompt.texts().last().contains(QStringLiteral("0009-01 GONE.MP3")));
        QCOMPARE(w.doc.undoStack()->count(), steps + 1);
    }
};

QTEST_MAIN(TestViewImport)
#include "tst_view_import.moc"
