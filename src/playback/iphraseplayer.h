#pragma once

#include <functional>
#include <memory>
#include <string>

// Plays one phrase file: the operations the Play Channel worker drives, so that a fake
// can stand in for the media framework. Created, used and destroyed on one thread.
class IPhrasePlayer
{
public:
    static constexpr int kOk = 0;
    static constexpr int kFailed = 1;

    // Results of PollCompletion.
    static constexpr int kStillPlaying = 0;
    static constexpr int kComplete = 1;   // the file played to its end
    static constexpr int kUserAbort = 2;  // playback was ended from outside
    static constexpr int kErrorAbort = 3; // playback failed

    virtual ~IPhrasePlayer() = default;

    // Each returns kOk or kFailed; nothing is reported to the user from here.
    virtual int Create() = 0;
    virtual int Open(const std::string& path) = 0; // local path, file-system bytes
    virtual int SetVolume(int decibels) = 0;       // 0 full, down to -70
    virtual int Rewind() = 0;
    virtual int Run() = 0;
    virtual int Stop() = 0;
    // Never waits: kStillPlaying while playing, else one of the end codes above.
    virtual int PollCompletion() = 0;
};

using PhrasePlayerFactory = std::function<std::unique_ptr<IPhrasePlayer>()>;
