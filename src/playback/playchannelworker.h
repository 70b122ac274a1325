#pragma once

#include "iphraseplayer.h"
#include "iplaychannellistener.h"
#include "playchanneljob.h"

#include <chrono>
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

    Outcome PlayFrame(int index);
    Outcome PlayRepetitions(IPhrasePlayer& player, const cuelist::SlotRecord& record);
    Outcome Fail(IPlayChannelListener::Failure failure, const std::string& name);
    bool Requested() const; // Stop or Close has been asked for
    bool Closing() const;

    PlayChannelJob m_job;
    PhrasePlayerFactory m_factory;
    PlaybackClock& m_clock;
    PlayChannelState& m_state;
    IPlayChannelListener& m_listener;
    IPlayChannelListener::Failure m_failure = IPlayChannelListener::Failure::PlayingFailed;
    std::string m_failedName;
};
