// SPDX-License-Identifier: GPL-3.0-or-later
#include "cuedoc.h"

#include "commandids.h"
#include "core/datafolder.h"
#include "core/playlistfile.h"
#include "text/messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

namespace {

// Every live document, for the question whether a path is an open playlist. GUI thread only.
QList<const CCueDoc*>& OpenDocuments()
{
    static QList<const CCueDoc*> documents;
    return documents;
}

} // namespace

CCueDoc::CCueDoc(QObject* parent)
    : DocumentBase(parent), m_playlistPath(QDir::homePath() + QLatin1String("/playlist.slp")),
      m_dataFolderPath(QDir::homePath() + QLatin1String("/data/"))
{
    OpenDocuments().append(this);
    // Undoing back to the saved state makes the playlist unmodified again.
    connect(&m_undoStack, &QUndoStack::cleanChanged, this,
            [this](bool clean) { setModifiedFlag(!clean); });
}

CCueDoc::~CCueDoc()
{
    OpenDocuments().removeOne(this);
}

bool CCueDoc::isOpenPlaylist(const QString& path)
{
    const cuelist::fileio::FileStamp target =
        cuelist::fileio::StampOf(QFile::encodeName(path).toStdString());
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (const CCueDoc* doc : OpenDocuments()) {
        if (doc->pathName().isEmpty())
            continue;
        if (QFileInfo(doc->pathName()).absoluteFilePath() == absolute)
            return true;
        const cuelist::fileio::FileStamp open =
            cuelist::fileio::StampOf(QFile::encodeName(doc->pathName()).toStdString());
        if (target.sameFile(open))
            return true;
    }
    return false;
}

bool CCueDoc::isChangedOnDisk() const
{
    if (!m_diskStamp.exists)
        return false;
    const cuelist::fileio::FileStamp now =
        cuelist::fileio::StampOf(QFile::encodeName(m_playlistPath).toStdString());
    return now.exists && now != m_diskStamp;
}

QString CCueDoc::cellText(int frame, int channel) const
{
    std::string text;
    if (m_table.GetSlotText(frame, channel, text) != cuelist::kSlotDone)
        return QString();
    return cuelist::text::CellText(text);
}

void CCueDoc::setDataFolderFromFile(const QString& filePath)
{
    if (m_dataFolderKnown)
        return;
    // The fix belongs to the edit that stores the file: its undo makes the playlist new again.
    if (!m_unrecordedFolderFix)
        m_unrecordedFolderFix = m_dataFolderPath;
    setDataFolderState(true, QFileInfo(filePath).absolutePath() + QLatin1Char('/'));
}

void CCueDoc::setDataFolderState(bool known, const QString& path)
{
    m_dataFolderKnown = known;
    m_dataFolderPath = path;
    m_titleRefreshDue = true;
    emit dataFolderChanged();
}

void CCueDoc::takeFolderFix(SlotEdit& step)
{
    if (m_unrecordedFolderFix)
        step.setFolderFix(*std::exchange(m_unrecordedFolderFix, std::nullopt), m_dataFolderPath);
}

QString CCueDoc::replacePrompt() const
{
    return tr("File is already setup. Do you want to save changes?");
}

void CCueDoc::setTitle(const QString& title)
{
    m_shownTitle = title;
    DocumentBase::setTitle(title);
}

quint64 CCueDoc::GetTotalDataSize() const
{
    const cuelist::DataFolderListing folder(m_dataFolderPath.toStdString());
    return cuelist::TotalDataSizeKb(m_table, folder);
}

bool CCueDoc::OnNewDocument()
{
    m_table.ClearAllSlots();
    m_undoStack.clear();
    m_unrecordedFolderFix.reset();
    return true;
}

cuelist::fileio::FileResult CCueDoc::OnOpenDocument(const QString& path)
{
    // The file layer refuses FIFOs and devices without waiting on them.
    std::vector<std::uint8_t> bytes;
    cuelist::fileio::FileStamp stamp;
    const cuelist::fileio::FileResult read = cuelist::fileio::ReadFileHead(
        QFile::encodeName(path).toStdString(), bytes, cuelist::kImageSize, &stamp);
    if (read.ok())
        loadImage(QFileInfo(path).absoluteFilePath(), bytes, stamp);
    return read;
}

void CCueDoc::loadImage(const QString& absolutePath, const std::vector<std::uint8_t>& bytes,
                        const cuelist::fileio::FileStamp& stamp)
{
    m_table.ClearAllSlots();
    cuelist::ReadImage(m_table, bytes);
    m_diskStamp = stamp;
    m_playlistPath = absolutePath;
    m_dataFolderPath =
        QString::fromStdString(cuelist::DataFolderPathFor(absolutePath.toStdString()));
    cuelist::RepairAfterLoad(m_table);
    m_dataFolderKnown = true;
    m_titleRefreshDue = true;
    m_undoStack.clear();
    m_unrecordedFolderFix.reset();
    setModifiedFlag(false);
    emit dataFolderChanged();
}

bool CCueDoc::handlesCommand(int id) const
{
    return id == ID_EDIT_UNDO || id == ID_EDIT_REDO;
}

void CCueDoc::runCommand(int id)
{
    switch (id) {
    case ID_EDIT_UNDO:
        m_undoStack.undo();
        break;
    case ID_EDIT_REDO:
        m_undoStack.redo();
        break;
    default:
        break;
    }
}
