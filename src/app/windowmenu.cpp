// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowmenu.h"

#include "childframe.h"
#include "commandids.h"
#include "commandtable.h"
#include "cuedoc.h"
#include "playlisteditor.h"
#include "settingvalue.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenu>
#include <QTabBar>

namespace {

const SettingValue<bool> kTabs(QStringLiteral("WINDOW/DocumentTabs"), false);

} // namespace

WindowMenu::WindowMenu(QMdiArea* area, CommandTable* commands, QWidget* menuParent)
    : QObject(menuParent), m_area(area), m_commands(commands),
      m_menu(new QMenu(tr("Window(&W)"), menuParent))
{
    for (int id : {ID_WINDOW_NEXT, ID_WINDOW_PREVIOUS})
        m_menu->addAction(commands->action(id));
    m_menu->addSeparator();
    m_menu->addAction(commands->action(ID_WINDOW_CLOSE_ALL));
    m_menu->addSeparator();
    for (int i = 0; i < kListed; ++i) {
        QAction* entry = commands->action(ID_WINDOW_CHILD1 + i);
        entry->setCheckable(true);
        entry->setVisible(false);
        m_menu->addAction(entry);
    }
    connect(m_menu, &QMenu::aboutToShow, this, &WindowMenu::updateEntries);
    connect(m_menu, &QMenu::aboutToShow, commands, &CommandTable::updateStates);
    connect(area, &QMdiArea::subWindowActivated, this, &WindowMenu::onActivated);
    // Ctrl+Tab belongs to this menu: the area's own switcher would fight it.
    qApp->installEventFilter(this);
    setTabbed(kTabs.get());
}

WindowMenu::~WindowMenu()
{
    qApp->removeEventFilter(this);
}

QList<CChildFrame*> WindowMenu::windows() const
{
    QList<CChildFrame*> out;
    for (QMdiSubWindow* window : m_area->subWindowList(QMdiArea::CreationOrder))
        if (auto* child = qobject_cast<CChildFrame*>(window))
            out.append(child);
    return out;
}

QList<CChildFrame*> WindowMenu::recentOrder() const
{
    const QList<CChildFrame*> open = windows();
    QList<CChildFrame*> out;
    for (const QPointer<CChildFrame>& child : m_recent)
        if (child && open.contains(child.data()))
            out.append(child.data());
    // Windows never activated yet follow, newest first.
    for (auto it = open.crbegin(); it != open.crend(); ++it)
        if (!out.contains(*it))
            out.append(*it);
    return out;
}

bool WindowMenu::tabbed() const
{
    return m_area->viewMode() == QMdiArea::TabbedView;
}

void WindowMenu::setTabbed(bool tabbed)
{
    m_area->setViewMode(tabbed ? QMdiArea::TabbedView : QMdiArea::SubWindowView);
    if (tabbed) {
        m_area->setDocumentMode(true);
        m_area->setTabsClosable(true);
        m_area->setTabsMovable(true);
    }
    // Only a change is written: the start would otherwise rewrite and sync the profile.
    if (kTabs.get() != tabbed)
        kTabs.set(tabbed);
    // Back from tabs, the windows are maximised again like always.
    if (!tabbed)
        for (CChildFrame* child : windows())
            child->showMaximized();
}

void WindowMenu::activate(CChildFrame* child)
{
    if (!child)
        return;
    m_area->setActiveSubWindow(child);
    child->setFocus();
}

void WindowMenu::onActivated(QMdiSubWindow* window)
{
    auto* child = qobject_cast<CChildFrame*>(window);
    if (!child || m_cycleIndex >= 0)
        return; // a Ctrl+Tab walk settles the order when Ctrl is released
    m_recent.removeIf([child](const QPointer<CChildFrame>& c) { return !c || c == child; });
    m_recent.prepend(child);
}

void WindowMenu::cycleRecent(int direction)
{
    const QList<CChildFrame*> order = recentOrder();
    if (order.size() < 2)
        return;
    if (m_cycleIndex < 0) {
        m_recent.clear();
        for (CChildFrame* child : order)
            m_recent.append(child);
        m_cycleIndex = 0;
    }
    const qsizetype count = order.size();
    m_cycleIndex = int((m_cycleIndex + direction + count) % count);
    activate(order[m_cycleIndex]);
    // Run from anywhere but the held Ctrl+Tab keys, the walk ends at once.
    if (!m_fromKeys)
        endCycle();
}

void WindowMenu::endCycle()
{
    if (m_cycleIndex < 0)
        return;
    const QList<CChildFrame*> order = recentOrder();
    CChildFrame* chosen = order.value(m_cycleIndex);
    m_cycleIndex = -1;
    if (chosen)
        onActivated(chosen);
}

bool WindowMenu::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyRelease:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Control)
            endCycle();
        break;
    case QEvent::ApplicationDeactivate:
    case QEvent::MouseButtonPress:
        endCycle();
        break;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        // The area switches windows on Ctrl+Tab by itself; here the command does.
        auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (tab && (key->modifiers() & Qt::ControlModifier) && widget &&
            m_area->isAncestorOf(widget) && event->type() == QEvent::KeyPress) {
            const bool back =
                key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
            m_fromKeys = true;
            m_commands->execute(back ? ID_WINDOW_RECENT_BACK : ID_WINDOW_RECENT);
            m_fromKeys = false;
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void WindowMenu::closeAll()
{
    const QList<CChildFrame*> open = windows();
    for (CChildFrame* child : open)
        if (!child->editor()->SaveModified())
            return; // cancelled: every window stays
    for (CChildFrame* child : open)
        child->closeWithoutAsking();
}

void WindowMenu::updateEntries()
{
    const QList<CChildFrame*> open = windows();
    QHash<QString, int> sameTitle;
    for (const CChildFrame* child : open)
        ++sameTitle[child->document()->title()];
    for (int i = 0; i < kListed; ++i) {
        QAction* entry = m_commands->action(ID_WINDOW_CHILD1 + i);
        if (i >= open.size()) {
            entry->setVisible(false);
            continue;
        }
        const CCueDoc* doc = open[i]->document();
        QString title = doc->title();
        // Shows are often kept as one show.slp per folder: the folder tells them apart.
        if (sameTitle.value(title) > 1 && !doc->pathName().isEmpty())
            title += QStringLiteral(" (%1)").arg(
                QDir::toNativeSeparators(QFileInfo(doc->pathName()).absolutePath()));
        if (doc->isModified())
            title += QStringLiteral(" *");
        title.replace(QLatin1Char('&'), QLatin1String("&&"));
        entry->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(title));
        entry->setStatusTip(QDir::toNativeSeparators(doc->pathName()));
        entry->setVisible(true);
    }
}

bool WindowMenu::handlesCommand(int id) const
{
    if (id >= ID_WINDOW_CHILD1 && id < ID_WINDOW_CHILD1 + kListed)
        return id - ID_WINDOW_CHILD1 < windows().size();
    return id == ID_WINDOW_NEXT || id == ID_WINDOW_PREVIOUS || id == ID_WINDOW_RECENT ||
           id == ID_WINDOW_RECENT_BACK || id == ID_WINDOW_CLOSE_ALL || id == ID_VIEW_DOCUMENT_TABS;
}

void WindowMenu::runCommand(int id)
{
    const QList<CChildFrame*> open = windows();
    switch (id) {
    case ID_WINDOW_NEXT:
    case ID_WINDOW_PREVIOUS: {
        if (open.size() < 2)
            break;
        const qsizetype at = open.indexOf(qobject_cast<CChildFrame*>(m_area->currentSubWindow()));
        const qsizetype step = id == ID_WINDOW_NEXT ? 1 : open.size() - 1;
        activate(open[(std::max<qsizetype>(at, 0) + step) % open.size()]);
        break;
    }
    case ID_WINDOW_RECENT:
        cycleRecent(1);
        break;
    case ID_WINDOW_RECENT_BACK:
        cycleRecent(-1);
        break;
    case ID_WINDOW_CLOSE_ALL:
        closeAll();
        break;
    case ID_VIEW_DOCUMENT_TABS:
        setTabbed(!tabbed());
        break;
    default:
        if (id >= ID_WINDOW_CHILD1 && id - ID_WINDOW_CHILD1 < open.size())
            activate(open[id - ID_WINDOW_CHILD1]);
        break;
    }
}

std::optional<CommandState> WindowMenu::commandState(int id) const
{
    const QList<CChildFrame*> open = windows();
    switch (id) {
    case ID_WINDOW_NEXT:
    case ID_WINDOW_PREVIOUS:
    case ID_WINDOW_RECENT:
    case ID_WINDOW_RECENT_BACK:
        return CommandState{open.size() > 1, std::nullopt};
    case ID_WINDOW_CLOSE_ALL:
        return CommandState{!open.isEmpty(), std::nullopt};
    case ID_VIEW_DOCUMENT_TABS:
        return CommandState{true, tabbed()};
    default:
        if (id >= ID_WINDOW_CHILD1 && id < ID_WINDOW_CHILD1 + kListed)
            return CommandState{id - ID_WINDOW_CHILD1 < open.size(),
                                open.value(id - ID_WINDOW_CHILD1) == m_area->currentSubWindow()};
        return std::nullopt;
    }
}
