#include "gridwindow.h"
#include "modalscripts.h"
#include "mp3phrasedlg.h"
#include "scriptedprompt.h"

#include <QAbstractSpinBox>
#include <QFile>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>

namespace {

const QString kAsk = QStringLiteral("Do you want to save changes");
const QString kNotInData = QStringLiteral("Select file existring in the DATA folder");
const QString kOtherData =
    QStringLiteral("Cannot refer to the files in this \"data\" folder from the playlist.");
const QString kInvalid = QStringLiteral("Selected setup frame or channel is unauthorized/invalid");

void Click(QDialog& dlg, const char* button)
{
    QTest::mouseClick(dlg.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
}

} // namespace

// Files dropped from the file manager onto the grid.
class TestViewDrop final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;

    QString path(const QString& relative) const { return m_root.filePath(relative); }

    QString touch(const QString& relative) const
    {
        QDir().mkpath(QFileInfo(path(relative)).absolutePath());
        QFile file(path(relative));
        if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(1500, 'x')) != 1500)
            qWarning("cannot write %s", qPrintable(relative));
        return path(relative);
    }

    // Drags the paths over the cell and drops them there, then lets the drop's work run.
    static void drop(GridWindow& w, int column, int row, const QStringList& paths)
    {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString& p : paths)
            urls << QUrl::fromLocalFile(p);
        mime.setUrls(urls);
        const QPoint at = w.cellCenter(column, row);
        QWidget* viewport = w.view->viewport();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        QDropEvent dropped(at, Qt::CopyAction, &mime, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &dropped);
        QVERIFY(enter.isAccepted() && move.isAccepted() && dropped.isAccepted());
        QApplication::processEvents();
    }

    static QString cell(GridWindow& w, int frame, int channel)
    {
        return w.view->model()->index(channel - 1, frame).data().toString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        for (const char* name : {"x/DATA/VOICE01.MP3", "x/DATA/VOICE02.MP3", "x/DATA/VOICE03.MP3",
                                 "x/DATA/LONGNAME1.MP3", "x/DATA/   ", "x/AUDIO/A.MP3",
                                 "y/DATA/OTHER.MP3", "z/data/voice09.mp3"})
            touch(QLatin1String(name));
        QVERIFY(QDir().mkpath(path("x/DATA/SUB.MP3")));
        QVERIFY(QFile::link(path("x/DATA/VOICE02.MP3"), path("shortcut.mp3")));
    }

    // A new playlist: the first file fixes the data folder and opens the MP3 dialog with
    // Apply off; Cancel keeps the file but leaves the document unmodified; OK commits.
    void firstDropOnNewPlaylist()
    {
        ScriptedPrompt prompt;
        GridWindow w;
        QSignalSpy titles(&w.doc, &CCueDoc::frameTitleUpdateRequested);
        QString shownInCell;
        ModalScripts scripts({[&](QDialog& dlg) {
                                  auto* mp3 = qobject_cast<CMp3PhraseDlg*>(&dlg);
                                  QVERIFY(mp3);
                                  QCOMPARE(mp3->frame(), 5);
                                  QCOMPARE(mp3->channel(), 3);
                                  QCOMPARE(mp3->volume(), 0);
                                  QCOMPARE(mp3->repeatTimes(), 0);
                                  QVERIFY(!dlg.findChild<QPushButton*>("applyButton")->isEnabled());
                                  shownInCell = cell(w, 5, 3);
                                  QCOMPARE(titles.size(), 1);
                                  Click(dlg, "cancelButton");
                              },
                              [](QDialog& dlg) {
                                  auto* repeat = dlg.findChild<QAbstractSpinBox*>("repeatField");
                                  repeat->selectAll();
                                  QTest::keyClicks(repeat, "4");
                                  Click(dlg, "okButton");
                              }});
        drop(w, 5, 2, {path("x/DATA/VOICE01.MP3")});
        QCOMPARE(scripts.played, 1);
        QCOMPARE(shownInCell, QStringLiteral("VOICE01.MP3"));
        QVERIFY(!w.doc.isModified());
        QVERIFY(w.doc.IsDataFolderKnown());
        QCOMPARE(w.doc.dataFolderPath(), path("x/DATA/"));
        int frame = 0;
        int channel = 0;
        w.doc.GetCurrentSlot(frame, channel);
        QCOMPARE(QPoint(frame, channel), QPoint(5, 3));

        // A symbolic link stands for its target.
        drop(w, 6, 2, {path("shortcut.mp3")});
        QCOMPARE(scripts.played, 2);
        QCOMPARE(cell(w, 6, 3), QStringLiteral("VOICE02.MP3"));
        std::uint8_t repeat = 0;
        std::uint8_t type = 0;
        w.doc.table().GetSlotRepeat(6, 3, repeat, type);
        QCOMPARE(repeat, 4);
        QVERIFY(w.doc.isModified());
        QVERIFY(prompt.asked.isEmpty());
    }

    // Each refusal tells why and writes nothing.
    void refusals()
    {
        ScriptedPrompt prompt;
        GridWindow w;
        ModalScripts scripts;
        drop(w, 3, 0, {path("x/AUDIO/A.MP3")});
        drop(w, 3, 0, {path("x/DATA/SUB.MP3"), path("x/DATA"), path("x/DATA/   ")});
        drop(w, 3, 0, {path("x/DATA/LONGNAME1.MP3"), path("x/DATA/missing.mp3")});
        QCOMPARE(prompt.texts(),
                 (QStringList{kNotInData, kNotInData, kNotInData,
                              QStringLiteral("Settable file type in MP3 only"),
                              QStringLiteral("Settable file name within 8 characters")}));
        QVERIFY(!w.doc.IsDataFolderKnown());

        // Lower-case data folder and name; then another DATA folder is refused.
        prompt.answer(QMessageBox::Ok);
        drop(w, 3, 0, {path("z/data/voice09.mp3"), path("y/DATA/OTHER.MP3")});
        QCOMPARE(cell(w, 3, 1), QStringLiteral("VOICE09.MP3"));
        QCOMPARE(prompt.texts().mid(5), (QStringList{kAsk, kOtherData}));

        // The Channel column, right of the last column and below the rows: asked, refused.
        prompt.asked.clear();
        const QByteArray before(reinterpret_cast<const char*>(w.doc.table().Bytes().data()),
                                qsizetype(cuelist::kImageSize));
        for (int i = 0; i < 8; ++i) // refusals take an answer too
            prompt.answer(QMessageBox::Ok);
        drop(w, 0, 4, {path("z/data/voice09.mp3")});
        w.view->AssignDroppedFile(path("z/data/voice09.mp3"), QPoint(17, 4));
        w.view->AssignDroppedFile(path("z/data/voice09.mp3"), QPoint(-1, -1));
        // A folder on an occupied slot leaves it as it was.
        drop(w, 3, 0, {path("x/DATA/SUB.MP3")});
        QCOMPARE(prompt.texts(),
                 (QStringList{kAsk, QStringLiteral("Do not setup file in a channel"), kAsk,
                              kInvalid, kAsk, kInvalid, kAsk, kNotInData}));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(w.doc.table().Bytes().data()),
                            qsizetype(cuelist::kImageSize)),
                 before);
        QCOMPARE(scripts.played, 1);
    }

    // Several files go to one cell in turn, each confirmed from the second on; Cancel on
    // the question keeps the slot.
    void severalFilesToOneCell()
    {
        ScriptedPrompt prompt;
        GridWindow w;
        ModalScripts scripts;
        prompt.answer(QMessageBox::Ok);
        prompt.answer(QMessageBox::Cancel);
        drop(w, 2, 6,
             {path("x/DATA/VOICE01.MP3"), path("x/DATA/VOICE02.MP3"), path("x/DATA/VOICE03.MP3")});
        QCOMPARE(prompt.texts(), (QStringList{kAsk, kAsk}));
        QCOMPARE(scripts.played, 2);
        QCOMPARE(cell(w, 2, 7), QStringLiteral("VOICE02.MP3"));
        QVERIFY(!w.doc.isModified());
    }
};

QTEST_MAIN(TestViewDrop)
#include "tst_view_drop.moc"
