// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/datafolder.h"
#include "core/dropplan.h"
#include "core/slotsettings.h"
#include "cuedoc.h"
#include "cueview.h"
#include "importaudioflow.h"
#include "playlistname.h"
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

// A drag event of the same kind at another position.
template <typename Event> Event Moved(const QDropEvent& event, const QPoint& position)
{
    return Event(position, event.possibleActions(), event.mimeData(), event.buttons(),
                 event.modifiers());
}

} // namespace

bool CCueView::event(QEvent* event)
{
    // Drags over the headers and scroll bars reach the view itself, not its viewport. They
    // belong to the grid: handled as over the cells, at the same place in viewport terms.
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QTableView::event(event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QPoint position = viewport()->mapFrom(this, drop->position().toPoint());
    if (type == QEvent::DragEnter) {
        auto moved = Moved<QDragEnterEvent>(*drop, position);
        dragEnterEvent(&moved);
        drop->setDropAction(moved.dropAction());
        drop->setAccepted(moved.isAccepted());
    } else if (type == QEvent::DragMove) {
        auto moved = Moved<QDragMoveEvent>(*drop, position);
        dragMoveEvent(&moved);
        drop->setDropAction(moved.dropAction());
        drop->setAccepted(moved.isAccepted());
    } else {
        auto moved = Moved<QDropEvent>(*drop, position);
        dropEvent(&moved);
        drop->setDropAction(moved.dropAction());
        drop->setAccepted(moved.isAccepted());
    }
    return true;
}

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
    event->acceptProposedAction();
    // Playlists open in windows of their own; everything else goes to the cell.
    QStringList playlists;
    QStringList files;
    for (const QString& path : paths)
        (IsPlaylistPath(path) ? playlists : files) << path;
    if (!playlists.isEmpty())
        QMetaObject::invokeMethod(
            this, [this, playlists] { emit playlistsDropped(playlists); }, Qt::QueuedConnection);
    if (files.isEmpty())
        return;
    updateHoverCell(event->position().toPoint());
    const QPoint cell(m_hoverColumn, m_hoverRow);
    // The questions and dialogs come after the drop has ended: the file manager waits for
    // the drop's answer and must not wait for the user.
    QMetaObject::invokeMethod(
        this, [this, files, cell] { OnDropFiles(files, cell); }, Qt::QueuedConnection);
}

void CCueView::OnDropFiles(const QStringList& paths, const QPoint& cell)
{
    QStringList accepted;
    for (QString path : paths) {
        if (const QString target = ResolveShortcut(path); !target.isEmpty())
            path = target;
        if (AcceptDroppedPath(path))
            accepted << path;
    }
    const int frame = cell.x();
    const int channel = cell.y() + 1;
    // Audio that cannot go into a slot as it is (another format, a name the slot refuses) is
    // imported; the rest goes the usual way first, and the import then takes the next frames.
    QStringList toImport;
    for (const QString& path : std::as_const(accepted))
        if (ImportAudioFlow::NeedsImport(path))
            toImport << path;
    if (!toImport.isEmpty()) {
        for (const QString& path : std::as_const(toImport))
            accepted.removeAll(path);
        if (!accepted.isEmpty())
            OnDropFiles(accepted, cell);
        importAudio(toImport, frame, channel);
        return;
    }
    // One file, or a drop outside the phrase cells, goes the way of a single file: its
    // question and refusals.
    if (accepted.size() < 2 || frame < 1 || frame > kLastColumn ||
        cuelist::SlotTable::CheckSlotRange(frame, channel) != cuelist::kSlotDone) {
        for (const QString& path : accepted)
            AssignDroppedFile(path, cell);
        return;
    }
    AssignDroppedFiles(accepted, frame, channel);
}

void CCueView::AssignDroppedFiles(const QStringList& paths, int frame, int channel)
{
    const QPointer<CCueDoc> doc = m_doc;
    if (!doc)
        return;
    QList<int> frames;  // where files went
    QStringList stored; // their paths
    QStringList left;   // names past frame 16
    int next = frame;
    doc->beginEditGroup(tr("Drop Files"));
    for (const QString& path : paths) {
        const std::vector<int> free = cuelist::FreeFramesFrom(doc->table(), channel, next, 1);
        if (free.empty()) {
            left << QFileInfo(path).fileName();
            continue;
        }
        // A refused file is told by the store and leaves its frame to the next one.
        if (!doc->StoreChosenFile(this, path, free.front(), channel))
            continue;
        frames << free.front();
        stored << path;
        next = free.front() + 1;
    }
    if (!left.isEmpty())
        prompt().refuse(this, tr("Frame 16 was reached: these files were not set.\n%1")
                                  .arg(left.join(QLatin1Char('\n'))));
    if (!frames.isEmpty() && doc) {
        // One dialog for the first file; what it confirms goes into every file of its kind.
        const int first = frames.front();
        moveCursorTo(first, channel - 1);
        const auto type = doc->table().TypeAt(first, channel);
        if (type == cuelist::kTypeMp3)
            openMp3Settings(first, channel, stored.front());
        else if (type == cuelist::kTypeText)
            openTextSettings(first, channel, stored.front());
        if (doc) {
            const cuelist::SlotSettings settings =
                cuelist::ReadSlotSettings(doc->table(), first, channel);
            for (int other : frames.mid(1))
                if (doc->table().TypeAt(other, channel) == type)
                    doc->SetSlotSettings(other, channel, settings);
        }
    }
    if (doc)
        doc->endEditGroup();
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
