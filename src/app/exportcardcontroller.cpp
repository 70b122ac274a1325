// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportcardcontroller.h"

#include "exportcarddlg.h"
#include "prompt/prompt.h"
#include "settingvalue.h"
#include "text/exporttext.h"

#include <atomic>
#include <mutex>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QTimer>
#include <thread>

namespace ce = cuelist::cardexport;

namespace {

const SettingValue<QString>& LastCardFolder()
{
    static const SettingValue<QString> value(QStringLiteral("EXPORT/CARD"));
    return value;
}

QStringList ProblemLines(const ce::ExportPlan& plan)
{
    QStringList lines;
    for (const ce::Problem& problem : plan.problems) {
        lines << cuelist::text::ExportProblemText(problem);
        for (const std::string& name : problem.names)
            lines << QStringLiteral("    ") + QString::fromStdString(name);
    }
    return lines;
}

// What the worker shares with the GUI thread while it copies.
struct SharedProgress
{
    std::atomic<std::uint64_t> done{0};
    std::atomic<std::uint64_t> total{0};
    std::atomic<bool> cancel{false};
    std::atomic<bool> finished{false};
    std::mutex nameLock;
    std::string name; // guarded by nameLock
};

} // namespace

ExportCardController::ExportCardController(QWidget* parent) : QObject(parent), m_parent(parent) {}

std::optional<ce::ExportOutcome> ExportCardController::run(const Source& source)
{
    const QString title = tr("Export to Card");
    QString start = LastCardFolder().get();
    if (start.isEmpty() || !QFileInfo(start).isDir())
        start = QDir::homePath();
    const QString folder = prompt().existingFolder(m_parent, title, start);
    if (folder.isEmpty())
        return std::nullopt;
    LastCardFolder().set(folder);

    ce::ExportSource exportSource{source.table,
                                  QFileInfo(source.playlistPath).fileName().toStdString(),
                                  QFile::encodeName(source.dataFolderPath).toStdString()};
    if (exportSource.playlistName.empty())
        exportSource.playlistName = "playlist.slp";
    ce::ExportPlan plan;
    {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        plan = ce::PlanExport(exportSource, QFile::encodeName(folder).toStdString());
        QGuiApplication::restoreOverrideCursor();
    }

    CExportCardDlg dialog(
        folder, plan.target.empty() ? QStringList() : cuelist::text::ExportPlanLines(plan),
        ProblemLines(plan), plan.blocked(), !plan.extras.empty(), m_parent);
    if (dialog.exec() != QDialog::Accepted || plan.blocked())
        return std::nullopt;

    const ce::ExportReport report = copy(plan, exportSource.table, dialog.removeExtras());
    const bool done = report.outcome == ce::ExportOutcome::Done;
    prompt().ask(m_parent, cuelist::text::ExportReportLines(report).join(u'\n'), QMessageBox::Ok,
                 done ? QMessageBox::Information : QMessageBox::Warning, title);
    return report.outcome;
}

ce::ExportReport ExportCardController::copy(const ce::ExportPlan& plan,
                                            const cuelist::SlotTable& table, bool removeExtras)
{
    SharedProgress shared;
    ce::ExportReport report;
    std::thread worker([&] {
        report =
            ce::RunExport(plan, table, removeExtras ? ce::ExtraFiles::Remove : ce::ExtraFiles::Keep,
                          [&](std::uint64_t done, std::uint64_t total, const std::string& name) {
                              shared.done = done;
                              shared.total = total;
                              if (!name.empty()) {
                                  const std::lock_guard lock(shared.nameLock);
                                  shared.name = name;
                              }
                              return !shared.cancel.load();
                          });
        shared.finished = true;
    });

    // Application-modal, so that no playlist can be closed or exported again meanwhile.
    QProgressDialog progress(tr("Copying to the card..."), tr("Cancel"), 0, 1000, m_parent);
    progress.setWindowTitle(tr("Export to Card"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumWidth(420);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    connect(&progress, &QProgressDialog::canceled, &progress, [&] {
        shared.cancel = true;
        progress.setLabelText(tr("Cancelling..."));
    });

    QEventLoop loop;
    QTimer poll;
    poll.setInterval(50);
    connect(&poll, &QTimer::timeout, &loop, [&] {
        if (shared.finished) {
            loop.quit();
            return;
        }
        if (progress.wasCanceled())
            shared.cancel = true;
        const std::uint64_t total = shared.total;
        if (total > 0 && !shared.cancel)
            progress.setValue(int(shared.done * 1000 / total));
        std::string name;
        {
            const std::lock_guard lock(shared.nameLock);
            name = shared.name;
        }
        if (!name.empty() && !shared.cancel)
            progress.setLabelText(
                tr("Copying %1 to the card...").arg(QString::fromStdString(name)));
    });
    progress.show();
    poll.start();
    if (!shared.finished)
        loop.exec();
    worker.join();
    return report;
}
