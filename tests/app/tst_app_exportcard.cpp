// SPDX-License-Identifier: GPL-3.0-or-later
#include "appfixture.h"
#include "commandids.h"
#include "commandtable.h"
#include "cueapp.h"
#include "exportcardcontroller.h"
#include "exportcarddlg.h"
#include "scriptedprompt.h"

#include <functional>
#include <QDir>
#include <QDirIterator>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace AppFixture;
namespace ce = cuelist::cardexport;

namespace {

// Answers the export's own windows as they open: the plan dialog with a script, the
// progress dialog optionally cancelled. Anything left open is rejected, so a failing test
// never hangs.
class ExportWindows final
{
public:
    using Script = std::function<void(CExportCardDlg&)>;
    ExportWindows(Script plan, bool cancelProgress)
        : m_plan(std::move(plan)), m_cancelProgress(cancelProgress)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(0);
    }

    QString planText;
    bool planShown = false;
    bool progressShown = false;

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<CExportCardDlg*>(modal); dialog && !planShown) {
            planShown = true;
            planText = dialog->text();
            m_plan(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        } else if (auto* progress = qobject_cast<QProgressDialog*>(modal);
                   progress && !progressShown) {
            progressShown = true;
            if (auto* cancel = progress->findChild<QPushButton*>(); cancel && m_cancelProgress)
                cancel->click();
        }
    }

    Script m_plan;
    bool m_cancelProgress;
    QTimer m_timer;
};

void Accept(CExportCardDlg& dialog)
{
    if (auto* start = dialog.findChild<QPushButton*>("ExportButton"))
        start->click();
}

QStringList Files(const QString& folder)
{
    QStringList names;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QDir(folder).relativeFilePath(it.next());
    names.sort();
    return names;
}

} // namespace

class AppExportCardTest final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    cuelist::SlotTable m_table;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    ExportCardController::Source source() const
    {
        return {m_table, path("show/show.slp"), path("show/data/")};
    }

private slots:
    void init()
    {
        ClearProfile();
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(path("show/DATA"));
        QDir().mkpath(path("card/DATA"));
        m_table = {};
        for (int k = 0; k < 48; ++k) {
            const QString name = QStringLiteral("F%1.mp3").arg(k);
            QCOMPARE(m_table.SetSlotFile(1 + k % 16, 1 + k / 16, name.toStdString()),
                     cuelist::kSlotDone);
            QVERIFY(WriteFile(path("show/DATA/") + name, 256 * 1024));
        }
        QVERIFY(WriteFile(path("card/DATA/OLD.MP3"), 3));
        QVERIFY(WritePlaylist(path("show/show.slp"), m_table));
    }

    // Through the File menu of a running editor: the folder, the plan with the extra file,
    // the removal chosen, the copy and the report.
    void exportsFromTheFileMenu()
    {
        ScriptedPrompt script;
        CCueApp app;
        QVERIFY(app.InitInstance({path("show/show.slp")}));
        script.choose(path("card"));
        ExportWindows windows(
            [](CExportCardDlg& dialog) {
                dialog.findChild<QRadioButton*>("RemoveExtras")->setChecked(true);
                Accept(dialog);
            },
            false);
        QVERIFY(app.commands()->execute(ID_EXPORT_CARD));

        QVERIFY(windows.planText.contains("MP3 files to copy"));
        QVERIFY(windows.planText.contains("    OLD.MP3"));
        QVERIFY(windows.progressShown);
        QCOMPARE(script.asked.size(), 1);
        QCOMPARE(script.asked[0].icon, QMessageBox::Information);
        QVERIFY2(script.asked[0].text.contains("MP3 files copied and verified: 48"),
                 qPrintable(script.asked[0].text));
        const QStringList files = Files(path("card"));
        QCOMPARE(files.size(), 49);
        QVERIFY(files.contains("DATA/F47.MP3"));
        QVERIFY(!files.contains("DATA/OLD.MP3"));
        QCOMPARE(files.last(), QStringLiteral("show.slp"));
    }

    // Problems are shown first, and then nothing but Close is offered.
    void problemsKeepTheExportFromStarting()
    {
        ScriptedPrompt script;
        QFile::remove(path("show/DATA/F7.mp3"));
        const QStringList before = Files(path("card"));
        script.choose(path("card"));
        bool exportOffered = true;
        ExportWindows windows(
            [&](CExportCardDlg& dialog) {
                exportOffered = dialog.findChild<QPushButton*>("ExportButton") != nullptr;
                dialog.accept(); // even forced, the blocked plan does not run
            },
            false);
        QWidget parent;
        QVERIFY(!ExportCardController(&parent).run(source()).has_value());
        QVERIFY(windows.planShown);
        QVERIFY(!exportOffered);
        QVERIFY(windows.planText.contains("F7.MP3 is not in the data folder."));
        QVERIFY(!windows.progressShown);
        QVERIFY(script.asked.isEmpty());
        QCOMPARE(Files(path("card")), before);

        // A cancelled folder chooser ends it all quietly.
        script.choose(QString());
        QVERIFY(!ExportCardController(&parent).run(source()).has_value());
        QCOMPARE(script.dialogs.size(), 2);
    }

    void cancelFromTheProgressBarLeavesTheCard()
    {
        ScriptedPrompt script;
        QVERIFY(WriteFile(path("card/show.slp"), 5));
        const QStringList before = Files(path("card"));
        script.choose(path("card"));
        ExportWindows windows(Accept, true);
        QWidget parent;
        const auto outcome = ExportCardController(&parent).run(source());
        QVERIFY(outcome == ce::ExportOutcome::Cancelled);
        QVERIFY(windows.progressShown);
        QCOMPARE(script.asked.size(), 1);
        QCOMPARE(script.asked[0].icon, QMessageBox::Warning);
        QVERIFY(script.asked[0].text.contains("cancelled"));
        QCOMPARE(Files(path("card")), before);
        QCOMPARE(QFileInfo(path("card/show.slp")).size(), 5);
    }
};

QTEST_MAIN(AppExportCardTest)
#include "tst_app_exportcard.moc"
