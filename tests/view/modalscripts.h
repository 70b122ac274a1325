// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <QApplication>
#include <QDialog>
#include <QList>
#include <QTimer>
#include <QtTest>

// Plays the scripts in turn, one on each modal dialog that opens while this object lives.
// A dialog its script leaves open (a failed check returns early) is rejected, and dialogs
// beyond the scripts are cancelled, so a failing test never hangs.
class ModalScripts final
{
public:
    using Script = std::function<void(QDialog&)>;

    explicit ModalScripts(QList<Script> scripts = {}) : m_scripts(std::move(scripts))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(0);
    }

    int played = 0;

private:
    void poll()
    {
        auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dlg || dlg->property("scripted").toBool())
            return;
        dlg->setProperty("scripted", true);
        if (played < m_scripts.size() && QTest::qWaitForWindowActive(dlg))
            m_scripts[played](*dlg);
        ++played;
        if (dlg->isVisible())
            dlg->reject();
    }

    QList<Script> m_scripts;
    QTimer m_timer;
};
