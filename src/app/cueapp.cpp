// SPDX-License-Identifier: GPL-3.0-or-later
#include "cueapp.h"

#include "aboutdlg.h"
#include "appcommands.h"
#include "childframe.h"
#include "commandids.h"
#include "commandtable.h"
#include "cuedoc.h"
#include "durationstore.h"
#include "mainframe.h"
#include "playlisteditor.h"
#include "recentfilelist.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>

namespace {
CCueApp* g_app = nullptr;
} // namespace

CCueApp::CCueApp(QObject* parent)
    : QObject(parent), m_commands(new CommandTable(this)), m_recent(new RecentFileList(this)),
      m_durations(new DurationStore(QString::fromStdString(cuelist::DurationCache::DefaultFile()),
                                    this,
                                    QString::fromStdString(cuelist::LoudnessCache::DefaultFile())))
{
    g_app = this;
    DurationStore::setInstance(m_durations);
    AppCommands::Configure(*m_commands);
    m_commands->setRoute([this] { return route(); });
    connect(m_recent, &RecentFileList::changed, this, &CCueApp::updateRecentFileActions);
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        connect(clipboard, &QClipboard::dataChanged, m_commands, &CommandTable::updateStates);
}

CCueApp::~CCueApp()
{
    m_commands->setRoute({});
    delete m_mainFrame.data();
    if (g_app == this)
        g_app = nullptr;
}

CMainFrame* CCueApp::mainFrame() const
{
    return m_mainFrame.data();
}

CCueApp* CCueApp::instance()
{
    return g_app;
}

bool CCueApp::InitInstance(const QStringList& files)
{
    m_recent->load();
    m_mainFrame = new CMainFrame(m_commands);
    connect(m_mainFrame, &CMainFrame::filesDropped, this, [this](const QStringList& paths) {
        for (const QString& path : paths)
            OpenDocumentFile(path);
    });

    bool opened = false;
    for (const QString& file : files)
        opened = OpenDocumentFile(file) != nullptr || opened;
    // A file that cannot be opened was told about; the editor then starts with an empty
    // playlist, as it does without one.
    if (!opened && OnFileNew() == nullptr)
        return false;

    m_mainFrame->show();
    m_mainFrame->OnUpdateFrameTitle();
    m_commands->updateStates();
    return true;
}

void CCueApp::OnFilesHandedOver(const QStringList& files)
{
    if (!m_mainFrame)
        return;
    if (m_mainFrame->isMinimized())
        m_mainFrame->showNormal();
    m_mainFrame->raise();
    m_mainFrame->activateWindow();
    for (const QString& file : files)
        OpenDocumentFile(file);
}

QList<CommandTarget*> CCueApp::route() const
{
    QList<CommandTarget*> targets;
    if (m_mainFrame) {
        if (CChildFrame* child = m_mainFrame->activeChild()) {
            targets << child->editor() << child->document() << child;
        }
        targets << m_mainFrame.data();
    }
    targets << const_cast<CCueApp*>(this);
    return targets;
}

bool CCueApp::handlesCommand(int id) const
{
    if (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + RecentFileList::kSize)
        return id - ID_FILE_MRU_FILE1 < m_recent->files().size();
    return id == ID_FILE_NEW || id == ID_FILE_OPEN || id == ID_APP_EXIT || id == ID_APP_ABOUT;
}

void CCueApp::runCommand(int id)
{
    switch (id) {
    case ID_FILE_NEW:
        OnFileNew();
        break;
    case ID_FILE_OPEN:
        OnFileOpen();
        break;
    case ID_APP_EXIT:
        if (m_mainFrame)
            m_mainFrame->close();
        break;
    case ID_APP_ABOUT: {
        CAboutDlg about(m_mainFrame);
        about.exec();
        break;
    }
    default:
        if (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + RecentFileList::kSize)
            openRecentFile(id - ID_FILE_MRU_FILE1);
        break;
    }
}

std::optional<CommandState> CCueApp::commandState(int id) const
{
    if (id == ID_FILE_MRU_FILE1 && m_recent->files().isEmpty())
        return CommandState{false, std::nullopt}; // the greyed "Recently used file"
    return std::nullopt;
}

void CCueApp::updateRecentFileActions()
{
    const QStringList& files = m_recent->files();
    for (int i = 0; i < RecentFileList::kSize; ++i) {
        QAction* action = m_commands->action(ID_FILE_MRU_FILE1 + i);
        action->setStatusTip(tr("Open this playlist"));
        if (i < files.size()) {
            QString shown = QDir::toNativeSeparators(files[i]);
            shown.replace(QLatin1Char('&'), QLatin1String("&&"));
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
            action->setVisible(true);
        } else {
            action->setText(tr("Recently used file"));
            action->setVisible(i == 0);
        }
    }
    m_commands->updateStates();
}
