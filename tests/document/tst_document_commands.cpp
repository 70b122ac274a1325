// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandtable.h"
#include "filefilter.h"

#include <QAction>
#include <QtTest>

namespace {

// A route stop with scripted handlers and rules.
class FakeTarget final : public CommandTarget
{
public:
    QList<int> handled;
    QHash<int, CommandState> rules;
    QList<int> ran;
    std::function<void()> onRun;

    bool handlesCommand(int id) const override { return handled.contains(id); }
    void runCommand(int id) override
    {
        ran << id;
        if (onRun)
            onRun();
    }
    std::optional<CommandState> commandState(int id) const override
    {
        if (rules.contains(id))
            return rules.value(id);
        return std::nullopt;
    }
};

} // namespace

// The command table: states and execution along the route.
class DocumentCommandsTest final : public QObject
{
    Q_OBJECT

private slots:
    void firstHandlerRunsAndFirstRuleDecides()
    {
        CommandTable table;
        QCOMPARE(CommandTable::instance(), &table);
        FakeTarget view, doc, app;
        table.setRoute([&] { return QList<CommandTarget*>{&view, &doc, &app}; });

        doc.handled = {1, 2};
        app.handled = {1, 3};
        QVERIFY(table.execute(1));
        QCOMPARE(doc.ran, QList<int>{1});
        QVERIFY(app.ran.isEmpty());

        // No handler anywhere: disabled, and nothing runs.
        QVERIFY(!table.state(4).enabled);
        QVERIFY(!table.execute(4));

        // A rule earlier on the route wins over a later handler's default.
        view.rules.insert(2, CommandState{false, std::nullopt});
        QVERIFY(!table.state(2).enabled);
        QVERIFY(!table.execute(2));
        QCOMPARE(doc.ran, QList<int>{1});
    }

    void chosenCommandRechecksItsRule()
    {
        CommandTable table;
        FakeTarget target;
        target.handled = {7};
        table.setRoute([&] { return QList<CommandTarget*>{&target}; });
        QAction* action = table.action(7);
        QCOMPARE(table.action(7), action);
        QCOMPARE(table.findAction(7), action);
        QVERIFY(!table.findAction(8));

        table.updateStates();
        QVERIFY(action->isEnabled());
        // The state changes after the last update; the stale action still triggers.
        target.rules.insert(7, CommandState{false, std::nullopt});
        action->trigger();
        QVERIFY(target.ran.isEmpty());
        QVERIFY(!action->isEnabled()); // and the action shows the new state afterwards
    }

    void checkStatesFollowTheRules()
    {
        CommandTable table;
        FakeTarget frame;
        bool shown = true;
        frame.handled = {5};
        frame.onRun = [&] { shown = !shown; };
        table.setRoute([&] {
            frame.rules.insert(5, CommandState{true, shown});
            return QList<CommandTarget*>{&frame};
        });
        QAction* action = table.action(5);
        table.updateStates();
        QVERIFY(action->isCheckable());
        QVERIFY(action->isChecked());
        action->trigger();
        QVERIFY(!shown);
        QVERIFY(!action->isChecked());
        action->trigger();
        QVERIFY(action->isChecked());
    }

    void filtersInQtForm()
    {
        QCOMPARE(QtFileFilter("CSV(comma)(*.CSV)|*.csv||"), QStringLiteral("CSV(comma)(*.CSV)"));
        QCOMPARE(QtFileFilter("PlayList(*.slp)|*.slp||"), QStringLiteral("PlayList(*.slp)"));
        QCOMPARE(QtFileFilter("MP3|*.MP3|All Files|*.*;*||"),
                 QStringLiteral("MP3 (*.MP3);;All Files (*.* *)"));
    }
};

QTEST_MAIN(DocumentCommandsTest)
#include "tst_document_commands.moc"
