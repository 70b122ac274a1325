// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/csv.h"
#include "core/datafolder.h"
#include "cuedoc.h"
#include "filefilter.h"
#include "ownfiledialog.h"
#include "playlisteditor.h"
#include "prompt.h"
#include "text/messages.h"
#include "waitcursor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The playlist's own folder: the parent of its data folder.
QString PlaylistFolderOf(const QString& dataFolderPath)
{
    QString folder = QDir::cleanPath(dataFolderPath);
    const QFileInfo info(folder);
    if (info.fileName().compare(QLatin1String("DATA"), Qt::CaseInsensitive) == 0)
        folder = info.path();
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

bool PlaylistEditor::CheckMissingFiles()
{
    const QStringList names = m_doc->missingFileNames();
    if (names.isEmpty())
        return true;
    QString text = tr("The following files do not exist in \"data\" folder.\n"
                      "Are you sure you want to do the save operation?") +
                   QLatin1String("\r\n") + names.join(QLatin1String(", "));
    // With DATA and data side by side, the user must learn which one was looked in.
    if (const QString note = cuelist::text::AmbiguousDataFolderText(
            cuelist::DataFolderSpellings(m_doc->dataFolderPath().toStdString()));
        !note.isEmpty())
        text += QLatin1String("\r\n\r\n") + note;
    return prompt().ask(m_widget, text, QMessageBox::Yes | QMessageBox::No,
                        QMessageBox::Question) == QMessageBox::Yes;
}

bool PlaylistEditor::PromptSaveFileName(QString& name, bool replace)
{
    const QString title = replace ? tr("Save As") : tr("Save Copy As");
    if (!name.contains(QLatin1Char('/')))
        name = PlaylistFolderOf(m_doc->dataFolderPath()) + name;
    COwnFileDialog dialog(m_widget, title);
    if (!dialog.exec(name))
        return false;
    name = dialog.chosenPath();
    return true;
}

bool PlaylistEditor::DoSave(const QString& path, bool replace)
{
    const QPointer<CCueDoc> doc = m_doc;
    if (!doc || !CheckMissingFiles())
        return false;

    QString name = path.isEmpty() ? doc->pathName() : path;
    const bool ask = path.isEmpty() || !CCueDoc::HasPlaylistExtension(path);
    if (replace && name.isEmpty())
        name = QStringLiteral("playlist.slp");
    if (!name.isEmpty() && !CCueDoc::HasPlaylistExtension(name)) {
        // A file opened under another extension is offered under its own name.
        const QFileInfo info(name);
        name = info.absolutePath() + QLatin1Char('/') + info.completeBaseName() +
               QLatin1String(".slp");
    }
    if (ask && !PromptSaveFileName(name, replace))
        return false;
    if (!doc)
        return false;

    if (QFileInfo(name).absoluteFilePath() == QFileInfo(doc->playlistPath()).absoluteFilePath() &&
        doc->isChangedOnDisk() &&
        prompt().ask(m_widget,
                     tr("The file was changed by another program since it was opened. "
                        "Overwrite it?"),
                     QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning) != QMessageBox::Yes)
        return false;
    if (!doc)
        return false;

    {
        const WaitCursor wait;
        const cuelist::fileio::FileResult written = doc->OnSaveDocument(name);
        if (!written.ok()) {
            // A refusal (read-only folder, device, link) explains itself and names what it
            // concerns.
            prompt().refuse(m_widget, tr("Unable to save %1.\n%2")
                                          .arg(QDir::toNativeSeparators(name),
                                               cuelist::text::FileFaultReason(written)));
            return false;
        }
    }
    if (replace)
        doc->setPathName(QFileInfo(name).absoluteFilePath());
    return true;
}

bool PlaylistEditor::DoFileSave()
{
    if (!m_doc)
        return false;
    const QFileInfo file(m_doc->pathName());
    if (m_doc->pathName().isEmpty() || !file.exists() || !file.isWritable())
        return DoSave(QString(), true);
    return DoSave(m_doc->pathName(), true);
}

bool PlaylistEditor::SaveModified()
{
    if (!m_doc || !m_doc->isModified())
        return true;
    QString name = m_doc->shownTitle();
    if (m_doc->pathName().isEmpty()) {
        name = m_doc->title();
        if (name.isEmpty())
            name = tr("playlist");
    }
    const QMessageBox::StandardButton answer = prompt().ask(
        m_widget, tr("Do you want to save changes %1?").arg(name),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Question);
    if (answer == QMessageBox::Yes)
        return DoFileSave();
    return answer == QMessageBox::No;
}

void PlaylistEditor::OnFileCsvOutput()
{
    const QString title = tr("Output to CSV file");
    const QString filter = QtFileFilter(tr("CSV(comma)(*.CSV)|*.csv||"));
    if (!SaveModified() || !m_doc)
        return;

    QWidget* parent = m_widget;
    const QString initial =
        QFileInfo(m_doc->playlistPath()).absolutePath() + QLatin1String("/playlist.csv");
    const QString path = prompt().saveFileName(
        parent, title, initial, filter, QStringLiteral("csv"), [&](const QString& chosen) {
            // A CSV written over an open playlist would destroy it.
            if (CCueDoc::isOpenPlaylist(chosen)) {
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
    if (path.isEmpty() || !m_doc)
        return;

    const std::string csv =
        cuelist::BuildCsv(m_doc->table(), cuelist::text::CsvHeaderLine().toStdString());
    const cuelist::fileio::FileResult written = cuelist::fileio::WriteFileSafely(
        QFile::encodeName(path).toStdString(),
        std::span(reinterpret_cast<const std::uint8_t*>(csv.data()), csv.size()));
    if (!written.ok())
        prompt().refuse(parent, tr("Unable to save %1.\n%2")
                                    .arg(QDir::toNativeSeparators(path),
                                         cuelist::text::FileFaultReason(written)));
}
