// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class CCueDoc;
class QWidget;

// Match Loudness: sets the volume of the MP3 slots of one channel or of the whole playlist so
// that every phrase plays as loud as the quietest one does now, as one step of the history,
// and tells the user what changed and which phrases stay louder because -70 dB is not
// enough. Files not yet measured are measured first, behind a progress bar with Cancel.
// GUI thread; the measuring runs on threads of its own.
class MatchLoudnessFlow final : public QObject
{
    Q_OBJECT
public:
    MatchLoudnessFlow(CCueDoc* doc, QWidget* parent);
    Q_DISABLE_COPY_MOVE(MatchLoudnessFlow)

    // Asks whether to match the cursor's channel or the whole playlist, then matches.
    void run(int cursorChannel);
    // Matches channels first..last; returns how many slots changed.
    int match(int firstChannel, int lastChannel);

private:
    QPointer<CCueDoc> m_doc;
    QPointer<QWidget> m_parent;
};
