// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandtarget.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

class CCueView;

// Edit > Find, Find Next, Find Previous and Relink File for one grid: the slots whose file
// name contains a text, visited in reading order (channel by channel, frame by frame) from
// the cursor, with "3 of 7" in the status bar, and the cursor slot's missing file relinked
// in one step. The grid is not owned and may go first. GUI thread only.
class SlotFinder final : public QObject, public CommandTarget
{
    Q_OBJECT
public:
    explicit SlotFinder(CCueView* view, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(SlotFinder)

    QString query() const { return m_query; }
    void setQuery(const QString& query);
    // The slots whose cell text contains the query, ignoring case: x frame, y channel.
    QList<QPoint> matches() const;
    // Moves the cursor to the next (or previous) match from the cursor, wrapping at the
    // ends, and reports the position in the status bar. False when nothing matches (the
    // user was told).
    bool findNext();
    bool findPrevious();
    // The last report, "3 of 7: VOICE01.MP3".
    QString message() const { return m_message; }

    // CommandTarget
    bool handlesCommand(int id) const override;
    void runCommand(int id) override;
    std::optional<CommandState> commandState(int id) const override;

private:
    void find(); // the Find dialog, then the first match from the cursor
    bool step(int direction);
    void showMessage(const QString& text);
    bool cursorFileMissing() const;
    void relinkAtCursor();

    QPointer<CCueView> m_view;
    QString m_query;
    QString m_message;
};
