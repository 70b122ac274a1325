// SPDX-License-Identifier: GPL-3.0-or-later
#include "cueview.h"
#include "playlisteditor.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

QStringList LocalPaths(const QMimeData* mime)
{
    QStringList paths;
    if (mime && mime->hasUrls())
        for (const QUrl& url : mime->urls())
            if (url.isLocalFile() && !url.toLocalFile().isEmpty())
                paths << url.toLocalFile();
    return paths;
}

} // namespace

bool CCueView::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        const bool handled = QTableView::event(event);
        viewport()->update(); // the cursor cell is drawn only while the grid has the focus
        return handled;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        // Drags over the headers and scroll bars reach the view itself, not its viewport.
        // They belong to the grid: handled as over the cells, at the same place in viewport
        // terms.
        auto* drop = static_cast<QDropEvent*>(event);
        if (handleFileDrag(drop, viewport()->mapFrom(this, drop->position().toPoint())))
            return true;
        return QTableView::event(event);
    }
    default:
        return QTableView::event(event);
    }
}

bool CCueView::viewportEvent(QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (handleFileDrag(drop, drop->position().toPoint()))
            return true;
    }
    return QTableView::viewportEvent(event);
}

bool CCueView::handleFileDrag(QDropEvent* drop, const QPoint& viewportPos)
{
    const QStringList paths = LocalPaths(drop->mimeData());
    if (paths.isEmpty())
        return false;
    drop->acceptProposedAction();
    const QPoint cell = updateHoverCell(viewportPos);
    if (drop->type() != QEvent::Drop || !m_editor)
        return true;
    // The questions and dialogs come after the drop has ended: the file manager waits for
    // the drop's answer and must not wait for the user.
    QMetaObject::invokeMethod(
        m_editor, [editor = m_editor, paths, cell] { editor->dropFiles(paths, cell); },
        Qt::QueuedConnection);
    return true;
}
