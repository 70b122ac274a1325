// SPDX-License-Identifier: GPL-3.0-or-later
#include "cuedoc.h"

#include "commandids.h"
#include "core/datafolder.h"
#include "core/playlistfile.h"
#include "documentview.h"
#include "prompt.h"
#include "text/messages.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QWidget>
#include <span>

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

bool CCueDoc::IsOpenPlaylist(const QString& path)
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
        if (target.exists && open.exists && target.device == open.device &&
            target.inode == open.inode)
            return true;
    }
    return false;
}

bool CCueDoc::IsChangedOnDisk() const
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

void CCueDoc::SetCurrentSlot(int frame, int channel)
{
    m_currentFrame = frame;
    m_currentChannel = channel;
}

void CCueDoc::GetCurrentSlot(int& frame, int& channel) const
{
    frame = m_currentFrame;
    channel = m_currentChannel;
}

void CCueDoc::setDataFolderFromFile(const QString& filePath)
{
    if (!m_dataFolderKnown)
        m_dataFolderPath = QFileInfo(filePath).absolutePath() + QLatin1Char('/');
    m_dataFolderKnown = true;
    m_titleRefreshDue = true;
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
    return true;
}

bool CCueDoc::OnOpenDocument(const QString& path)
{
    // The file layer refuses FIFOs and devices without waiting on them.
    std::vector<std::uint8_t> bytes;
    cuelist::fileio::FileStamp stamp;
    const cuelist::fileio::FileResult read = cuelist::fileio::ReadFileHead(
        QFile::encodeName(path).toStdString(), bytes, cuelist::kImageSize, &stamp);
    if (!read.ok()) {
        prompt().refuse(dialogParent(), tr("Unable to open %1.\n%2")
                                            .arg(QDir::toNativeSeparators(path),
                                                 cuelist::text::FileFaultReason(read)));
        return false;
    }

    const QString absolute = QFileInfo(path).absoluteFilePath();
    cuelist::ReadImage(m_table, bytes);
    m_diskStamp = stamp;
    m_playlistPath = absolute;
    m_dataFolderPath = QString::fromStdString(cuelist::DataFolderPathFor(absolute.toStdString()));
    cuelist::RepairAfterLoad(m_table);
    m_dataFolderKnown = true;
    m_titleRefreshDue = true;
    m_undoStack.clear();
    setModifiedFlag(false);
    return true;
}

QWidget* CCueDoc::dialogParent() const
{
    if (DocumentView* view = firstView())
        if (QWidget* widget = view->viewWidget())
            return widget->window();
    return QApplication::activeWindow();
}

bool CCueDoc::handlesCommand(int id) const
{
    switch (id) {
    case ID_CSV_OUTPUT:
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
    case ID_FILE_CLOSE:
    case ID_SELECT_FILE:
    case ID_OPEN_CONTENTS:
    case ID_EDIT_UNDO:
    case ID_EDIT_REDO:
        return true;
    default:
        return false;
    }
}

void CCueDoc::runCommand(int id)
{
    switch (id) {
    case ID_CSV_OUTPUT:
        OnFileCsvOutput();
        break;
    case ID_FILE_SAVE:
        DoFileSave();
        break;
    case ID_FILE_SAVE_AS:
        DoSave(QString(), true);
        break;
    case ID_FILE_CLOSE:
        if (SaveModified())
            emit closeRequested();
        break;
    case ID_SELECT_FILE:
        OnSelectFile();
        break;
    case ID_OPEN_CONTENTS:
        OnOpenContents();
        break;
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
