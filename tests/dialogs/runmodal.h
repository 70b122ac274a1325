// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QtTest>

// Runs dlg modally and plays script on it once it is active. A dialog the script leaves
// open (a failed check returns early) is cancelled, so a failing test never hangs.
inline int RunModal(QDialog& dlg, const std::function<void(QDialog&)>& script)
{
    QTimer::singleShot(0, &dlg, [&dlg, script] {
        if (QApplication::activeModalWidget() == &dlg && QTest::qWaitForWindowActive(&dlg))
            script(dlg);
        if (dlg.isVisible())
            dlg.reject();
    });
    return dlg.exec();
}
