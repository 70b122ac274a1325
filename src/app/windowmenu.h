// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandtarget.h"

#include <QList>
#include <QObject>
#include <QPointer>

class CChildFrame;
class CommandTable;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

// The Window menu and the switching among playlist windows: the open playlists with their
// modified mark, Next and Previous in the order they were opened, Ctrl+Tab back through the
// most recently used (held Ctrl walks further; releasing it settles the order), Close All,
// and document tabs as a View setting kept in the profile. GUI thread only.
class WindowMenu final : public QObject, public CommandTarget
{
    Q_OBJECT
public:
    static constexpr int kListed = 9; // windows named in the menu

    // The area and the table are not owned and outlive this object.
    WindowMenu(QMdiArea* area, CommandTable* commands, QWidget* menuParent);
    ~WindowMenu() override;
    Q_DISABLE_COPY_MOVE(WindowMenu)

    QMenu* menu() const { return m_menu; }
    // The playlist windows, most recently used first.
    QList<CChildFrame*> recentOrder() const;
    bool tabbed() const;
    void setTabbed(bool tabbed);

    // CommandTarget
    bool handlesCommand(int id) const override;
    void runCommand(int id) override;
    std::optional<CommandState> commandState(int id) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<CChildFrame*> windows() const; // in the order they were opened
    void activate(CChildFrame* child);
    void onActivated(QMdiSubWindow* window);
    void cycleRecent(int direction);
    void endCycle();
    void closeAll();
    void updateEntries();

    QMdiArea* m_area;
    CommandTable* m_commands;
    QMenu* m_menu;
    QList<QPointer<CChildFrame>> m_recent; // most recent first
    int m_cycleIndex = -1;                 // while Ctrl is held after Ctrl+Tab
    bool m_fromKeys = false; // a walk runs from the Ctrl+Tab keys, which end it on release
};
