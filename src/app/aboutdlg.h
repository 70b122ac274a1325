// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

// The Version Information box: the program's icon, name and version, and an OK button.
class CAboutDlg final : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CAboutDlg)
};
