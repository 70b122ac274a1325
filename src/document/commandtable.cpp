// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandtable.h"

#include <QAction>

namespace {
CommandTable* g_instance = nullptr;
} // namespace

CommandTable::CommandTable(QObject* parent) : QObject(parent)
{
    g_instance = this;
}

CommandTable::~CommandTable()
{
    if (g_instance == this)
        g_instance = nullptr;
}

CommandTable* CommandTable::instance()
{
    return g_instance;
}

void CommandTable::setRoute(Route route)
{
    m_route = std::move(route);
}

QAction* CommandTable::action(int id)
{
    if (QAction* existing = m_actions.value(id))
        return existing;
    auto* created = new QAction(this);
    created->setData(id);
    connect(created, &QAction::triggered, this, [this, id] { execute(id); });
    m_actions.insert(id, created);
    return created;
}

QAction* CommandTable::findAction(int id) const
{
    return m_actions.value(id);
}

void CommandTable::setKeyText(int id, const QString& keys)
{
    QAction* a = action(id);
    const QString own = m_ownTexts.value(id, a->text()).section(QLatin1Char('\t'), 0, 0);
    m_keyTexts.insert(id, keys);
    if (m_ownTexts.contains(id))
        m_ownTexts[id] = withKeys(id, own);
    a->setText(withKeys(id, a->text().section(QLatin1Char('\t'), 0, 0)));
}

QString CommandTable::withKeys(int id, const QString& text) const
{
    const QString keys = m_keyTexts.value(id);
    return keys.isEmpty() ? text : text + QLatin1Char('\t') + keys;
}

CommandState CommandTable::state(int id) const
{
    const QList<CommandTarget*> targets = m_route ? m_route() : QList<CommandTarget*>();
    for (CommandTarget* target : targets)
        if (std::optional<CommandState> ruled = target->commandState(id))
            return *ruled;
    for (CommandTarget* target : targets)
        if (target->handlesCommand(id))
            return CommandState{};
    return CommandState{false, std::nullopt};
}

bool CommandTable::execute(int id)
{
    bool ran = false;
    if (state(id).enabled) {
        const QList<CommandTarget*> targets = m_route ? m_route() : QList<CommandTarget*>();
        for (CommandTarget* target : targets) {
            if (target->handlesCommand(id)) {
                // The target may be gone after this (Close, Exit): it is not touched again.
                target->runCommand(id);
                ran = true;
                break;
            }
        }
    }
    // A checkable action toggles itself when triggered; the rule puts it right again.
    updateStates();
    return ran;
}

void CommandTable::updateStates()
{
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const CommandState s = state(it.key());
        QAction* a = it.value();
        a->setEnabled(s.enabled);
        applyOwned(m_ownTexts, it.key(),
                   s.text ? std::optional<QString>(withKeys(it.key(), *s.text)) : std::nullopt, a,
                   &QAction::text, &QAction::setText);
        applyOwned(m_ownToolTips, it.key(), s.toolTip, a, &QAction::toolTip, &QAction::setToolTip);
        if (s.checked.has_value()) {
            a->setCheckable(true);
            a->setChecked(*s.checked);
        }
    }
}

void CommandTable::applyOwned(QHash<int, QString>& own, int id, const std::optional<QString>& ruled,
                              QAction* action, QString (QAction::*get)() const,
                              void (QAction::*set)(const QString&))
{
    if (ruled.has_value()) {
        if (!own.contains(id))
            own.insert(id, (action->*get)());
        (action->*set)(*ruled);
    } else if (const auto kept = own.constFind(id); kept != own.cend()) {
        (action->*set)(*kept);
        own.erase(kept);
    }
}
