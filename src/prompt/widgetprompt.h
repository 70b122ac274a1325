// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "prompt.h"

// The prompt that users see: QMessageBox and QFileDialog.
class WidgetPrompt final : public Prompt
{
public:
    QMessageBox::StandardButton ask(QWidget* parent, const QString& text,
                                    QMessageBox::StandardButtons buttons, QMessageBox::Icon icon,
                                    const QString& title) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter) override;
    QStringList openFileNames(QWidget* parent, const QString& title, const QString& folder,
                              const QString& filter) override;
    QString existingFolder(QWidget* parent, const QString& title, const QString& folder) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& initialPath,
                         const QString& filter, const QString& defaultSuffix,
                         const SaveNameCheck& check) override;
};
