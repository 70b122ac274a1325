// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/playtime.h"
#include "iphraseplayer.h"
#include "iplaychannellistener.h"
#include "playchanneljob.h"
#include "playchannelstate.h"
#include "steadyplaybackclock.h"

#include <deque>
#include <mutex>
#include <QDialog>
#include <QString>
#include <QTimer>
#include <thread>

class QLineEdit;
class QPushButton;

// The modal Play Channel dialog: starts playing one channel when it opens, shows the
// phrase being played and offers Play, Stop and Close. The playing runs on a worker
// thread; the dialog never ends while that thread runs.
class CPlayChannelDlg final : public QDialog, private IPlayChannelListener
{
    Q_OBJECT
public:
    // An empty factory plays through GStreamer (CPhrasePlayer).
    explicit CPlayChannelDlg(QWidget* parent = nullptr, PhrasePlayerFactory factory = {});
    ~CPlayChannelDlg() override;
    Q_DISABLE_COPY_MOVE(CPlayChannelDlg)

    // dataFolder in file-system bytes, ending in "/"; the records are copied.
    void SetChannel(const std::string& dataFolder, int channel,
                    const std::array<cuelist::SlotRecord, cuelist::kFrameCount>& records);

    // The channel's play time, shown as the total against the time played so far.
    void SetPlayTime(const cuelist::ChannelPlayTime& total);
    // "elapsed / total" as the Time field shows it.
    QString timeText() const;

    // Every way of ending the dialog waits for the worker first.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void OnPlay();
    void OnStop();
    void DeliverNotes();

private:
    struct Note
    {
        enum Kind { Phrase, Stopped, Failed } kind = Phrase;
        int frameIndex = 0;
        Failure failure = Failure::PlayingFailed;
        std::string name;
    };

    // IPlayChannelListener, on the worker thread: queue the note, wake the dialog.
    void PhraseStarted(int frameIndex) override;
    void PlayingStopped() override;
    void PlayingFailed(Failure failure, const std::string& name) override;
    void Post(Note note);

    void ShowStarted();
    void ShowStopped();
    void LoadPhraseFields(int frameIndex);
    void Refresh();
    void EndWorker(); // asks the worker to close and joins it
    QString FailureText(Failure failure, const std::string& name) const;

    PhrasePlayerFactory m_factory;
    PlayChannelJob m_job;
    int m_firstMp3Frame = 0;
    bool m_started = false;

    // Fields as shown; pushed to the controls by Refresh().
    QString m_channelText;
    QString m_fileNameText;
    int m_interval = 0;
    QString m_stateText;
    QString m_phraseText;
    int m_volume = 0;
    QString m_repeatText;
    QString m_totalText;
    QTimer m_tick; // moves the Time field on while playing

    // Shared with the worker.
    PlayChannelState m_shared;
    SteadyPlaybackClock m_clock;
    std::mutex m_notesMutex;
    std::deque<Note> m_notes; // guarded by m_notesMutex
    std::thread m_worker;

    // Child widgets, owned by the dialog.
    QLineEdit* m_channelEdit = nullptr;
    QLineEdit* m_stateEdit = nullptr;
    QLineEdit* m_phraseEdit = nullptr;
    QLineEdit* m_fileNameEdit = nullptr;
    QLineEdit* m_repeatEdit = nullptr;
    QLineEdit* m_volumeEdit = nullptr;
    QLineEdit* m_intervalEdit = nullptr;
    QLineEdit* m_timeEdit = nullptr;
    QPushButton* m_playButton = nullptr;
    QPushButton* m_stopButton = nullptr;
    QPushButton* m_closeButton = nullptr;
};
