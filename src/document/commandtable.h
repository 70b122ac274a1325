// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandtarget.h"

#include <functional>
#include <QHash>
#include <QObject>

class QAction;

// The single registry of the editor's actions, keyed by command id. Owns one QAction
// per id (menus, tool bars and accelerators share it), evaluates the enabling rules along
// the command route, and re-checks a command's rule before it runs. GUI thread only.
class CommandTable final : public QObject
{
    Q_OBJECT
public:
    explicit CommandTable(QObject* parent = nullptr);
    ~CommandTable() override;
    Q_DISABLE_COPY_MOVE(CommandTable)

    // The table of the running editor; null when none exists.
    static CommandTable* instance();

    using Route = std::function<QList<CommandTarget*>()>;
    void setRoute(Route route);

    // Creates (once) and returns the action of id; text, icon and shortcut are the caller's.
    QAction* action(int id);
    QAction* findAction(int id) const;

    // Shows keys (such as "Ctrl+Z") at the right of the command's menu text, whatever text a
    // rule gives it. For the commands whose keys are not the action's own shortcut.
    void setKeyText(int id, const QString& keys);

    // The state along the route right now.
    CommandState state(int id) const;
    // Runs id along the route when its rule allows it now; returns whether it ran.
    bool execute(int id);

public slots:
    // Re-evaluates every action's enabled and checked state.
    void updateStates();

private:
    // Puts a rule's text (or tool tip) on the action, or gives back the action's own.
    static void applyOwned(QHash<int, QString>& own, int id, const std::optional<QString>& ruled,
                           QAction* action, QString (QAction::*get)() const,
                           void (QAction::*set)(const QString&));
    QString withKeys(int id, const QString& text) const;

    QHash<int, QAction*> m_actions;
    QHash<int, QString> m_ownTexts;    // the menu texts that a rule's text replaced
    QHash<int, QString> m_ownToolTips; // the tool tips that a rule's tool tip replaced
    QHash<int, QString> m_keyTexts;
    Route m_route;
};
