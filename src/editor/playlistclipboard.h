// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <QByteArray>
#include <QString>

class QMimeData;

// The slot-record clip on the system clipboard: the raw records (16 bytes for a phrase,
// 256 for a channel) under "application/x-playlist", plus a token of the running instance
// that tells whether this instance put them there. GUI thread only.
class PlaylistClipboard final
{
public:
    PlaylistClipboard() = delete;

    static QString mimeType();
    static QString tokenMimeType();
    // Random per process, the same for every call.
    static QByteArray instanceToken();

    // A new clip with the records and this instance's token; the caller owns it.
    static QMimeData* makeClip(const QByteArray& records);
    // Replaces the clipboard contents with the records.
    static void writeClip(const QByteArray& records);
    // Hands a new clip (ownership included) to the clipboard. The default sets the system
    // clipboard; tests install one that refuses, as a platform without a usable clipboard
    // does. Returns the previous writer; nullptr restores the default.
    using Writer = void (*)(QMimeData* clip);
    static Writer setWriter(Writer writer);

    // What the clipboard holds right now.
    struct Probe
    {
        bool ours = false;                 // the token of this running instance
        bool hasRecords = false;           // the record format is offered
        std::optional<QByteArray> records; // the records, when they could be obtained
    };
    static Probe probe(const QMimeData* data);
    static Probe probe(); // the system clipboard

    // The records when this instance put them on the clipboard.
    static std::optional<QByteArray> readClip();

    // What the clipboard held when it last changed, as far as this instance can tell without
    // asking another program: kept from the clipboard's change signal, so that it never
    // waits for an owner that does not answer. Paste enabling uses this; only the paste
    // itself reads the clipboard.
    struct Known
    {
        bool ours = false;       // this instance's clip
        bool hasRecords = false; // with the record format
        qsizetype size = 0;      // of the records
    };
    static Known known();
    // Starts following the clipboard's changes; call before connecting to dataChanged
    // elsewhere, so that known() is current there.
    static void follow();
};
