// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/csv.h"
#include "cuedoc.h"
#include "filefilter.h"
#include "prompt.h"
#include "text/messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void CCueDoc::OnFileCsvOutput()
{
    const QString title = tr("Output to CSV file");
    const QString filter = QtFileFilter(tr("CSV(comma)(*.CSV)|*.csv||"));
    if (!SaveModified())
        return;

    QWidget* parent = dialogParent();
    const QString initial =
        QFileInfo(m_playlistPath).absolutePath() + QLatin1String("/playlist.csv");
    const QString path = prompt().saveFileName(
        parent, title, initial, filter, QStringLiteral("csv"), [&](const QString& chosen) {
            // A CSV written over an open playlist would destroy it.
            if (IsOpenPlaylist(chosen)) {
                prompt().refuse(parent, tr("%1 is an open playlist; choose another file for the "
                                           "CSV output.")
                                            .arg(QDir::toNativeSeparators(chosen)));
                return QString();
            }
            if (!QFileInfo::exists(chosen))
                return chosen;
            const QString question = tr("%1 already exists.\nDo you want to replace it?")
                                         .arg(QDir::toNativeSeparators(chosen));
            return prompt().ask(parent, question, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::Warning, title) == QMessageBox::Yes
                       ? chosen
                       : QString();
        });
    if (path.isEmpty())
        return;

    const std::string csv =
        cuelist::BuildCsv(m_table, cuelist::text::CsvHeaderLine().toStdString());
    const cuelist::fileio::FileResult written = cuelist::fileio::WriteFileSafely(
        QFile::encodeName(path).toStdString(),
        std::span(reinterpret_cast<const std::uint8_t*>(csv.data()), csv.size()));
    if (!written.ok())
        prompt().refuse(parent, tr("Unable to save %1.\n%2")
                                    .arg(QDir::toNativeSeparators(path),
                                         cuelist::text::FileFaultReason(written)));
}
