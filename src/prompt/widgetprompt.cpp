// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgetprompt.h"

#include <QApplication>
#include <QFileDialog>

namespace {
QString defaultTitle()
{
    return QCoreApplication::translate("Prompt", "playlist");
}
} // namespace

QMessageBox::StandardButton WidgetPrompt::ask(QWidget* parent, const QString& text,
                                              QMessageBox::StandardButtons buttons,
                                              QMessageBox::Icon icon, const QString& title)
{
    QMessageBox box(icon, title.isEmpty() ? defaultTitle() : title, text, buttons, parent);
    const int chosen = box.exec();
    return static_cast<QMessageBox::StandardButton>(chosen);
}

QString WidgetPrompt::openFileName(QWidget* parent, const QString& title, const QString& folder,
                                   const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QStringList WidgetPrompt::openFileNames(QWidget* parent, const QString& title,
                                        const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileNames(parent, title, folder, filter);
}

QString WidgetPrompt::existingFolder(QWidget* parent, const QString& title, const QString& folder)
{
    return QFileDialog::getExistingDirectory(parent, title, folder);
}

QString WidgetPrompt::saveFileName(QWidget* parent, const QString& title,
                                   const QString& initialPath, const QString& filter,
                                   const QString& defaultSuffix, const SaveNameCheck& check)
{
    // Non-native, so that the name check runs while the dialog is still open.
    QFileDialog dialog(parent, title, initialPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, bool(check));
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(initialPath);
    while (dialog.exec() == QDialog::Accepted) {
        const QStringList files = dialog.selectedFiles();
        if (files.isEmpty())
            continue;
        if (!check)
            return files.first();
        const QString accepted = check(files.first());
        if (!accepted.isEmpty())
            return accepted;
    }
    return QString();
}
