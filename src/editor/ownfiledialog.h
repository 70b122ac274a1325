// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

// The playlist save dialog: a file dialog whose own name check lower-cases the typed name,
// appends ".slp", refuses a folder named DATA and asks before replacing a file.
class COwnFileDialog final
{
    Q_DECLARE_TR_FUNCTIONS(COwnFileDialog)

public:
    COwnFileDialog(QWidget* parent, const QString& title);

    // Shows the dialog starting at initialPath; true when the user confirmed a name.
    bool exec(const QString& initialPath);
    // The full path to save to, as the name check decided it.
    QString chosenPath() const { return m_chosenPath; }

    // The name check for a confirmed path: the path to save to, or empty to keep the
    // dialog open (the user has been told why).
    QString OnFileNameOK(const QString& selectedPath) const;

private:
    QWidget* m_parent;
    QString m_title;
    QString m_chosenPath;
};
