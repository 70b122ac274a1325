// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "iphraseplayer.h"
#include "iplaychannellistener.h"
#include "playbackclock.h"
#include "playchanneljob.h"

#include <chrono>
#include <deque>
#include <memory>
#include <string>
#include <vector>

struct PlayChannelState;

// Plays the MP3 phrases of one channel in frame order, each as often as its slot says,
// at its volume and followed by its interval. Every playing goes into one player as a
// single stream, so each start lies at the channel's start plus the lengths and intervals
// before it, and nothing waits prepared across an interval. Run() belongs to the worker
// thread; it looks at the shared play state while it waits and reports only through the
// listener.
class PlayChannelWorker final
{
public:
    static constexpr std::chrono::milliseconds kPollPeriod{10};
    // Playings queued beyond the one being heard, so that the player never runs dry.
    static constexpr int kQueueAhead = 3;

    // clock, state and listener must outlive Run().
    PlayChannelWorker(PlayChannelJob job, PhrasePlayerFactory factory, PlaybackClock& clock,
                      PlayChannelState& state, IPlayChannelListener& listener);
    PlayChannelWorker(const PlayChannelWorker&) = delete;
    PlayChannelWorker& operator=(const PlayChannelWorker&) = delete;

    // Plays the channel and sets the worker-done flag when it returns.
    void Run();

private:
    enum class Outcome { Played, Failed, Interrupted };
    using Failure = IPlayChannelListener::Failure;

    Outcome PlayChannel();
    // Queues playings until kQueueAhead wait beyond the heard one or the channel ends.
    void QueueAhead(IPhrasePlayer& player, int heard);
    // The frame of the next playing, advancing the repeat count; kFrameCount at the end.
    int TakeNextPlaying();
    // The frame's file in the data folder; empty with `failure` set when it cannot play.
    std::string FramePath(int index, Failure& failure) const;
    void ShowHeard(int heard);
    int NextMp3Frame(int after) const; // kFrameCount when none follows
    Outcome Fail(Failure failure, int index);
    bool WaitUntil(PlaybackClock::TimePoint deadline); // false when Stop or Close came
    // Waits as WaitUntil does while the time played moves on with the clock.
    bool WaitCounting(PlaybackClock::Duration wait);
    bool Requested() const; // Stop or Close has been asked for
    bool Closing() const;

    PlayChannelJob m_job;
    PhrasePlayerFactory m_factory;
    PlaybackClock& m_clock;
    PlayChannelState& m_state;
    IPlayChannelListener& m_listener;
    Failure m_failure = Failure::PlayingFailed;
    std::string m_failedName;

    int m_nextFrame = 0;              // frame of the next playing to queue
    int m_nextRepeat = 0;             // playings of m_nextFrame queued so far
    std::deque<int> m_queuedFrames;   // frames of the playings queued and not yet shown
    std::vector<int> m_playingFrames; // the frame of every playing given to the player
    int m_shownPlayings = 0;          // playings reported as heard
    int m_shownFrame = -1;
    int m_lastQueuedFrame = -1;
    std::string m_lastQueuedPath;
    bool m_queueEnded = false;
    int m_failingFrame = -1; // the frame that could not be queued
    Failure m_queueFailure = Failure::PlayingFailed;
};
