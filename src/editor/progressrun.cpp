// SPDX-License-Identifier: GPL-3.0-or-later
#include "progressrun.h"

#include <algorithm>
#include <QEventLoop>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>
#include <thread>

bool RunWithProgress(QWidget* parent, const QString& label,
                     const std::function<void(ProgressControl& control)>& work)
{
    ProgressControl control;
    std::atomic<bool> finished{false};
    QProgressDialog dialog(label, QProgressDialog::tr("Cancel"), 0, 1000, parent);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(0);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setValue(0);
    QEventLoop loop;
    QObject::connect(&dialog, &QProgressDialog::canceled, &loop, [&] { control.cancel = true; });
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        // The button, Escape and closing the window all end up here.
        if (dialog.wasCanceled())
            control.cancel = true;
        if (!control.cancel)
            dialog.setValue(std::clamp(control.permille.load(), 0, 1000));
        if (finished)
            loop.quit();
    });
    std::thread worker([&] {
        work(control);
        finished = true;
    });
    poll.start();
    dialog.show();
    loop.exec();
    worker.join();
    dialog.hide();
    return !control.cancel;
}
