// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QPushButton;

// "Find": asks for a file name or part of one, offering the names the playlist uses.
// Values in, the text out: it never touches a playlist.
class CFindFileDlg final : public QDialog
{
    Q_OBJECT
public:
    explicit CFindFileDlg(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CFindFileDlg)

    // The names offered in the list, and the text to start with (selected).
    void setNames(const QStringList& names);
    void setText(const QString& text);
    // The text entered, without surrounding blanks.
    QString text() const;

private:
    QComboBox* m_name = nullptr;
    QPushButton* m_find = nullptr;
};
