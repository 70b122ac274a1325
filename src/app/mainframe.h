// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandtarget.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

class CChildFrame;
class CommandTable;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class WindowMenu;

// The top-level window: the MDI area with the playlist windows, the two menu bars (with and
// without a playlist), the File and Edit tool bars, the status bar with the description
// pane, the bar layout kept in the profile, and the window titles. GUI thread only.
class CMainFrame final : public QMainWindow, public CommandTarget
{
    Q_OBJECT
public:
    // The command table is not owned; it outlives the frame.
    explicit CMainFrame(CommandTable* commands, QWidget* parent = nullptr);
    ~CMainFrame() override;
    Q_DISABLE_COPY_MOVE(CMainFrame)

    static QString appTitle();

    QMdiArea* mdiArea() const { return m_mdi; }
    QToolBar* fileToolBar() const { return m_fileBar; }
    QToolBar* editToolBar() const { return m_editBar; }
    QLabel* messagePane() const { return m_ready; }
    QLabel* descriptionPane() const { return m_description; }
    QLabel* playTimePane() const { return m_playTime; }
    QLabel* capsLockPane() const { return m_caps; }
    QLabel* numLockPane() const { return m_num; }
    // The File menu without a playlist, where the recent files are listed.
    QMenu* noPlaylistFileMenu() const { return m_noPlaylistMenus.value(0); }
    bool showsPlaylistMenu() const { return m_playlistMenuShown; }
    WindowMenu* windowMenu() const { return m_windowMenu; }

    // Adds a playlist window: maximised, activated, its view initialised.
    void addChild(CChildFrame* child);
    CChildFrame* activeChild() const;
    QList<CChildFrame*> childFrames() const; // in creation order

    // Rebuilds the active playlist window's title (with the total data size once the data
    // folder is known) and the main window's title from it.
    void OnUpdateFrameTitle(bool addToTitle = true);

    void LoadBarState();
    void SaveBarState() const;

    // CommandTarget: Help, the three bar toggles and the Window menu's commands.
    bool handlesCommand(int id) const override;
    void runCommand(int id) override;
    std::optional<CommandState> commandState(int id) const override;

signals:
    // Playlist files dropped anywhere on the frame, its playlist windows included.
    void filesDropped(const QStringList& paths);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createMenus();
    void createToolBars();
    void createStatusBar();
    void createAccelerators();
    void showMenuSet(bool playlist);
    void onSubWindowActivated(QMdiSubWindow* window);
    void onChildDestroyed();

    CommandTable* m_commands;
    QMdiArea* m_mdi = nullptr;
    QToolBar* m_fileBar = nullptr;
    QToolBar* m_editBar = nullptr;
    QLabel* m_ready = nullptr;
    QLabel* m_description = nullptr;
    QLabel* m_playTime = nullptr;
    QLabel* m_caps = nullptr;
    QLabel* m_num = nullptr;
    QList<QMenu*> m_noPlaylistMenus;
    QList<QMenu*> m_playlistMenus;
    WindowMenu* m_windowMenu = nullptr; // owned (QObject child)
    bool m_playlistMenuShown = false;
    QList<QPointer<CChildFrame>> m_children;
    QPointer<CChildFrame> m_activeChild;
    QPointer<CChildFrame> m_rememberedChild; // the child whose title was built last
};
