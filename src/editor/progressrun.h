// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <functional>
#include <QString>

class QWidget;

// What a long job sees: where to put its progress (0..1000) and whether to stop.
struct ProgressControl
{
    std::atomic<int> permille{0};
    std::atomic<bool> cancel{false};
};

// Runs work on a thread of its own while a window-modal progress bar with Cancel shows its
// progress; the GUI keeps painting. Cancel sets control.cancel and waits for work to return.
// work must not touch widgets. Returns false when the user cancelled.
bool RunWithProgress(QWidget* parent, const QString& label,
                     const std::function<void(ProgressControl& control)>& work);
