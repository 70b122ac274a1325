// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class CCueApp;

// Start-up measurement: with CUELIST_QUIT_AFTER_FIRST_PAINT set, waits for the first paint
// of the active grid, prints the time since CUELIST_SPAWN_NS (a CLOCK_MONOTONIC stamp in
// nanoseconds taken by whoever started the program) and the peak resident memory, and quits.
class FirstPaintProbe final : public QObject
{
    Q_OBJECT
public:
    // Does nothing unless the environment asks for it.
    static void installFromEnvironment(CCueApp& app);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FirstPaintProbe(QObject* parent);
    void report();

    bool m_done = false;
};
