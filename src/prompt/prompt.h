// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <QFlags>
#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

// Every message box and file dialog of the editor goes through this interface, so that
// tests can answer them. The application installs a QMessageBox/QFileDialog
// implementation at start-up; tests install a scripted fake (tests/support).
class Prompt
{
public:
    virtual ~Prompt() = default;

    // A message box. Returns the button chosen (QMessageBox::Cancel / No when dismissed).
    virtual QMessageBox::StandardButton ask(QWidget* parent, const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::Icon icon,
                                            const QString& title = QString()) = 0;

    // Checks a file name the user confirmed in a save dialog. Returns the path to use,
    // or an empty string to keep the dialog open (the check has told the user why).
    using SaveNameCheck = std::function<QString(const QString& chosenPath)>;

    // File dialogs. An empty result means the user cancelled.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& initialPath,
                                 const QString& filter, const QString& defaultSuffix,
                                 const SaveNameCheck& check = {}) = 0;
    // An existing folder; empty when the user cancelled.
    virtual QString existingFolder(QWidget* parent, const QString& title,
                                   const QString& folder) = 0;

    // Several files to open. By default they are answered like openFileName,
    // so that a scripted prompt's file answers serve them too.
    virtual QStringList openFileNames(QWidget* parent, const QString& title, const QString& folder,
                                      const QString& filter)
    {
        const QString one = openFileName(parent, title, folder, filter);
        return one.isEmpty() ? QStringList() : QStringList{one};
    }

    // An OK box with the exclamation icon, the form every refusal takes.
    void refuse(QWidget* parent, const QString& text)
    {
        ask(parent, text, QMessageBox::Ok, QMessageBox::Warning);
    }
};

// The process-wide prompt. Never null once the application (or a test) has set one.
Prompt& prompt();
// Installs p (not owned) and returns the previous one.
Prompt* setPrompt(Prompt* p);
