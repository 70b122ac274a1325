// SPDX-License-Identifier: GPL-3.0-or-later
#include "ownfiledialog.h"

#include "filefilter.h"
#include "prompt.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString AsciiLower(QString text)
{
    for (QChar& c : text)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    return text;
}

} // namespace

COwnFileDialog::COwnFileDialog(QWidget* parent, const QString& title)
    : m_parent(parent), m_title(title)
{
}

bool COwnFileDialog::exec(const QString& initialPath)
{
    const QString filter = QtFileFilter(tr("PlayList(*.slp)") + QLatin1String("|*.slp||"));
    // No default suffix: the name check adds ".slp" itself, and a typed folder name then
    // reaches the dialog unchanged, which enters that folder.
    m_chosenPath =
        prompt().saveFileName(m_parent, m_title, initialPath, filter, QString(),
                              [this](const QString& selected) { return OnFileNameOK(selected); });
    return !m_chosenPath.isEmpty();
}

QString COwnFileDialog::OnFileNameOK(const QString& selectedPath) const
{
    const QFileInfo selected(selectedPath);
    const QString folder = QDir::cleanPath(selected.absolutePath());
    const QString title = AsciiLower(selected.fileName());
    if (title.isEmpty())
        return QString();

    if (QFileInfo(folder).fileName().compare(QLatin1String("DATA"), Qt::CaseInsensitive) == 0) {
        prompt().refuse(m_parent, tr("Save Playlist created outside of DATA folder"));
        return QString();
    }

    QString chosen =
        folder == QLatin1String("/") ? folder + title : folder + QLatin1Char('/') + title;
    if (!title.endsWith(QLatin1String(".slp")))
        chosen += QLatin1String(".slp");

    if (QFileInfo::exists(chosen)) {
        const QString question =
            tr("%1 already exist \n Do you want to save?").arg(QDir::toNativeSeparators(chosen));
        if (prompt().ask(m_parent, question, QMessageBox::Yes | QMessageBox::No,
                         QMessageBox::Warning, m_title) != QMessageBox::Yes)
            return QString();
    }
    return chosen;
}
