// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandids.h"
#include "commandtable.h"
#include "cuedoc.h"
#include "cuegridmodel.h"
#include "cueview.h"
#include "playlisteditor.h"
#include "putrecord.h"
#include "scriptedprompt.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const cuelist::SlotRecord kVoice = {1,   'V', 'O', 'I', 'C', 'E', ' ', ' ',
                                    ' ', 12,  3,   5,   7,   0,   9,   0};

} // namespace

// The commands act on the cursor's slot whether or not the grid was ever painted, and the
// grid is told only about the cells that changed.
class ViewHiddenTest final : public QObject
{
    Q_OBJECT

private slots:
    void commandsWithoutPaint()
    {
        ScriptedPrompt prompt;
        CCueDoc doc;
        PlaylistEditor editor(&doc);
        CCueView view(&editor, nullptr); // never shown
        CommandTable commands;
        commands.setRoute([&] { return QList<CommandTarget*>{&editor, &doc}; });
        PutRecord(doc, 3, 2, kVoice);
        PutRecord(doc, 4, 2, kVoice);

        QCOMPARE(view.activeChannel(), 0);
        QVERIFY(!commands.state(ID_EDIT_DELETE).enabled);
        view.moveCursorTo(3, 1);
        QCOMPARE(view.activeChannel(), 2);
        QVERIFY(view.editor()->statusText().startsWith(QStringLiteral("Repeat Times=3 ")));
        commands.updateStates();
        QVERIFY(commands.state(ID_EDIT_DELETE).enabled);
        QVERIFY(commands.state(ID_OPEN_CONTENTS).enabled);
        QVERIFY(!commands.state(ID_EDIT_UNDO).enabled);

        QSignalSpy cells(view.model(), &QAbstractItemModel::dataChanged);
        QVERIFY(commands.execute(ID_EDIT_DELETE));
        QCOMPARE(doc.table().TypeAt(3, 2), cuelist::kTypeEmpty);
        QCOMPARE(doc.table().TypeAt(4, 2), cuelist::kTypeMp3);
        QCOMPARE(view.editor()->statusText(), QStringLiteral("No Registration"));
        QVERIFY(!commands.state(ID_OPEN_CONTENTS).enabled);
        QCOMPARE(cells.size(), 1);
        QCOMPARE(cells.first().at(0).toModelIndex(), view.model()->index(1, 3));
        QCOMPARE(cells.first().at(1).toModelIndex(), view.model()->index(1, 3));

        // Undo of a channel's deletion repaints the cells that changed and describes the
        // slot under the cursor again.
        view.moveCursorTo(0, 1);
        QVERIFY(commands.execute(ID_EDIT_DELETE));
        QVERIFY(!doc.table().ChannelHasSlots(2));
        view.moveCursorTo(4, 1);
        cells.clear();
        QVERIFY(commands.execute(ID_EDIT_UNDO));
        QCOMPARE(doc.table().TypeAt(4, 2), cuelist::kTypeMp3);
        QCOMPARE(cells.size(), 1);
        QCOMPARE(cells.first().at(0).toModelIndex(), view.model()->index(1, 4));
        QCOMPARE(cells.first().at(1).toModelIndex(), view.model()->index(1, 4));
        QVERIFY(view.editor()->statusText().startsWith(QStringLiteral("Repeat Times=3 ")));
        QVERIFY(commands.execute(ID_EDIT_UNDO));
        QVERIFY(!commands.state(ID_EDIT_UNDO).enabled);
        QVERIFY(commands.state(ID_EDIT_REDO).enabled);
        QVERIFY(prompt.asked.isEmpty());
    }
};

QTEST_MAIN(ViewHiddenTest)
#include "tst_view_hidden.moc"
