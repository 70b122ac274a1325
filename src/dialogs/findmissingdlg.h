// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QList>
#include <QPoint>
#include <QString>

class QLabel;
class QPushButton;
class QTreeWidget;

// "Find Missing Files": the files a playlist names that its data folder does not hold, each
// with the slots naming it. Relink asks the opener to replace the selected one; the opener
// then gives the dialog the new list. Values in, requests out: it never touches a playlist.
class CFindMissingDlg final : public QDialog
{
    Q_OBJECT
public:
    struct Missing
    {
        QString name;
        QList<QPoint> places; // x: frame, y: channel
    };

    explicit CFindMissingDlg(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CFindMissingDlg)

    // Fills the list; the selection stays on the same name when it is still there.
    void setMissing(const QList<Missing>& missing);
    QString selectedName() const;
    void selectName(const QString& name);
    int count() const;

    // "0001-03, 0004-02".
    static QString SlotsText(const QList<QPoint>& places);

signals:
    void relinkRequested(const QString& name);

private:
    void updateButtons();

    QTreeWidget* m_list = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_relink = nullptr;
};
