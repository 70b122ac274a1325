// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainframe.h"

#include "appicon.h"
#include "childframe.h"
#include "commandids.h"
#include "commandtable.h"
#include "cuedoc.h"
#include "cueview.h"
#include "gridcolumns.h"
#include "gridzoomsetting.h"
#include "help.h"
#include "playlisteditor.h"
#include "playlistname.h"
#include "settingvalue.h"
#include "windowmenu.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

CMainFrame::CMainFrame(CommandTable* commands, QWidget* parent)
    : QMainWindow(parent), m_commands(commands)
{
    setObjectName(QStringLiteral("MainFrame"));
    setWindowTitle(appTitle());
    setWindowIcon(AppIcon());
    setAcceptDrops(true);

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("MdiArea"));
    setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &CMainFrame::onSubWindowActivated);

    createToolBars();
    createStatusBar();
    createMenus();
    createAccelerators();
    resize(1024, 720);
    LoadBarState();
}

CMainFrame::~CMainFrame()
{
    // The bars and the area signal while Qt takes them down: nothing of this frame is left.
    for (QObject* sender : {static_cast<QObject*>(m_mdi), static_cast<QObject*>(m_fileBar),
                            static_cast<QObject*>(m_editBar)})
        sender->disconnect();
    // The playlist windows go while this frame is whole: their documents and editors signal
    // as they are taken down, and what they reach here must still be a main frame.
    for (const QPointer<CChildFrame>& child : std::as_const(m_children))
        delete child.data();
}

QString CMainFrame::appTitle()
{
    return tr("QUARNIX Cuelist Studio");
}

void CMainFrame::addChild(CChildFrame* child)
{
    m_children.append(child);
    // Queued: by then the window is fully gone and every pointer to it is null.
    connect(child, &QObject::destroyed, this, &CMainFrame::onChildDestroyed, Qt::QueuedConnection);
    CCueDoc* doc = child->document();
    // The window title starts with the document's title: a new one means a rebuild.
    connect(doc, &DocumentBase::titleChanged, this, [this, doc] {
        doc->SetTitleRefreshDue(true);
        OnUpdateFrameTitle();
    });
    connect(doc, &CCueDoc::frameTitleUpdateRequested, this, [this] { OnUpdateFrameTitle(); });
    connect(doc, &DocumentBase::modifiedChanged, m_commands, &CommandTable::updateStates);
    child->setWindowModified(doc->isModified());
    connect(doc, &DocumentBase::modifiedChanged, child, [this, child](bool modified) {
        child->setWindowModified(modified);
        if (child == activeChild())
            setWindowModified(modified);
    });

    PlaylistEditor* editor = child->editor();
    connect(editor, &PlaylistEditor::playlistsDropped, this, &CMainFrame::filesDropped);
    // The editor clears the pane when it goes, which may be while this window is destroyed:
    // the pane, not the window, is the receiver.
    connect(editor, &PlaylistEditor::descriptionChanged, m_description,
            [pane = m_description](const QString& text) {
                pane->setText(text);
                pane->repaint();
            });
    connect(editor, &PlaylistEditor::playTimeChanged, m_playTime, &QLabel::setText);

    m_mdi->addSubWindow(child);
    // The grid is set up before it is first shown, so that it is laid out once.
    if (CCueView* view = child->view()) {
        view->OnInitialUpdate();
        RestoreColumnWidths(view);
        RestoreZoom(view);
    }
    child->showMaximized();
    m_mdi->setActiveSubWindow(child);
    // An inactive main window does not report the activation: take it as done.
    if (m_activeChild != child)
        onSubWindowActivated(child);
    if (CCueView* view = child->view())
        view->setFocus();
}

CChildFrame* CMainFrame::activeChild() const
{
    const QList<QMdiSubWindow*> shown = m_mdi->subWindowList();
    if (auto* current = qobject_cast<CChildFrame*>(m_mdi->currentSubWindow()))
        if (shown.contains(current))
            return current;
    // A closed window may wait for its deletion: it is no longer active.
    return m_activeChild && shown.contains(m_activeChild.data()) ? m_activeChild.data() : nullptr;
}

QList<CChildFrame*> CMainFrame::childFrames() const
{
    // A closed window may wait for its deletion; it is no longer one of the playlists.
    const QList<QMdiSubWindow*> shown = m_mdi->subWindowList(QMdiArea::CreationOrder);
    QList<CChildFrame*> out;
    for (const QPointer<CChildFrame>& child : m_children)
        if (child && shown.contains(child.data()))
            out.append(child.data());
    return out;
}

void CMainFrame::onSubWindowActivated(QMdiSubWindow* window)
{
    auto* child = qobject_cast<CChildFrame*>(window);
    if (!child)
        return; // the frame itself lost the focus; the current window stays current
    if (child != m_activeChild) {
        if (m_activeChild)
            m_activeChild->editor()->OnActivateView(false);
        m_activeChild = child;
        if (!child->isMaximized())
            child->showMaximized();
        child->editor()->OnActivateView(true);
    }
    showMenuSet(true);
    OnUpdateFrameTitle();
    m_commands->updateStates();
}

void CMainFrame::onChildDestroyed()
{
    m_children.removeIf([](const QPointer<CChildFrame>& c) { return c.isNull(); });
    if (m_children.isEmpty()) {
        m_activeChild = nullptr;
        showMenuSet(false);
    } else if (!m_activeChild) {
        onSubWindowActivated(m_mdi->currentSubWindow() ? m_mdi->currentSubWindow()
                                                       : m_children.last().data());
    }
    OnUpdateFrameTitle();
    m_commands->updateStates();
}

bool CMainFrame::handlesCommand(int id) const
{
    return id == ID_HELP || id == ID_VIEW_TOOLBAR || id == ID_VIEW_EDIT_TOOLBAR ||
           id == ID_VIEW_STATUS_BAR || m_windowMenu->handlesCommand(id);
}

void CMainFrame::runCommand(int id)
{
    switch (id) {
    case ID_HELP:
        OpenHelp(this);
        break;
    case ID_VIEW_TOOLBAR:
        m_fileBar->setVisible(m_fileBar->isHidden());
        break;
    case ID_VIEW_EDIT_TOOLBAR:
        m_editBar->setVisible(m_editBar->isHidden());
        break;
    case ID_VIEW_STATUS_BAR:
        statusBar()->setVisible(statusBar()->isHidden());
        break;
    default:
        if (m_windowMenu->handlesCommand(id))
            m_windowMenu->runCommand(id);
        break;
    }
}

std::optional<CommandState> CMainFrame::commandState(int id) const
{
    switch (id) {
    case ID_VIEW_TOOLBAR:
        return CommandState{true, !m_fileBar->isHidden()};
    case ID_VIEW_EDIT_TOOLBAR:
        return CommandState{true, !m_editBar->isHidden()};
    case ID_VIEW_STATUS_BAR:
        return CommandState{true, !statusBar()->isHidden()};
    default:
        return m_windowMenu->commandState(id);
    }
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // The layout and the run mark are written even when the user then cancels the close.
    SaveBarState();
    SettingValue<int>(QStringLiteral("FIRST/RUN")).set(1);

    const QList<CChildFrame*> children = childFrames();
    for (CChildFrame* child : children) {
        if (!child->editor()->SaveModified()) {
            event->ignore();
            return;
        }
    }
    for (CChildFrame* child : children)
        child->closeWithoutAsking();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        for (const QUrl& url : event->mimeData()->urls())
            if (url.isLocalFile() && IsPlaylistPath(url.toLocalFile())) {
                event->acceptProposedAction();
                return;
            }
    event->ignore();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    QStringList paths;
    // Only playlists: any other file dropped here would be read as a broken playlist.
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile() && IsPlaylistPath(url.toLocalFile()))
            paths << url.toLocalFile();
    if (paths.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Opening may ask questions: not inside the drop, which the dragging program waits for.
    QMetaObject::invokeMethod(
        this, [this, paths] { emit filesDropped(paths); }, Qt::QueuedConnection);
}
