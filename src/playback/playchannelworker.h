#pragma once

#include "iphraseplayer.h"
#include "iplaychannellistener.h"
#include "playchanneljob.h"

#include <chrono>
#include <memory>
#include <string>

class PlaybackClock;
struct PlayChannelState;

// Plays the MP3 phrases of one channel in frame order, each as often as its slot says,
// at its volume and followed by its interval. Run() belongs to the worker thread; it
// looks at the shared play state while it waits and reports only through the listener.
class PlayChannelWorker final
{
public:
    static constexpr std::chrono::milliseconds kPollPeriod{10};
    static constexpr int kEndlessRepeat = 255;

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

    Outcome PlayFrame(int index);
    Outcome PlayRepetitions(std::unique_ptr<IPhrasePlayer>& player, int index);
    // A created player with the frame's file opened and its volume set; null on failure.
    std::unique_ptr<IPhrasePlayer> OpenPlayer(int index, Failure& failure) const;
    int NextMp3Frame(int after) const; // kFrameCount when none follows
    Outcome Fail(Failure failure, const std::string& name);
    bool Requested() const; // Stop or Close has been asked for
    bool Closing() const;

    PlayChannelJob m_job;
    PhrasePlayerFactory m_factory;
    PlaybackClock& m_clock;
    PlayChannelState& m_state;
    IPlayChannelListener& m_listener;
    Failure m_failure = Failure::PlayingFailed;
    std::string m_failedName;
    // The next frame's player, opened during the interval after the last playing of the
    // frame before it. Only a successful opening is kept; failures show when the frame's
    // turn comes, as if nothing had been prepared.
    int m_preparedIndex = -1;
    std::unique_ptr<IPhrasePlayer> m_prepared;
};
