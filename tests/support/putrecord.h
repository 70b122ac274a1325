#pragma once

#include "cuedoc.h"

// Puts any record into a document's slot as if the playlist had been opened with it: the
// history stays empty and the playlist unmodified.
inline bool PutRecord(CCueDoc& doc, int frame, int channel, const cuelist::SlotRecord& record)
{
    const bool put = doc.PastePhraseClip(
        frame, channel,
        QByteArray(reinterpret_cast<const char*>(record.data()), qsizetype(record.size())));
    doc.undoStack()->clear();
    return put;
}
