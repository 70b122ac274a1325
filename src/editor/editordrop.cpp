// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dropplan.h"
#include "core/slotsettings.h"
#include "cuedoc.h"
#include "importaudioflow.h"
#include "playlisteditor.h"
#include "playlistname.h"
#include "prompt.h"
#include "waitcursor.h"

#include <QFileInfo>
#include <QPoint>

namespace {

// Links are followed this far; a longer chain is taken for a loop.
constexpr int kMaxLinkHops = 32;

} // namespace

void PlaylistEditor::dropFiles(const QStringList& paths, const QPoint& cell)
{
    // Playlists open in windows of their own, after the rest has gone to the cell: opening
    // one first would bring its window up over this one's questions.
    QStringList playlists;
    QStringList accepted;
    for (QString path : paths) {
        if (IsPlaylistPath(path)) {
            playlists << path;
            continue;
        }
        if (const QString target = ResolveShortcut(path); !target.isEmpty())
            path = target;
        if (AcceptDroppedPath(path))
            accepted << path;
    }
    placeDroppedFiles(accepted, cell);
    if (!playlists.isEmpty())
        emit playlistsDropped(playlists);
}

void PlaylistEditor::placeDroppedFiles(QStringList paths, const QPoint& cell)
{
    const int frame = cell.x();
    const int channel = cell.y() + 1;
    // Audio that cannot go into a slot as it is (another format, a name the slot refuses) is
    // imported; the rest goes the usual way first, and the import then takes the next frames.
    QStringList toImport;
    for (const QString& path : std::as_const(paths))
        if (ImportAudioFlow::NeedsImport(path))
            toImport << path;
    for (const QString& path : std::as_const(toImport))
        paths.removeAll(path);
    // One file, or a drop outside the phrase cells, goes the way of a single file: its
    // question and refusals.
    if (paths.size() < 2 || frame < 1 || frame > cuelist::kFrameCount ||
        cuelist::SlotTable::CheckSlotRange(frame, channel) != cuelist::kSlotDone) {
        for (const QString& path : std::as_const(paths))
            AssignDroppedFile(path, cell);
    } else {
        assignDroppedFiles(paths, frame, channel);
    }
    if (!toImport.isEmpty())
        importAudio(toImport, frame, channel);
}

void PlaylistEditor::assignDroppedFiles(const QStringList& paths, int frame, int channel)
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
        if (!storeChosenFile(path, free.front(), channel))
            continue;
        frames << free.front();
        stored << path;
        next = free.front() + 1;
    }
    if (!left.isEmpty())
        prompt().refuse(m_widget, tr("Frame 16 was reached: these files were not set.\n%1")
                                      .arg(left.join(QLatin1Char('\n'))));
    if (!frames.isEmpty() && doc) {
        // One dialog for the first file; what it confirms goes into every file of its kind.
        const int first = frames.front();
        moveCursorTo(first, channel - 1);
        const auto type = doc->table().TypeAt(first, channel);
        if (type == cuelist::kTypeMp3 || type == cuelist::kTypeText)
            openSettings(first, channel, stored.front());
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

QString PlaylistEditor::ResolveShortcut(const QString& path)
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

bool PlaylistEditor::AcceptDroppedPath(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && (info.isDir() || info.isFile());
}

void PlaylistEditor::AssignDroppedFile(const QString& path, const QPoint& cell)
{
    const QPointer<CCueDoc> doc = m_doc;
    if (!doc)
        return;
    const int frame = cell.x();
    const int channel = cell.y() + 1;

    // Anything but an empty slot is confirmed first, the Channel column included.
    const bool inTable = cuelist::SlotTable::CheckSlotRange(frame, channel) == cuelist::kSlotDone;
    if ((!inTable || doc->table().TypeAt(frame, channel) != cuelist::kTypeEmpty) &&
        prompt().ask(m_widget, tr("Do you want to save changes"),
                     QMessageBox::Ok | QMessageBox::Cancel,
                     QMessageBox::Warning) != QMessageBox::Ok)
        return;
    if (frame == 0) {
        prompt().refuse(m_widget, tr("Do not setup file in a channel"));
        return;
    }

    // The file and the settings confirmed for it are one step; Cancel keeps the file.
    doc->beginEditGroup(tr("Drop"));
    if (storeChosenFile(path, frame, channel)) {
        moveCursorTo(frame, channel - 1);
        const auto type = doc->table().TypeAt(frame, channel);
        if (type == cuelist::kTypeMp3 || type == cuelist::kTypeText)
            openSettings(frame, channel, path);
        else
            prompt().refuse(m_widget, tr("Unknown File Type. Reset File Name"));
    }
    if (doc)
        doc->endEditGroup();
}

bool PlaylistEditor::dragSlot(const QPoint& from, const QPoint& to)
{
    const int column = to.x();
    const int row = to.y();
    bool move = m_doc && row >= 0 && row < cuelist::kEditableChannelCount && column >= 1 &&
                column <= cuelist::kFrameCount && to != from;
    if (move && m_doc->table().TypeAt(column, row + 1) != cuelist::kTypeEmpty) {
        const QString text = m_doc->cellText(column, row + 1) + m_doc->replacePrompt();
        move = prompt().ask(m_widget, text, QMessageBox::Ok | QMessageBox::Cancel,
                            QMessageBox::Warning) == QMessageBox::Ok;
    }
    // The question may have outlived the document.
    if (!move || !m_doc)
        return false;
    const WaitCursor wait;
    return m_doc->MoveSlot(from.x(), from.y() + 1, column, row + 1);
}
