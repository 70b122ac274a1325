// SPDX-License-Identifier: GPL-3.0-or-later
#include "childframe.h"
#include "core/playlistfile.h"
#include "cueapp.h"
#include "cuedoc.h"
#include "filefilter.h"
#include "fileio/safefile.h"
#include "mainframe.h"
#include "prompt.h"
#include "recentfilelist.h"
#include "text/messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <span>

CCueDoc* CCueApp::addDocument(CCueDoc* doc, const QString& path)
{
    connect(doc, &DocumentBase::pathNameChanged, m_recent, [this](const QString& name, bool add) {
        if (add)
            m_recent->add(name);
    });
    if (!path.isEmpty())
        doc->setPathName(path);
    m_mainFrame->addChild(new CChildFrame(doc));
    return doc;
}

CCueDoc* CCueApp::OnFileNew()
{
    auto* doc = new CCueDoc;
    if (!doc->OnNewDocument()) {
        delete doc;
        return nullptr;
    }
    doc->setTitle(tr("PlayList%1").arg(++m_untitledCount));
    return addDocument(doc, QString());
}

void CCueApp::OnFileOpen()
{
    QString folder = QDir::homePath();
    if (CChildFrame* child = m_mainFrame->activeChild())
        folder = QFileInfo(child->document()->playlistPath()).absolutePath();
    const QString filter = QtFileFilter(tr("PlayList(*.slp)") + QLatin1String("|*.slp|") +
                                        tr("All Files(*)") + QLatin1String("|*||"));
    const QString path = prompt().openFileName(m_mainFrame, tr("Open"), folder, filter);
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

CCueDoc* CCueApp::OpenDocumentFile(const QString& path, bool* declined)
{
    if (declined)
        *declined = false;
    const QString absolute = QFileInfo(path).absoluteFilePath();

    // The file is read once: the questions are about the bytes that are then loaded. A read
    // failure is reported after the questions (there are none about an unread file); a FIFO
    // or device is refused, never waited on.
    std::vector<std::uint8_t> bytes;
    cuelist::fileio::FileStamp stamp;
    const cuelist::fileio::FileResult read = cuelist::fileio::ReadFileHead(
        QFile::encodeName(absolute).toStdString(), bytes, cuelist::kImageSize, &stamp);
    if (!read.ok())
        bytes.clear();
    const cuelist::PrecheckResult found = cuelist::ScanImage(bytes);

    const auto confirm = [this](const QString& question) {
        return prompt().ask(m_mainFrame, question, QMessageBox::Yes | QMessageBox::No,
                            QMessageBox::Question) == QMessageBox::Yes;
    };
    if ((found.unknownType &&
         !confirm(tr("The opened playlist includes unknown file type in the setup frame.  Are "
                     "you sure the application deletes the unknown files?"))) ||
        (found.unknownChannel &&
         !confirm(tr("The opened playlist includes unknow channel numbers. Are you sure the "
                     "application deletes these messages of unknown channel numbers? ")))) {
        if (declined)
            *declined = true;
        return nullptr;
    }

    for (CChildFrame* child : m_mainFrame->childFrames()) {
        if (child->document()->pathName() == absolute) {
            m_mainFrame->mdiArea()->setActiveSubWindow(child);
            return child->document();
        }
    }

    if (!read.ok()) {
        prompt().refuse(m_mainFrame, tr("Unable to open %1.\n%2")
                                         .arg(QDir::toNativeSeparators(absolute),
                                              cuelist::text::FileFaultReason(read)));
        return nullptr;
    }
    auto* doc = new CCueDoc;
    doc->loadImage(absolute, bytes, stamp);
    return addDocument(doc, absolute);
}

void CCueApp::openRecentFile(int index)
{
    const QString path = m_recent->files().value(index);
    bool declined = false;
    if (!OpenDocumentFile(path, &declined) && !declined)
        m_recent->remove(m_recent->files().indexOf(path));
}
