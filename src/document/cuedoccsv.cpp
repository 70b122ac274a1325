#include "core/csv.h"
#include "cuedoc.h"
#include "filefilter.h"
#include "prompt.h"
#include "text/messages.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

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
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(csv.data(), qint64(csv.size())) == qint64(csv.size()) &&
                         file.commit();
    if (!written) {
        const QString reason = file.errorString();
        file.cancelWriting();
        prompt().refuse(parent,
                        tr("Unable to save %1.\n%2").arg(QDir::toNativeSeparators(path), reason));
    }
}
