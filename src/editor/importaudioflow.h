// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class CCueDoc;
class PlaylistEditor;
class QWidget;

// Import Audio: audio files of any format GStreamer reads become new MP3 files in the
// playlist's data folder (asked for when a new playlist has none) and go into consecutive
// free frames of one channel, as one step of the history; undo leaves the files in the
// folder. The user confirms names and encoding in the import dialog and can cancel the
// encoding, which leaves nothing behind. Refusals and failures are told through the prompt.
// GUI thread; the encoding runs on a thread of its own.
class ImportAudioFlow final : public QObject
{
    Q_OBJECT
public:
    // Works on the editor's playlist and puts its cursor on the first imported slot.
    explicit ImportAudioFlow(PlaylistEditor* editor);
    Q_DISABLE_COPY_MOVE(ImportAudioFlow)

    // File > Import Audio: asks for the files, then imports them from (frame, channel) on.
    void chooseAndImport(int frame, int channel);
    // Imports the files from (frame, channel) on; returns how many slots were set.
    int importFiles(const QStringList& sources, int frame, int channel);

    // A dropped file that is audio but cannot go into a slot as it is: not an MP3, or an
    // MP3 whose name the slot refuses. Such a drop goes to the import instead.
    static bool NeedsImport(const QString& path);

private:
    QString dataFolder();

    QPointer<PlaylistEditor> m_editor;
    QPointer<CCueDoc> m_doc;
    QPointer<QWidget> m_parent;
};
