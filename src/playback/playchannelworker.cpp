#include "playchannelworker.h"

#include "core/datafolder.h"
#include "core/names.h"
#include "playbackclock.h"
#include "playchannelstate.h"

#include <memory>

using namespace cuelist;
using Failure = IPlayChannelListener::Failure;

PlayChannelWorker::PlayChannelWorker(PlayChannelJob job, PhrasePlayerFactory factory,
                                     PlaybackClock& clock, PlayChannelState& state,
                                     IPlayChannelListener& listener)
    : m_job(std::move(job)), m_factory(std::move(factory)), m_clock(clock), m_state(state),
      m_listener(listener)
{
}

void PlayChannelWorker::Run()
{
    Outcome outcome = Outcome::Played;
    for (int i = 0; i < kFrameCount && outcome == Outcome::Played; ++i) {
        if (m_job.records[i][record::kType] != kTypeMp3)
            continue;
        outcome = Requested() ? Outcome::Interrupted : PlayFrame(i);
    }

    // Stop or Close may have been asked for meanwhile; those states stay.
    int playing = PlayChannelState::kPlaying;
    m_state.play.compare_exchange_strong(playing, PlayChannelState::kStopped);
    if (!Closing()) {
        if (outcome == Outcome::Failed)
            m_listener.PlayingFailed(m_failure, m_failedName);
        else
            m_listener.PlayingStopped();
    }
    m_state.workerDone = true;
}

PlayChannelWorker::Outcome PlayChannelWorker::PlayFrame(int index)
{
    const SlotRecord& slot = m_job.records[index];
    const std::string name = PlayChannelJob::BaseName(slot);
    if (!Closing())
        m_listener.PhraseStarted(index);

    std::unique_ptr<IPhrasePlayer> player = m_factory ? m_factory() : nullptr;
    if (!player || player->Create() != IPhrasePlayer::kOk)
        return Fail(Failure::PlayingFailed, name);

    const DataFolderListing folder(m_job.dataFolder);
    const DataFolderListing::Entry* file = folder.Find(Cp932ToUtf8(name) + ".MP3");
    if (!file)
        return Fail(Failure::FileMissing, name);
    if (player->Open(folder.Folder() + file->name) != IPhrasePlayer::kOk)
        return Fail(Failure::PlayingFailed, name);
    player->SetVolume(-int(slot[record::kVolume])); // on failure the phrase plays as it is

    const Outcome outcome = PlayRepetitions(*player, slot);
    if (outcome == Outcome::Failed)
        return Fail(Failure::PlayingFailed, name);
    return outcome;
}

PlayChannelWorker::Outcome PlayChannelWorker::PlayRepetitions(IPhrasePlayer& player,
                                                              const SlotRecord& slot)
{
    const int repeat = slot[record::kRepeat];
    const auto interval = std::chrono::seconds(PlayChannelJob::Interval(slot));
    int count = 0;
    do {
        // A playing can end at its first poll (a file that fails at once): look here too, or
        // an endless phrase would never notice Stop or Close.
        if (Requested())
            return Outcome::Interrupted;
        if (player.Rewind() != IPhrasePlayer::kOk || player.Run() != IPhrasePlayer::kOk)
            return Outcome::Failed;
        int end = IPhrasePlayer::kStillPlaying;
        while ((end = player.PollCompletion()) == IPhrasePlayer::kStillPlaying) {
            if (Requested())
                return Outcome::Interrupted;
            m_clock.WaitUntil(m_clock.Now() + kPollPeriod);
        }
        // A file that breaks off while playing is a failed playing, not a finished one;
        // repeating it would only fail again.
        if (end == IPhrasePlayer::kErrorAbort)
            return Outcome::Failed;
        // The interval runs from the end of this playing to a fixed deadline, so late
        // wake-ups never add up.
        const auto deadline = m_clock.Now() + interval;
        player.Stop();
        while (m_clock.Now() < deadline) {
            if (Requested())
                return Outcome::Interrupted;
            m_clock.WaitUntil(deadline);
        }
        if (repeat == kEndlessRepeat)
            count = 0;
        ++count;
    } while (count < repeat + 1);
    return Outcome::Played;
}

PlayChannelWorker::Outcome PlayChannelWorker::Fail(Failure failure, const std::string& name)
{
    m_failure = failure;
    m_failedName = name;
    return Outcome::Failed;
}

bool PlayChannelWorker::Requested() const
{
    return m_state.play.load() != PlayChannelState::kPlaying;
}

bool PlayChannelWorker::Closing() const
{
    return m_state.play.load() == PlayChannelState::kClosing;
}
