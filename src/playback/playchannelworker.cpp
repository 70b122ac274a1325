// SPDX-License-Identifier: GPL-3.0-or-later
#include "playchannelworker.h"

#include "core/datafolder.h"
#include "core/names.h"
#include "core/playtime.h"
#include "playchannelstate.h"

#include <dirent.h>
#include <sys/stat.h>

using namespace cuelist;

namespace {

bool SameIgnoringAsciiCase(const char* a, const std::string& b)
{
    std::size_t i = 0;
    for (; a[i] != 0 && i < b.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return a[i] == 0 && i == b.size();
}

// Something other than a regular file (a folder, a FIFO, a device) goes by that name. A
// dangling link counts as nothing.
bool OtherEntryExists(const std::string& folder, const std::string& name)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return false;
    bool found = false;
    while (const dirent* entry = ::readdir(dir)) {
        struct stat st
        {
        };
        if (SameIgnoringAsciiCase(entry->d_name, name) &&
            ::fstatat(::dirfd(dir), entry->d_name, &st, 0) == 0) {
            found = true;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

} // namespace

PlayChannelWorker::PlayChannelWorker(PlayChannelJob job, PhrasePlayerFactory factory,
                                     PlaybackClock& clock, PlayChannelState& state,
                                     IPlayChannelListener& listener)
    : m_job(std::move(job)), m_factory(std::move(factory)), m_clock(clock), m_state(state),
      m_listener(listener)
{
}

void PlayChannelWorker::Run()
{
    const Outcome outcome = PlayChannel();

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

PlayChannelWorker::Outcome PlayChannelWorker::PlayChannel()
{
    m_state.playedMs = 0;
    m_nextFrame = NextMp3Frame(-1);
    if (m_nextFrame >= kFrameCount)
        return Outcome::Played;
    if (Requested())
        return Outcome::Interrupted;

    // The player lives for the whole channel and goes before the worker reports its end.
    const int first = TakeNextPlaying();
    const std::unique_ptr<IPhrasePlayer> player = m_factory ? m_factory() : nullptr;
    if (!player || player->Create() != IPhrasePlayer::kOk)
        return Fail(Failure::PlayingFailed, first);
    Failure failure = Failure::PlayingFailed;
    const std::string path = FramePath(first, failure);
    if (path.empty())
        return Fail(failure, first);
    if (player->Open(path) != IPhrasePlayer::kOk)
        return Fail(Failure::PlayingFailed, first);
    player->SetVolume(-int(m_job.records[first][record::kVolume])); // on failure it plays as it is
    m_queuedFrames.push_back(first);
    m_playingFrames.push_back(first);
    m_lastQueuedFrame = first;
    m_lastQueuedPath = path;
    // The next playings are ready before the first one can drain.
    QueueAhead(*player, 0);
    if (Requested())
        return Outcome::Interrupted;
    if (player->Run() != IPhrasePlayer::kOk)
        return Fail(Failure::PlayingFailed, first);

    int end = IPhrasePlayer::kStillPlaying;
    for (;;) {
        const int heard = player->Heard();
        ShowHeard(heard);
        m_state.playedMs = player->Played().count();
        QueueAhead(*player, heard);
        if ((end = player->PollCompletion()) != IPhrasePlayer::kStillPlaying)
            break;
        if (!WaitUntil(m_clock.Now() + kPollPeriod))
            return Outcome::Interrupted;
    }
    const int failed = player->FailedPlaying();
    if (failed > 0 && failed < int(m_playingFrames.size())) {
        // A file that went away or broke after it was queued: the playings before it are
        // heard to their end, then the interval, then its failure, as if it had failed in
        // the queue.
        while (!player->Drained()) {
            m_state.playedMs = player->Played().count();
            if (!WaitUntil(m_clock.Now() + kPollPeriod))
                return Outcome::Interrupted;
        }
        ShowHeard(failed);
        m_failingFrame = m_playingFrames[std::size_t(failed)];
        m_queueFailure = Failure::PlayingFailed;
        FramePath(m_failingFrame, m_queueFailure); // tells a missing file from a broken one
    } else if (end == IPhrasePlayer::kErrorAbort) {
        // A file that breaks off while playing is a failed playing, not a finished one.
        return Fail(Failure::PlayingFailed, m_shownFrame >= 0 ? m_shownFrame : first);
    } else {
        ShowHeard(m_shownPlayings + int(m_queuedFrames.size()));
    }
    m_state.playedMs = player->Played().count();

    // The interval follows the last playing too, before the channel ends or the frame that
    // could not be queued has its turn.
    const auto interval = std::chrono::seconds(RecordInterval(m_job.records[m_shownFrame]));
    if (!WaitCounting(interval))
        return Outcome::Interrupted;
    return m_failingFrame >= 0 ? Fail(m_queueFailure, m_failingFrame) : Outcome::Played;
}

bool PlayChannelWorker::WaitCounting(PlaybackClock::Duration wait)
{
    const std::int64_t before = m_state.playedMs.load();
    const auto start = m_clock.Now();
    const auto deadline = start + wait;
    while (m_clock.Now() < deadline) {
        if (!WaitUntil(std::min(deadline, m_clock.Now() + kPollPeriod)))
            return false;
        m_state.playedMs =
            before +
            std::chrono::duration_cast<std::chrono::milliseconds>(m_clock.Now() - start).count();
    }
    return !Requested();
}

void PlayChannelWorker::QueueAhead(IPhrasePlayer& player, int heard)
{
    while (!m_queueEnded && !Requested() &&
           int(m_queuedFrames.size()) - (heard - m_shownPlayings) < kQueueAhead) {
        const int frame = TakeNextPlaying();
        Failure failure = Failure::PlayingFailed;
        const std::string path = frame == m_lastQueuedFrame ? m_lastQueuedPath
                                 : frame < kFrameCount      ? FramePath(frame, failure)
                                                            : std::string();
        const auto silence = std::chrono::seconds(RecordInterval(m_job.records[m_lastQueuedFrame]));
        if (frame < kFrameCount && !path.empty() &&
            player.Queue(path, -int(m_job.records[frame][record::kVolume]), silence) ==
                IPhrasePlayer::kOk) {
            m_queuedFrames.push_back(frame);
            m_playingFrames.push_back(frame);
            m_lastQueuedFrame = frame;
            m_lastQueuedPath = path;
            continue;
        }
        if (frame < kFrameCount) {
            m_failingFrame = frame;
            m_queueFailure = failure;
        }
        player.EndQueue();
        m_queueEnded = true;
    }
}

int PlayChannelWorker::TakeNextPlaying()
{
    const int frame = m_nextFrame;
    if (frame >= kFrameCount)
        return frame;
    const int repeat = m_job.records[frame][record::kRepeat];
    if (repeat != kEndlessRepeat && ++m_nextRepeat >= repeat + 1) {
        m_nextFrame = NextMp3Frame(frame);
        m_nextRepeat = 0;
    }
    return frame;
}

std::string PlayChannelWorker::FramePath(int index, Failure& failure) const
{
    const std::string name = Cp932ToUtf8(RecordBaseName(m_job.records[index])) + ".MP3";
    const DataFolderListing folder(m_job.dataFolder);
    if (const DataFolderListing::Entry* file = folder.Find(name))
        return folder.Folder() + file->name;
    // The listing holds regular files only; anything else by that name exists but cannot
    // be played, and is never opened here.
    failure = folder.Exists() && OtherEntryExists(folder.Folder(), name) ? Failure::PlayingFailed
                                                                         : Failure::FileMissing;
    return {};
}

void PlayChannelWorker::ShowHeard(int heard)
{
    while (m_shownPlayings < heard && !m_queuedFrames.empty()) {
        const int frame = m_queuedFrames.front();
        m_queuedFrames.pop_front();
        ++m_shownPlayings;
        if (frame != m_shownFrame && !Closing())
            m_listener.PhraseStarted(frame);
        m_shownFrame = frame;
    }
}

int PlayChannelWorker::NextMp3Frame(int after) const
{
    int i = after + 1;
    while (i < kFrameCount && m_job.records[i][record::kType] != kTypeMp3)
        ++i;
    return i;
}

PlayChannelWorker::Outcome PlayChannelWorker::Fail(Failure failure, int index)
{
    if (index != m_shownFrame && !Closing())
        m_listener.PhraseStarted(index);
    m_failure = failure;
    m_failedName = RecordBaseName(m_job.records[index]);
    return Outcome::Failed;
}

bool PlayChannelWorker::WaitUntil(PlaybackClock::TimePoint deadline)
{
    while (m_clock.Now() < deadline) {
        if (Requested())
            return false;
        m_clock.WaitUntil(deadline);
    }
    return !Requested();
}

bool PlayChannelWorker::Requested() const
{
    return m_state.play.load() != PlayChannelState::kPlaying;
}

bool PlayChannelWorker::Closing() const
{
    return m_state.play.load() == PlayChannelState::kClosing;
}
