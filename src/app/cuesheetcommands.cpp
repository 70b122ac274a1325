// SPDX-License-Identifier: GPL-3.0-or-later
#include "cuesheetcommands.h"

#include "commandids.h"
#include "core/datafolder.h"
#include "cuedoc.h"
#include "durationstore.h"
#include "filefilter.h"
#include "media/playlistdurations.h"
#include "prompt.h"
#include "sheet/sheetpainter.h"
#include "sheet/sheetpdf.h"
#include "sheetprintdialogs.h"
#include "text/messages.h"
#include "waitcursor.h"

#include <memory>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

CueSheetCommands::LoudnessSource& ExplicitLoudness()
{
    static CueSheetCommands::LoudnessSource source;
    return source;
}

// The default printer's paper when it has one, so an exported sheet matches the printed one.
QPageSize ExportPaper()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    const QPageSize paper = printer.isNull() ? QPageSize() : printer.defaultPageSize();
    return paper.isValid() ? paper : cuelist::sheet::DefaultPaper();
}

void PrepareLandscape(QPrinter& printer, const QString& title)
{
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    printer.setDocName(title);
}

} // namespace

CueSheetCommands::CueSheetCommands(CCueDoc* doc, QWidget* parent) : QObject(parent), m_doc(doc) {}

CueSheetCommands::~CueSheetCommands() = default;

void CueSheetCommands::setLoudnessSource(LoudnessSource source)
{
    ExplicitLoudness() = std::move(source);
}

QWidget* CueSheetCommands::parentWidget() const
{
    return qobject_cast<QWidget*>(parent());
}

cuelist::sheet::SheetContent CueSheetCommands::content() const
{
    using namespace cuelist;
    WaitCursor wait;
    sheet::SheetSource source;
    const SlotTable& table = m_doc->table();
    source.table = &table;
    source.title = m_doc->title();
    const QString path = m_doc->pathName();
    if (!path.isEmpty()) {
        source.playlistPath = path;
        if (const QFileInfo file(path); file.exists())
            source.lastSaved = file.lastModified();
    }
    source.unsavedChanges = m_doc->isModified();

    const std::string folder = QFile::encodeName(m_doc->dataFolderPath()).toStdString();
    PlaylistDurations durations;
    if (m_doc->IsDataFolderKnown()) {
        const DataFolderListing listing(folder);
        source.dataFolderKnown = true;
        source.totalKb = TotalDataSizeKb(table, listing);
        for (std::string& name : MissingFiles(table, listing))
            source.missing.insert(std::move(name));
        // The kept lengths serve at once; only files never measured are read now. The
        // editor's own store saves the cache, so this copy is not written back.
        DurationCache cache(DurationCache::DefaultFile());
        cache.Load();
        durations = ReadPlaylistDurations(table, folder, cache);
    }
    source.durationOf = LookupIn(durations);
    if (const LoudnessSource& loudness = ExplicitLoudness()) {
        source.loudnessOf = [this, loudness](int frame, int channel) {
            return loudness(*m_doc, frame, channel);
        };
    } else if (const DurationStore* store = DurationStore::instance();
               store && m_doc->IsDataFolderKnown()) {
        // What the editor has measured so far; the sheet never waits for a measurement.
        auto listing = std::make_shared<const DataFolderListing>(folder);
        source.loudnessOf = [this, store, listing](int frame,
                                                   int channel) -> std::optional<double> {
            const std::string file = listing->PathOf(m_doc->cellText(frame, channel).toStdString());
            if (file.empty())
                return std::nullopt;
            const auto measured = store->loudness(QFile::decodeName(file.c_str()));
            return measured ? std::optional<double>(measured->lufs) : std::nullopt;
        };
    }
    return sheet::BuildSheetContent(source);
}

bool CueSheetCommands::print()
{
    QPrinter printer(QPrinter::HighResolution);
    PrepareLandscape(printer, m_doc->title());
    if (!SheetPrintDialogs::current().choosePrinter(parentWidget(), printer))
        return false;
    const cuelist::sheet::SheetContent sheet = content();
    WaitCursor wait;
    if (cuelist::sheet::PrintSheet(sheet, printer, printer.fromPage(), printer.toPage()) == 0) {
        prompt().refuse(parentWidget(),
                        tr("Unable to print the cue sheet of %1.").arg(m_doc->title()));
        return false;
    }
    return true;
}

bool CueSheetCommands::printPreview()
{
    QPrinter printer(QPrinter::HighResolution);
    PrepareLandscape(printer, m_doc->title());
    const cuelist::sheet::SheetContent sheet = content();
    SheetPrintDialogs::current().preview(parentWidget(), printer, [&sheet](QPrinter* target) {
        cuelist::sheet::PrintSheet(sheet, *target, target->fromPage(), target->toPage());
    });
    return true;
}

bool CueSheetCommands::exportPdf()
{
    QWidget* parent = parentWidget();
    const QString title = tr("Export PDF");
    const QString base = m_doc->pathName().isEmpty()
                             ? QDir::homePath() + QLatin1String("/playlist.pdf")
                             : QFileInfo(m_doc->pathName()).absolutePath() + QLatin1Char('/') +
                                   QFileInfo(m_doc->pathName()).completeBaseName() +
                                   QLatin1String(".pdf");
    const QString path = prompt().saveFileName(
        parent, title, base, QtFileFilter(tr("PDF document(*.pdf)|*.pdf||")), QStringLiteral("pdf"),
        [&](const QString& chosen) {
            // A sheet written over an open playlist would destroy it.
            if (CCueDoc::isOpenPlaylist(chosen) || CCueDoc::HasPlaylistExtension(chosen)) {
                prompt().refuse(parent, tr("%1 is a playlist; choose another file for the PDF.")
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
        return false;

    const cuelist::sheet::SheetContent sheet = content();
    WaitCursor wait;
    const cuelist::fileio::FileResult written =
        cuelist::sheet::WriteSheetPdf(sheet, ExportPaper(), path);
    if (!written.ok()) {
        prompt().refuse(parent, tr("Unable to save %1.\n%2")
                                    .arg(QDir::toNativeSeparators(path),
                                         cuelist::text::FileFaultReason(written)));
        return false;
    }
    return true;
}

bool CueSheetCommands::handlesCommand(int id) const
{
    return id == ID_FILE_PRINT || id == ID_FILE_PRINT_PREVIEW || id == ID_FILE_EXPORT_PDF;
}

void CueSheetCommands::runCommand(int id)
{
    if (id == ID_FILE_PRINT)
        print();
    else if (id == ID_FILE_PRINT_PREVIEW)
        printPreview();
    else if (id == ID_FILE_EXPORT_PDF)
        exportPdf();
}
