// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptedprompt.h"

ScriptedPrompt::ScriptedPrompt() : m_previous(setPrompt(this)) {}

ScriptedPrompt::~ScriptedPrompt()
{
    setPrompt(m_previous);
}

QStringList ScriptedPrompt::texts() const
{
    QStringList out;
    for (const Asked& a : asked)
        out << a.text;
    return out;
}

QMessageBox::StandardButton ScriptedPrompt::ask(QWidget*, const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::Icon icon, const QString& title)
{
    asked.append({text, buttons, icon, title});
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    for (auto b : {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Ok})
        if (buttons.testFlag(b))
            return b;
    return QMessageBox::NoButton;
}

QString ScriptedPrompt::openFileName(QWidget*, const QString& title, const QString& folder,
                                     const QString& filter)
{
    dialogs.append({false, title, folder, filter});
    return m_paths.isEmpty() ? QString() : m_paths.takeFirst();
}

QString ScriptedPrompt::existingFolder(QWidget*, const QString& title, const QString& folder)
{
    dialogs.append({false, title, folder, QString()});
    return m_paths.isEmpty() ? QString() : m_paths.takeFirst();
}

QString ScriptedPrompt::saveFileName(QWidget*, const QString& title, const QString& initialPath,
                                     const QString& filter, const QString&,
                                     const SaveNameCheck& check)
{
    dialogs.append({true, title, initialPath, filter});
    while (!m_paths.isEmpty()) {
        const QString path = m_paths.takeFirst();
        if (path.isEmpty())
            return QString();
        const QString accepted = check ? check(path) : path;
        if (!accepted.isEmpty())
            return accepted;
    }
    return QString();
}
