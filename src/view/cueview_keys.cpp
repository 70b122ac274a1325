// SPDX-License-Identifier: GPL-3.0-or-later
#include "cuegridmodel.h"
#include "cueview.h"
#include "help.h"
#include "playlisteditor.h"

#include <QApplication>
#include <QDateTime>
#include <QItemSelectionModel>
#include <QKeyEvent>

namespace {

bool IsCommandKey(const QKeyEvent* event)
{
    // Delete, Cut, Copy, Paste and Play reach the view as commands through the accelerators;
    // the table's own handling of these keys (copying cell texts, selecting all) is not used.
    if (event->key() == Qt::Key_Delete)
        return true;
    return event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
           event->matches(QKeySequence::Paste) || event->matches(QKeySequence::SelectAll) ||
           (event->key() == Qt::Key_W && event->modifiers() == Qt::ControlModifier);
}

} // namespace

void CCueView::keyPressEvent(QKeyEvent* event)
{
    if (!hasFocus())
        setFocus(Qt::OtherFocusReason);

    const int key = event->key();
    if (key == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        OpenHelp(this);
        event->accept();
        return;
    }

    const bool columnKey = key == Qt::Key_Left || key == Qt::Key_Right;
    const bool enterKey = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool commandKey = IsCommandKey(event);
    const int rowBefore = currentIndex().row();
    if (!columnKey && !enterKey && !commandKey)
        QTableView::keyPressEvent(event);

    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Up:
    case Qt::Key_Down:
        ShowSlotDescription(cursorColumn());
        break;
    case Qt::Key_Left:
        moveCursorColumn(-1);
        break;
    case Qt::Key_Right:
        moveCursorColumn(1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (cursorColumn() >= 1 && m_editor)
            m_editor->OpenSlotSettings(PlaylistEditor::SettingsTrigger::EnterKey);
        break;
    default:
        // Home, End and type-ahead move the row too; the document's current slot follows it,
        // so that the edit commands never act on a slot the cursor has left.
        if (currentIndex().row() != rowBefore)
            ShowSlotDescription(cursorColumn());
        break;
    }

    // Repainting the rows the cursor left and reached brings every pending change of the
    // window to the screen with them.
    RedrawRow(rowBefore);
    RedrawRow(currentIndex().row());
    // Keys the table left alone go on to the parent, as they would without this view.
    if (columnKey || enterKey)
        event->accept();
    else if (commandKey)
        event->ignore();
}

void CCueView::moveCursorColumn(int step)
{
    const int column = cursorColumn() + step;
    if (column < 0) {
        ShowSlotDescription(0);
        return;
    }
    if (column > kLastColumn) {
        ShowSlotDescription(kLastColumn);
        return;
    }
    if (m_editor)
        m_editor->setCursorColumn(column);
    EnsureColumnVisible(column);
    const QModelIndexList selected = selectionModel()->selectedRows();
    int firstSelected = -1;
    for (const QModelIndex& index : selected) {
        if (firstSelected < 0 || index.row() < firstSelected)
            firstSelected = index.row();
    }
    RedrawRow(firstSelected);
    if (currentIndex().row() != firstSelected)
        RedrawRow(currentIndex().row());
    ShowSlotDescription(column);
}

void CCueView::keyboardSearch(const QString& search)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now - m_lastTypedMs > QApplication::keyboardInputInterval())
        m_typedDigits.clear();
    m_lastTypedMs = now;
    for (const QChar c : search) {
        if (c < u'0' || c > u'9') {
            m_typedDigits.clear();
            return;
        }
        m_typedDigits += c;
    }
    // "0007" is four keys for one channel; more digits than that start a new number.
    if (m_typedDigits.size() > 4)
        m_typedDigits = m_typedDigits.right(1);
    const int channel = m_typedDigits.toInt();
    if (channel < 1 || channel > m_model->rowCount())
        return;
    const QModelIndex target =
        m_model->index(channel - 1, currentIndex().isValid() ? currentIndex().column() : 0);
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect |
                                                  QItemSelectionModel::Rows);
    scrollTo(target);
}
