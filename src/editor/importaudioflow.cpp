// SPDX-License-Identifier: GPL-3.0-or-later
#include "importaudioflow.h"

#include "core/datafolder.h"
#include "core/dropplan.h"
#include "core/importname.h"
#include "core/names.h"
#include "cuedoc.h"
#include "filefilter.h"
#include "importaudiodlg.h"
#include "media/importaudio.h"
#include "playlisteditor.h"
#include "progressrun.h"
#include "prompt.h"
#include "text/messages.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QSet>
#include <QSettings>

namespace {

const QString kBitrateKey = QStringLiteral("IMPORT/BITRATE");
const QString kRateKey = QStringLiteral("IMPORT/RATE");

QSettings Profile()
{
    return QSettings(QStringLiteral("QUARNIX"), QStringLiteral("playlist"));
}

bool IsAudio(const QString& path)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path);
    for (const QString& name : QStringList{type.name()} + type.allAncestors())
        if (name.startsWith(QLatin1String("audio/")) || name == QLatin1String("application/ogg"))
            return true;
    return false;
}

} // namespace

ImportAudioFlow::ImportAudioFlow(PlaylistEditor* editor)
    : m_editor(editor), m_doc(editor->document()), m_parent(editor->widget())
{
}

bool ImportAudioFlow::NeedsImport(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    if (info.suffix().compare(QLatin1String("mp3"), Qt::CaseInsensitive) == 0)
        return cuelist::CheckSlotFileName(info.fileName().toStdString()).result !=
                   cuelist::kNameAccepted ||
               cuelist::CheckFileNameEdges(info.fileName().toStdString()) != cuelist::kNameAccepted;
    return IsAudio(path);
}

void ImportAudioFlow::chooseAndImport(int frame, int channel)
{
    if (!m_doc)
        return;
    const QString filter = QtFileFilter(
        tr("Audio Files(*.wav;*.flac;*.ogg;*.oga;*.opus;*.mp3;*.m4a;*.aac;*.aif;*.aiff)") +
        QLatin1String("|*.wav;*.flac;*.ogg;*.oga;*.opus;*.mp3;*.m4a;*.aac;*.aif;*.aiff|") +
        tr("All Files(*)") + QLatin1String("|*||"));
    const QStringList sources =
        prompt().openFileNames(m_parent, tr("Import Audio"), QDir::homePath(), filter);
    if (!sources.isEmpty())
        importFiles(sources, frame, channel);
}

QString ImportAudioFlow::dataFolder()
{
    // A known data folder is used as it is on disk; a saved playlist without one gets DATA.
    if (m_doc->IsDataFolderKnown()) {
        const std::string known = m_doc->dataFolderPath().toStdString();
        if (std::string real = cuelist::ResolveFolderIgnoringCase(known); !real.empty())
            return QString::fromStdString(real);
        if (m_doc->playlistPath().isEmpty()) {
            prompt().refuse(
                m_parent, tr("The data folder %1 no longer exists.").arg(m_doc->dataFolderPath()));
            return {};
        }
        const QString folder = QFileInfo(m_doc->playlistPath()).absolutePath();
        if (!QDir(folder).mkdir(QStringLiteral("DATA"))) {
            prompt().refuse(m_parent, tr("Cannot make the data folder in %1.").arg(folder));
            return {};
        }
        return QString::fromStdString(cuelist::ResolveFolderIgnoringCase(known));
    }
    // A new playlist: the user names its show folder or the DATA folder itself, and the
    // first imported file fixes it as the playlist's data folder.
    const QString chosen = prompt().existingFolder(
        m_parent, tr("Choose the show folder (or its DATA folder) for the imported files"),
        QDir::homePath());
    if (chosen.isEmpty())
        return {};
    const QFileInfo info(chosen);
    if (info.fileName().compare(QLatin1String("DATA"), Qt::CaseInsensitive) == 0)
        return QDir(info.absoluteFilePath()).absolutePath() + QLatin1Char('/');
    const std::string inside =
        (QDir(chosen).absolutePath() + QLatin1String("/DATA/")).toStdString();
    if (std::string real = cuelist::ResolveFolderIgnoringCase(inside); !real.empty())
        return QString::fromStdString(real);
    if (!QDir(chosen).mkdir(QStringLiteral("DATA"))) {
        prompt().refuse(m_parent, tr("Cannot make the data folder in %1.").arg(chosen));
        return {};
    }
    return QString::fromStdString(cuelist::ResolveFolderIgnoringCase(inside));
}

int ImportAudioFlow::importFiles(const QStringList& sources, int frame, int channel)
{
    if (!m_doc || sources.isEmpty())
        return 0;
    if (const auto range = cuelist::SlotTable::CheckSlotRange(frame, channel);
        range != cuelist::kSlotDone) {
        prompt().refuse(m_parent, cuelist::text::RangeResultMessage(range));
        return 0;
    }
    const std::vector<int> frames =
        cuelist::FreeFramesFrom(m_doc->table(), channel, frame, int(sources.size()));
    if (frames.empty()) {
        prompt().refuse(m_parent, tr("Channel %1 has no free frame from frame %2 on.")
                                      .arg(channel, 4, 10, QLatin1Char('0'))
                                      .arg(frame, 2, 10, QLatin1Char('0')));
        return 0;
    }
    const QString folder = dataFolder();
    if (folder.isEmpty() || !m_doc)
        return 0;

    // Proposed names, unique in the data folder and among themselves.
    const cuelist::DataFolderListing listing(folder.toStdString());
    const auto inFolder = [&listing](const QString& upper) {
        return listing.Contains(upper.toStdString());
    };
    QList<CImportAudioDlg::Row> rows;
    QSet<QString> chosen;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const std::string base = cuelist::UniqueImportName(
            cuelist::ImportBaseName(sources[qsizetype(i)].toStdString()), [&](std::string_view u) {
                const QString upper = QString::fromUtf8(u.data(), qsizetype(u.size()));
                return inFolder(upper) || chosen.contains(upper);
            });
        chosen.insert(QString::fromStdString(base) + QLatin1String(".MP3"));
        rows.append({sources[qsizetype(i)], QString::fromStdString(base)});
    }
    CImportAudioDlg dialog(m_parent);
    dialog.setRows(rows, inFolder);
    dialog.setPlacement(tr("Channel %1, from frame %2 on, into %3")
                            .arg(channel, 4, 10, QLatin1Char('0'))
                            .arg(frames.front(), 2, 10, QLatin1Char('0'))
                            .arg(QDir::toNativeSeparators(folder)));
    dialog.setSettings(
        {Profile().value(kBitrateKey, 128).toInt(), Profile().value(kRateKey, 44100).toInt()});
    if (m_editor->runDialog(dialog) != QDialog::Accepted || !m_doc)
        return 0;
    const cuelist::EncodeSettings settings = dialog.settings();
    Profile().setValue(kBitrateKey, settings.bitrateKbps);
    Profile().setValue(kRateKey, settings.sampleRate);

    std::vector<cuelist::ImportItem> items;
    for (const CImportAudioDlg::Row& row : dialog.rows()) {
        const auto check = cuelist::CheckImportName(row.base.toStdString(),
                                                    [](std::string_view) { return false; });
        items.push_back({row.source.toStdString(), check.upperName});
    }
    cuelist::ImportOutcome outcome;
    const std::string target = folder.toStdString();
    const bool finished = RunWithProgress(
        m_parent, tr("Importing %n audio file(s)...", nullptr, int(items.size())),
        [&](ProgressControl& control) {
            outcome = cuelist::ImportAudioFiles(
                items, target, settings, [&control](double f) { control.permille = int(f * 1000); },
                &control.cancel);
        });
    if (!finished || outcome.cancelled || !m_doc)
        return 0;

    QStringList problems;
    for (std::size_t i = frames.size(); i < std::size_t(sources.size()); ++i)
        problems << tr("%1 was not imported: frame 16 was reached.")
                        .arg(QFileInfo(sources[qsizetype(i)]).fileName());
    // Every file that made it goes in as one step; one that failed leaves its frame to the
    // next, as with dropped files.
    int set = 0;
    std::size_t next = 0;
    m_doc->beginEditGroup(tr("Import Audio"));
    for (std::size_t i = 0; i < items.size(); ++i) {
        const QString name = QString::fromStdString(items[i].name);
        const QString source = QFileInfo(QString::fromStdString(items[i].source)).fileName();
        if (!outcome.items[i].ok()) {
            problems << cuelist::text::ImportFailureMessage(source, name, outcome.items[i]);
            continue;
        }
        if (m_doc && m_editor && m_editor->storeChosenFile(folder + name, frames[next], channel)) {
            ++set;
            ++next;
        }
    }
    if (m_doc)
        m_doc->endEditGroup();
    if (set > 0 && m_editor)
        m_editor->moveCursorTo(frames.front(), channel - 1);
    if (!problems.isEmpty())
        prompt().refuse(m_parent, problems.join(QLatin1Char('\n')));
    return set;
}
