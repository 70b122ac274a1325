// SPDX-License-Identifier: GPL-3.0-or-later
#include "appfixture.h"
#include "childframe.h"
#include "commandids.h"
#include "commandtable.h"
#include "cueapp.h"
#include "cuedoc.h"
#include "mainframe.h"
#include "scriptedprompt.h"
#include "sheetprintdialogs.h"

#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

using namespace AppFixture;

namespace {

// Print dialogs that send the pages to a PDF file instead of a printer, and count the calls.
class PdfPrintDialogs final : public SheetPrintDialogs
{
public:
    PdfPrintDialogs() : m_previous(setCurrent(this)) {}
    ~PdfPrintDialogs() override { setCurrent(m_previous); }
    Q_DISABLE_COPY_MOVE(PdfPrintDialogs)

    bool choosePrinter(QWidget*, QPrinter& printer) override
    {
        ++printerChosen;
        orientation = printer.pageLayout().orientation();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(output);
        return accept;
    }
    void preview(QWidget*, QPrinter& printer, const std::function<void(QPrinter*)>& paint) override
    {
        ++previews;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(output);
        paint(&printer);
    }

    QString output;
    bool accept = true;
    int printerChosen = 0;
    int previews = 0;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;

private:
    SheetPrintDialogs* m_previous;
};

int PageCount(const QString& pdf)
{
    QFile file(pdf);
    return file.open(QIODevice::ReadOnly) ? int(file.readAll().count("/Type /Page\n")) : -1;
}

} // namespace

// The cue sheet from the running editor: Print, Print Preview and Export PDF.
class AppSheetTest final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_playlist;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qputenv("HOME", m_dir.path().toUtf8());
        qputenv("XDG_CACHE_HOME", m_dir.filePath("cache").toUtf8());
        QDir(m_dir.path()).mkpath("show/DATA");
        cuelist::SlotTable table;
        for (int channel = 1; channel <= 40; ++channel)
            table.SetSlotFile(1 + channel % 16, channel, "VOICE01.MP3");
        m_playlist = m_dir.filePath("show/list.slp");
        QVERIFY(WritePlaylist(m_playlist, table));
        QVERIFY(WriteFile(m_dir.filePath("show/DATA/VOICE01.MP3"), 4096));
    }

    void init() { ClearProfile(); }

    void printAndPreviewByKeyAndMenu()
    {
        ScriptedPrompt script;
        PdfPrintDialogs dialogs;
        CCueApp app;
        QVERIFY(app.InitInstance({m_playlist}));
        CMainFrame* frame = app.mainFrame();
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame));

        dialogs.output = m_dir.filePath("printed.pdf");
        QTest::keyClick(frame, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(dialogs.printerChosen, 1);
        QCOMPARE(dialogs.orientation, QPageLayout::Landscape);
        QVERIFY(PageCount(dialogs.output) >= 1);

        // Cancelled in the dialog: nothing printed, nothing said.
        dialogs.accept = false;
        dialogs.output = m_dir.filePath("cancelled.pdf");
        app.commands()->action(ID_FILE_PRINT)->trigger();
        QCOMPARE(dialogs.printerChosen, 2);
        QVERIFY(!QFile::exists(dialogs.output));
        QVERIFY(script.asked.isEmpty());

        dialogs.output = m_dir.filePath("preview.pdf");
        app.commands()->action(ID_FILE_PRINT_PREVIEW)->trigger();
        QCOMPARE(dialogs.previews, 1);
        QCOMPARE(PageCount(dialogs.output), PageCount(m_dir.filePath("printed.pdf")));

        // Without a playlist window there is no sheet to print.
        frame->activeChild()->closeWithoutAsking();
        QTRY_VERIFY(!frame->activeChild());
        app.commands()->updateStates();
        for (int id : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_EXPORT_PDF})
            QVERIFY(!app.commands()->action(id)->isEnabled());
    }

    // Export PDF offers the playlist's name beside it, never writes over a playlist, asks
    // before replacing a file, and reports a file it cannot write.
    void exportPdf()
    {
        ScriptedPrompt script;
        CCueApp app;
        QVERIFY(app.InitInstance({m_playlist}));
        const QString pdf = m_dir.filePath("show/list.pdf");

        script.choose(m_playlist); // refused: the playlist itself
        script.choose(pdf);
        app.commands()->execute(ID_FILE_EXPORT_PDF);
        QCOMPARE(script.dialogs.size(), 1);
        QCOMPARE(script.dialogs[0].initial, pdf);
        QCOMPARE(script.asked.size(), 1);
        QVERIFY(script.asked[0].text.contains("is a playlist"));
        QVERIFY(QFile(pdf).open(QIODevice::ReadOnly));
        QVERIFY(PageCount(pdf) >= 1);
        QCOMPARE(QFileInfo(m_playlist).size(), qint64(261888));

        // Replacing is asked; No keeps the old file.
        QVERIFY(QFile::resize(pdf, 10));
        script.choose(pdf);
        script.answer(QMessageBox::No);
        app.commands()->execute(ID_FILE_EXPORT_PDF);
        QCOMPARE(QFileInfo(pdf).size(), qint64(10));
        QVERIFY(script.asked.last().text.contains("already exists"));

        // A FIFO where the file should go: told, never opened for writing, nothing left.
        const QString fifo = m_dir.filePath("show/fifo.pdf");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        script.choose(fifo);
        script.answer(QMessageBox::Yes);
        app.commands()->execute(ID_FILE_EXPORT_PDF);
        QVERIFY(script.asked.last().text.startsWith("Unable to save"));
        QCOMPARE(QDir(m_dir.filePath("show")).entryList(QDir::Files | QDir::System).size(), 3);
    }
};

QTEST_MAIN(AppSheetTest)
#include "tst_app_sheet.moc"
