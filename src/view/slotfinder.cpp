// SPDX-License-Identifier: GPL-3.0-or-later
#include "slotfinder.h"

#include "commandids.h"
#include "core/slottable.h"
#include "cuedoc.h"
#include "cuegridmodel.h"
#include "cueview.h"
#include "findfiledlg.h"
#include "prompt.h"

#include <QMainWindow>
#include <QStatusBar>

SlotFinder::SlotFinder(CCueView* view, QObject* parent) : QObject(parent), m_view(view) {}

void SlotFinder::setQuery(const QString& query)
{
    m_query = query.trimmed();
}

QList<QPoint> SlotFinder::matches() const
{
    QList<QPoint> found;
    if (!m_view || m_query.isEmpty())
        return found;
    const CCueDoc* doc = m_view->document();
    if (!doc)
        return found;
    for (int channel = 1; channel <= cuelist::kEditableChannelCount; ++channel) {
        if (!doc->table().ChannelHasSlots(channel))
            continue;
        for (int frame = 1; frame <= cuelist::kFrameCount; ++frame)
            if (doc->table().TypeAt(frame, channel) != cuelist::kTypeEmpty &&
                doc->cellText(frame, channel).contains(m_query, Qt::CaseInsensitive))
                found.append(QPoint(frame, channel));
    }
    return found;
}

bool SlotFinder::findNext()
{
    return step(1);
}

bool SlotFinder::findPrevious()
{
    return step(-1);
}

bool SlotFinder::step(int direction)
{
    if (!m_view)
        return false;
    const QList<QPoint> found = matches();
    if (found.isEmpty()) {
        showMessage(QString());
        prompt().refuse(m_view, tr("No slot uses a file whose name contains \"%1\".").arg(m_query));
        return false;
    }
    // Reading order as one number; the Channel column comes before the channel's frames.
    const auto order = [](int frame, int channel) { return channel * 100 + frame; };
    const int here = m_view->activeChannel() >= 1
                         ? order(m_view->cursorColumn(), m_view->activeChannel())
                         : order(cuelist::kFrameCount, 0);
    qsizetype index = -1;
    if (direction > 0) {
        for (qsizetype i = 0; i < found.size() && index < 0; ++i)
            if (order(found[i].x(), found[i].y()) > here)
                index = i;
        if (index < 0)
            index = 0;
    } else {
        for (qsizetype i = found.size() - 1; i >= 0 && index < 0; --i)
            if (order(found[i].x(), found[i].y()) < here)
                index = i;
        if (index < 0)
            index = found.size() - 1;
    }
    const QPoint slot = found[index];
    // The cursor shows only in a focused grid; the Find dialog may have had the focus, and
    // the keys that go on from here need the grid's window active again.
    m_view->window()->activateWindow();
    m_view->setFocus(Qt::OtherFocusReason);
    m_view->moveCursorTo(slot.x(), slot.y() - 1);
    m_view->EnsureColumnVisible(slot.x());
    const QString name = m_view->document()->cellText(slot.x(), slot.y());
    QString text = tr("%1 of %2: %3").arg(index + 1).arg(found.size()).arg(name);
    if (cursorFileMissing())
        text += QLatin1Char(' ') + tr("(missing from the data folder: Relink File names another)");
    showMessage(text);
    return true;
}

void SlotFinder::showMessage(const QString& text)
{
    m_message = text;
    if (auto* window = qobject_cast<QMainWindow*>(m_view ? m_view->window() : nullptr)) {
        if (text.isEmpty())
            window->statusBar()->clearMessage();
        else
            window->statusBar()->showMessage(text);
    }
}

void SlotFinder::find()
{
    if (!m_view || !m_view->document())
        return;
    QStringList names;
    const CCueDoc* doc = m_view->document();
    for (int channel = 1; channel <= cuelist::kEditableChannelCount; ++channel)
        for (int frame = 1; frame <= cuelist::kFrameCount; ++frame)
            if (doc->table().TypeAt(frame, channel) != cuelist::kTypeEmpty)
                names << doc->cellText(frame, channel);
    names.sort();
    names.removeDuplicates();

    CFindFileDlg dialog(m_view);
    dialog.setNames(names);
    dialog.setText(m_query);
    const QPointer<CCueView> view = m_view;
    if (dialog.exec() != QDialog::Accepted || !view || dialog.text().isEmpty())
        return;
    setQuery(dialog.text());
    findNext();
}

bool SlotFinder::cursorFileMissing() const
{
    if (!m_view || !m_view->document() || m_view->cursorColumn() < 1 || m_view->activeChannel() < 1)
        return false;
    return m_view->model()
        ->index(m_view->activeChannel() - 1, m_view->cursorColumn())
        .data(CueGridModel::kMissingRole)
        .toBool();
}

void SlotFinder::relinkAtCursor()
{
    if (!cursorFileMissing())
        return;
    const QString name =
        m_view->document()->cellText(m_view->cursorColumn(), m_view->activeChannel());
    if (m_view->RelinkMissingFile(name) && !m_message.isEmpty())
        showMessage(tr("%1 relinked").arg(name));
}

bool SlotFinder::handlesCommand(int id) const
{
    return m_view && (id == ID_EDIT_FIND || id == ID_EDIT_FIND_NEXT ||
                      id == ID_EDIT_FIND_PREVIOUS || id == ID_RELINK_FILE);
}

void SlotFinder::runCommand(int id)
{
    switch (id) {
    case ID_EDIT_FIND:
        find();
        break;
    case ID_EDIT_FIND_NEXT:
    case ID_EDIT_FIND_PREVIOUS:
        // Without a text yet, the keys ask for one.
        if (m_query.isEmpty())
            find();
        else
            step(id == ID_EDIT_FIND_NEXT ? 1 : -1);
        break;
    case ID_RELINK_FILE:
        relinkAtCursor();
        break;
    default:
        break;
    }
}

std::optional<CommandState> SlotFinder::commandState(int id) const
{
    if (id == ID_RELINK_FILE)
        return CommandState{cursorFileMissing(), std::nullopt};
    return std::nullopt;
}
