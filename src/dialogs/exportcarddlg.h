// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// "Export to Card": what the export will do and every problem found, shown before anything
// is copied, with the choice of what happens to card files the playlist does not name.
// Values in, a choice out.
class CExportCardDlg final : public QDialog
{
    Q_OBJECT
public:
    // planLines: what will be done; problems: one entry each, names indented below it;
    // blocked: the problems keep the export from starting (only Close is offered);
    // hasExtras: the card holds files the playlist does not name.
    CExportCardDlg(const QString& target, const QStringList& planLines, const QStringList& problems,
                   bool blocked, bool hasExtras, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CExportCardDlg)

    // The user chose to remove the files the playlist does not name.
    bool removeExtras() const;
    QString text() const;

private:
    QPlainTextEdit* m_text = nullptr;
    QRadioButton* m_remove = nullptr;
};
