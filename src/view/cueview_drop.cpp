#include "core/datafolder.h"
#include "cuedoc.h"
#include "cueview.h"
#include "prompt.h"
#include "text/messages.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace {

// Links are followed this far; a longer chain is taken for a loop.
constexpr int kMaxLinkHops = 32;

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

void CCueView::dragEnterEvent(QDragEnterEvent* event)
{
    if (LocalPaths(event->mimeData()).isEmpty()) {
        QTableView::dragEnterEvent(event);
        return;
    }
    updateHoverCell(event->position().toPoint());
    event->acceptProposedAction();
}

void CCueView::dragMoveEvent(QDragMoveEvent* event)
{
    if (LocalPaths(event->mimeData()).isEmpty()) {
        QTableView::dragMoveEvent(event);
        return;
    }
    updateHoverCell(event->position().toPoint());
    event->acceptProposedAction();
}

void CCueView::dropEvent(QDropEvent* event)
{
    const QStringList paths = LocalPaths(event->mimeData());
    if (paths.isEmpty()) {
        QTableView::dropEvent(event);
        return;
    }
    updateHoverCell(event->position().toPoint());
    const QPoint cell(m_hoverColumn, m_hoverRow);
    event->acceptProposedAction();
    // The questions and dialogs come after the drop has ended: the file manager waits for
    // the drop's answer and must not wait for the user.
    QMetaObject::invokeMethod(
        this, [this, paths, cell] { OnDropFiles(paths, cell); }, Qt::QueuedConnection);
}

void CCueView::OnDropFiles(const QStringList& paths, const QPoint& cell)
{
    for (QString path : paths) {
        if (const QString target = ResolveShortcut(path); !target.isEmpty())
            path = target;
        if (AcceptDroppedPath(path))
            AssignDroppedFile(path, cell);
    }
}

QString CCueView::ResolveShortcut(const QString& path)
{
    if (path.isEmpty() || !QFileInfo(path).isSymLink())
        return QString();
    QString target = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            return target;
        target = info.symLinkTarget();
        if (target.isEmpty())
            return QString();
    }
    return QString();
}

bool CCueView::AcceptDroppedPath(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && (info.isDir() || info.isFile());
}

void CCueView::AssignDroppedFile(const QString& path, const QPoint& cell)
{
    const QPointer<CCueDoc> doc = m_doc;
    if (!doc)
        return;
    const int frame = cell.x();
    const int channel = cell.y() + 1;

    // Anything but an empty slot is confirmed first, the Channel column included.
    const bool inTable = cuelist::SlotTable::CheckSlotRange(frame, channel) == cuelist::kSlotDone;
    if ((!inTable || doc->table().TypeAt(frame, channel) != cuelist::kTypeEmpty) &&
        prompt().ask(this, tr("Do you want to save changes"), QMessageBox::Ok | QMessageBox::Cancel,
                     QMessageBox::Warning) != QMessageBox::Ok)
        return;
    if (frame == 0) {
        prompt().refuse(this, tr("Do not setup file in a channel"));
        return;
    }

    // The file and the settings confirmed for it are one step; Cancel keeps the file.
    doc->beginEditGroup(tr("Drop"));
    if (doc->StoreChosenFile(this, path, frame, channel)) {
        moveCursorTo(frame, channel - 1);
        switch (doc->table().TypeAt(frame, channel)) {
        case cuelist::kTypeMp3:
            openMp3Settings(frame, channel, path);
            break;
        case cuelist::kTypeText:
            openTextSettings(frame, channel, path);
            break;
        default:
            prompt().refuse(this, tr("Unknown File Type. Reset File Name"));
            break;
        }
    }
    if (doc)
        doc->endEditGroup();
}
