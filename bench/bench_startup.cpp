// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and open figures of the editor, offscreen:
//  1. process start of cuelist-studio to the first painted grid, its CPU time and the peak
//     resident memory by then (a child process per run; the program reports them itself),
//     against a bare Qt window with a 127 x 17 table started the same way in turn;
//  2. opening a playlist whose 2,032 slots all name existing MP3 files, up to the painted
//     grid with its size in the title (in this process).
// Prints the figures and whether they are within budget; the exit status is 0 either way
// unless a run fails. --start-up-only stops after the first.

#include "childframe.h"
#include "core/playlistfile.h"
#include "core/slottable.h"
#include "cueapp.h"
#include "cuedoc.h"
#include "cueview.h"
#include "mainframe.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <optional>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <vector>

namespace {

constexpr double kStartBudgetMs = 150.0;
constexpr double kStartBudgetMiB = 60.0;
constexpr double kOpenBudgetMs = 50.0;
constexpr int kRuns = 7;
// Start-up runs of each program, taken in turn: the figure is a ratio of medians, and a
// shared machine needs many runs for it to settle.
constexpr int kStartRuns = 21;
// CPU time of the editor's start-up against the bare window's.
constexpr double kStartCpuRatioBudget = 1.2;

long long MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

double ProcessCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

const char* Verdict(double value, double budget)
{
    return value <= budget ? "within budget" : "OVER BUDGET";
}

struct StartFigures
{
    double paintMs = -1;
    double cpuMs = -1;
    double rssMiB = -1;
};

// One start of program to its first paint, or nothing when it failed.
std::optional<StartFigures> StartOnce(const QString& program, const QStringList& arguments,
                                      const QString& config)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", config);
    env.insert("CUELIST_QUIT_AFTER_FIRST_PAINT", "1");
    env.insert("CUELIST_SPAWN_NS", QString::number(MonotonicNs()));
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        std::fprintf(stderr, "start-up run failed: %s\n",
                     process.readAllStandardError().constData());
        return std::nullopt;
    }
    StartFigures figures;
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        if (line.startsWith("first-paint-ms "))
            figures.paintMs = line.mid(15).toDouble();
        else if (line.startsWith("cpu-ms "))
            figures.cpuMs = line.mid(7).toDouble();
        else if (line.startsWith("peak-rss-kib "))
            figures.rssMiB = line.mid(13).toDouble() / 1024.0;
    }
    if (figures.paintMs < 0 || figures.cpuMs < 0 || figures.rssMiB < 0) {
        std::fprintf(stderr, "start-up run reported nothing\n");
        return std::nullopt;
    }
    return figures;
}

bool MeasureStartUp(const QString& program, const QString& config)
{
    std::vector<double> ms, cpu, mib, bareMs, bareCpu, bareMib;
    const QString self = QCoreApplication::applicationFilePath();
    // Taken in turn, so that a busy machine weighs on both alike.
    for (int run = 0; run < kStartRuns; ++run) {
        const auto editor = StartOnce(program, {QStringLiteral("--new-instance")}, config);
        const auto bare = StartOnce(self, {QStringLiteral("--bare-window")}, config);
        if (!editor || !bare)
            return false;
        ms.push_back(editor->paintMs);
        cpu.push_back(editor->cpuMs);
        mib.push_back(editor->rssMiB);
        bareMs.push_back(bare->paintMs);
        bareCpu.push_back(bare->cpuMs);
        bareMib.push_back(bare->rssMiB);
    }
    const double medianMs = Median(ms);
    const double peakMiB = *std::max_element(mib.begin(), mib.end());
    std::printf("start-up to first painted grid: median %.1f ms, worst %.1f ms (%s, %.0f ms)\n",
                medianMs, *std::max_element(ms.begin(), ms.end()),
                Verdict(medianMs, kStartBudgetMs), kStartBudgetMs);
    std::printf("peak resident memory at first paint: %.1f MiB (%s, %.0f MiB)\n", peakMiB,
                Verdict(peakMiB, kStartBudgetMiB), kStartBudgetMiB);
    // Each run's ratio against the bare window started next to it: less swayed by the load
    // of the moment than the ratio of the medians.
    std::vector<double> pairedCpu;
    for (size_t i = 0; i < cpu.size(); ++i)
        pairedCpu.push_back(cpu[i] / bareCpu[i]);
    const double cpuRatio = Median(cpu) / Median(bareCpu);
    std::printf("against a bare Qt window with a 127 x 17 table, medians of %d runs each, in "
                "turn:\n",
                kStartRuns);
    std::printf("  CPU time (user+sys)  %7.1f ms  vs %7.1f ms   x%.2f  %s (x%.1f); paired runs "
                "x%.2f\n",
                Median(cpu), Median(bareCpu), cpuRatio, Verdict(cpuRatio, kStartCpuRatioBudget),
                kStartCpuRatioBudget, Median(pairedCpu));
    std::printf("  wall to first paint  %7.1f ms  vs %7.1f ms   x%.2f\n", medianMs, Median(bareMs),
                medianMs / Median(bareMs));
    std::printf("  peak resident        %7.1f MiB vs %7.1f MiB  x%.2f\n", Median(mib),
                Median(bareMib), Median(mib) / Median(bareMib));
    return true;
}

// The yardstick: a bare window with a table of the grid's size, quitting after its first
// paint and reporting as the editor's probe does.
int RunBareWindow(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QTableWidget table(127, 17);
    table.resize(1024, 720);
    bool painted = false;
    struct Probe final : QObject
    {
        bool* painted;
        explicit Probe(bool* flag) : painted(flag) {}
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && !*painted) {
                *painted = true;
                QTimer::singleShot(0, qApp, [] {
                    const long long spawned = qEnvironmentVariable("CUELIST_SPAWN_NS").toLongLong();
                    long long rss = -1;
                    QFile status("/proc/self/status");
                    if (status.open(QIODevice::ReadOnly))
                        for (const QByteArray& line : status.readAll().split('\n'))
                            if (line.startsWith("VmHWM:"))
                                rss = line.mid(6).trimmed().split(' ').value(0).toLongLong();
                    std::printf("first-paint-ms %.2f\ncpu-ms %.2f\npeak-rss-kib %lld\n",
                                double(MonotonicNs() - spawned) / 1e6, ProcessCpuMs(), rss);
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                });
            }
            return false;
        }
    } probe(&painted);
    table.viewport()->installEventFilter(&probe);
    table.show();
    return QApplication::exec();
}

// A playlist of 2,032 distinct MP3 names, each file present in DATA.
QString MakeFullPlaylist(const QString& root)
{
    QDir().mkpath(root + "/DATA");
    cuelist::SlotTable table;
    int n = 0;
    for (int channel = 1; channel <= cuelist::kEditableChannelCount; ++channel) {
        for (int frame = 1; frame <= cuelist::kFrameCount; ++frame) {
            const QString name = QStringLiteral("P%1.MP3").arg(++n, 4, 10, QLatin1Char('0'));
            table.SetSlotFile(frame, channel, name.toStdString());
            QFile file(root + "/DATA/" + name);
            if (!file.open(QIODevice::WriteOnly))
                return QString();
            file.write(QByteArray(4096, '\x55'));
        }
    }
    const std::vector<std::uint8_t> image = cuelist::BuildImage(table);
    QFile file(root + "/full.slp");
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(reinterpret_cast<const char*>(image.data()), qint64(image.size()));
    return file.fileName();
}

// Quits the loop after the first paint of the watched widget has finished.
class PaintWaiter final : public QObject
{
public:
    explicit PaintWaiter(QEventLoop* loop) : m_loop(loop) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, m_loop, &QEventLoop::quit);
        return false;
    }

private:
    QEventLoop* m_loop;
};

bool MeasureOpen(const QString& playlist)
{
    CCueApp app;
    if (!app.InitInstance({}))
        return false;
    QCoreApplication::processEvents();
    std::vector<double> ms;
    std::vector<double> cpu;
    for (int run = 0; run < kRuns; ++run) {
        const double cpuStart = ProcessCpuMs();
        QElapsedTimer timer;
        QEventLoop loop;
        PaintWaiter waiter(&loop);
        timer.start();
        CCueDoc* doc = app.OpenDocumentFile(playlist);
        if (!doc)
            return false;
        CChildFrame* child = app.mainFrame()->activeChild();
        child->view()->viewport()->installEventFilter(&waiter);
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        cpu.push_back(ProcessCpuMs() - cpuStart);
        if (!child->windowTitle().contains(QStringLiteral("8,128KB"))) {
            std::fprintf(stderr, "unexpected title: %s\n", qPrintable(child->windowTitle()));
            return false;
        }
        child->view()->viewport()->removeEventFilter(&waiter);
        child->closeWithoutAsking();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    const double median = Median(ms);
    std::printf("open of 2,032 assigned slots to painted grid and title: median %.1f ms, worst "
                "%.1f ms (%s, %.0f ms); CPU time median %.1f ms\n",
                median, *std::max_element(ms.begin(), ms.end()), Verdict(median, kOpenBudgetMs),
                kOpenBudgetMs, Median(cpu));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--bare-window") == 0)
        return RunBareWindow(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir scratch;
    qputenv("XDG_CONFIG_HOME", scratch.filePath("config").toUtf8());
    QApplication application(argc, argv);

    const QString program = QCoreApplication::applicationDirPath() + "/cuelist-studio";
    if (!MeasureStartUp(program, scratch.filePath("config")))
        return 1;
    if (argc > 1 && std::strcmp(argv[1], "--start-up-only") == 0)
        return 0;
    const QString playlist = MakeFullPlaylist(scratch.filePath("show"));
    if (playlist.isEmpty() || !MeasureOpen(playlist))
        return 1;
    return 0;
}
