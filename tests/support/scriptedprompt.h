// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "prompt.h"

#include <QList>
#include <QStringList>

// A prompt for tests: records every question and dialog, and gives prepared answers in order.
// When the script runs out, questions get their "dismiss" answer (Cancel, else No, else OK)
// and file dialogs are cancelled. Installs itself on construction, restores on destruction.
class ScriptedPrompt final : public Prompt
{
public:
    ScriptedPrompt();
    ~ScriptedPrompt() override;
    Q_DISABLE_COPY_MOVE(ScriptedPrompt)

    struct Asked
    {
        QString text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon;
        QString title;
    };
    struct FileDialog
    {
        bool save = false;
        QString title;
        QString initial; // folder or initial path
        QString filter;
    };

    // Answers for the next questions, in order.
    void answer(QMessageBox::StandardButton button) { m_answers.append(button); }
    // Paths for the next file dialogs; an empty string cancels. A save dialog whose check
    // refuses a path takes the next path, as a user trying again would.
    void choose(const QString& path) { m_paths.append(path); }

    QList<Asked> asked;
    QList<FileDialog> dialogs;
    QStringList texts() const; // the texts of every question, in order

    QMessageBox::StandardButton ask(QWidget* parent, const QString& text,
                                    QMessageBox::StandardButtons buttons, QMessageBox::Icon icon,
                                    const QString& title) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& initialPath,
                         const QString& filter, const QString& defaultSuffix,
                         const SaveNameCheck& check) override;
    // Takes the next prepared path, like the file dialogs.
    QString existingFolder(QWidget* parent, const QString& title, const QString& folder) override;

private:
    QList<QMessageBox::StandardButton> m_answers;
    QStringList m_paths;
    Prompt* m_previous = nullptr;
};
