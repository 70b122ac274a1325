// SPDX-License-Identifier: GPL-3.0-or-later
#include "firstpaintprobe.h"

#include "childframe.h"
#include "cueapp.h"
#include "cueview.h"
#include "mainframe.h"

#include <cstdio>
#include <ctime>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>

namespace {

long long MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

long long PeakResidentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

} // namespace

FirstPaintProbe::FirstPaintProbe(QObject* parent) : QObject(parent) {}

void FirstPaintProbe::installFromEnvironment(CCueApp& app)
{
    if (qEnvironmentVariableIsEmpty("CUELIST_QUIT_AFTER_FIRST_PAINT"))
        return;
    CChildFrame* child = app.mainFrame() ? app.mainFrame()->activeChild() : nullptr;
    if (!child || !child->view()) {
        std::fprintf(stderr, "first-paint probe: no grid\n");
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(2); });
        return;
    }
    auto* probe = new FirstPaintProbe(&app);
    child->view()->viewport()->installEventFilter(probe);
}

bool FirstPaintProbe::eventFilter(QObject* /*watched*/, QEvent* event)
{
    if (event->type() == QEvent::Paint && !m_done) {
        m_done = true;
        // Reported once the paint has finished.
        QTimer::singleShot(0, this, &FirstPaintProbe::report);
    }
    return false;
}

void FirstPaintProbe::report()
{
    const long long spawned = qEnvironmentVariable("CUELIST_SPAWN_NS").toLongLong();
    const double ms = spawned > 0 ? double(MonotonicNs() - spawned) / 1e6 : -1.0;
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    std::printf("first-paint-ms %.2f\ncpu-ms %.2f\npeak-rss-kib %lld\n", ms,
                double(cpu.tv_sec) * 1e3 + double(cpu.tv_nsec) / 1e6, PeakResidentKib());
    std::fflush(stdout);
    QCoreApplication::exit(0);
}
