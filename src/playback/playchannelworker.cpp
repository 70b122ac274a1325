#include "playchannelworker.h"

#include "core/datafolder.h"
#include "core/names.h"
#include "playbackclock.h"
#include "playchannelstate.h"

using namespace cuelist;

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
    for (int i = NextMp3Frame(-1); i < kFrameCount && outcome == Outcome::Played;
         i = NextMp3Frame(i))
        outcome = Requested() ? Outcome::Interrupted : PlayFrame(i);
    m_prepared.reset();

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
    if (!Closing())
        m_listener.PhraseStarted(index);
    std::unique_ptr<IPhrasePlayer> player;
    if (m_preparedIndex == index)
        player = std::move(m_prepared);
    m_prepared.reset();
    m_preparedIndex = -1;

    const std::string name = PlayChannelJob::BaseName(m_job.records[index]);
    Failure failure = Failure::PlayingFailed;
    if (!player)
        player = OpenPlayer(index, failure);
    if (!player)
        return Fail(failure, name);
    const Outcome outcome = PlayRepetitions(player, index);
    return outcome == Outcome::Failed ? Fail(Failure::PlayingFailed, name) : outcome;
}

PlayChannelWorker::Outcome
PlayChannelWorker::PlayRepetitions(std::unique_ptr<IPhrasePlayer>& player, int index)
{
    const SlotRecord& slot = m_job.records[index];
    const int repeat = slot[record::kRepeat];
    const auto interval = std::chrono::seconds(PlayChannelJob::Interval(slot));
    bool rewound = false;
    int count = 0;
    for (;;) {
        // A playing can end at its first poll (a file that fails at once): look here too, or
        // an endless phrase would never notice Stop or Close.
        if (Requested())
            return Outcome::Interrupted;
        if ((!rewound && player->Rewind() != IPhrasePlayer::kOk) ||
            player->Run() != IPhrasePlayer::kOk)
            return Outcome::Failed;
        int end = IPhrasePlayer::kStillPlaying;
        while ((end = player->PollCompletion()) == IPhrasePlayer::kStillPlaying) {
            if (Requested())
                return Outcome::Interrupted;
            m_clock.WaitUntil(m_clock.Now() + kPollPeriod);
        }
        // A file that breaks off while playing is a failed playing, not a finished one;
        // repeating it would only fail again.
        if (end == IPhrasePlayer::kErrorAbort)
            return Outcome::Failed;

        // The interval runs from the end of this playing to a fixed deadline, so late
        // wake-ups never add up, and the next playing is made ready inside it.
        const auto deadline = m_clock.Now() + interval;
        player->Stop();
        if (repeat == kEndlessRepeat)
            count = 0;
        const bool last = ++count >= repeat + 1;
        if (!last) {
            rewound = player->Rewind() == IPhrasePlayer::kOk; // else retried before Run
        } else if (const int next = NextMp3Frame(index); next < kFrameCount) {
            player.reset(); // one player, one audio output at a time
            Failure ignored = Failure::PlayingFailed;
            m_prepared = OpenPlayer(next, ignored);
            m_preparedIndex = next;
        }
        while (m_clock.Now() < deadline) {
            if (Requested())
                return Outcome::Interrupted;
            m_clock.WaitUntil(deadline);
        }
        if (last)
            return Outcome::Played;
    }
}

std::unique_ptr<IPhrasePlayer> PlayChannelWorker::OpenPlayer(int index, Failure& failure) const
{
    const SlotRecord& slot = m_job.records[index];
    failure = Failure::PlayingFailed;
    std::unique_ptr<IPhrasePlayer> player = m_factory ? m_factory() : nullptr;
    if (!player || player->Create() != IPhrasePlayer::kOk)
        return nullptr;

    const DataFolderListing folder(m_job.dataFolder);
    const DataFolderListing::Entry* file =
        folder.Find(Cp932ToUtf8(PlayChannelJob::BaseName(slot)) + ".MP3");
    if (!file) {
        failure = Failure::FileMissing;
        return nullptr;
    }
    if (player->Open(folder.Folder() + file->name) != IPhrasePlayer::kOk)
        return nullptr;
    player->SetVolume(-int(slot[record::kVolume])); // on failure the phrase plays as it is
    return player;
}

int PlayChannelWorker::NextMp3Frame(int after) const
{
    int i = after + 1;
    while (i < kFrameCount && m_job.records[i][record::kType] != kTypeMp3)
        ++i;
    return i;
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
