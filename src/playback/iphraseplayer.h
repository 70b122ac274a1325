// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

// Plays the phrases of one channel as one continuous stream: the first file is opened,
// the ones after it are queued with the silence that goes before each, so every interval
// is timed by the audio output itself. A fake can stand in for the media framework.
// Created, used and destroyed on one thread.
class IPhrasePlayer
{
public:
    static constexpr int kOk = 0;
    static constexpr int kFailed = 1;

    // Results of PollCompletion.
    static constexpr int kStillPlaying = 0;
    static constexpr int kComplete = 1;   // every playing given has been heard to its end
    static constexpr int kUserAbort = 2;  // playback was ended from outside
    static constexpr int kErrorAbort = 3; // playback failed

    virtual ~IPhrasePlayer() = default;

    // Each returns kOk or kFailed; nothing is reported to the user from here. A path that
    // is not a regular file (a folder, a FIFO, a device) fails at once, without waiting.
    virtual int Create() = 0;
    virtual int Open(const std::string& path) = 0; // the first playing; local file-system bytes
    virtual int SetVolume(int decibels) = 0;       // of the first playing: 0 full, down to -70
    virtual int Run() = 0;
    virtual int Stop() = 0;
    // Appends a playing that starts `silence` after the end of the one before it.
    virtual int Queue(const std::string& path, int decibels, std::chrono::milliseconds silence) = 0;
    // Nothing more will be queued: the stream ends after the last playing.
    virtual void EndQueue() = 0;
    // How many playings have begun to sound so far, counting the opened one.
    virtual int Heard() = 0;
    // Never waits: kStillPlaying while playing, else one of the end codes above.
    virtual int PollCompletion() = 0;
    // The stream's running time that has sounded so far, the silences included; it never
    // passes the end of what reached the output, and stays there once the stream ended.
    virtual std::chrono::milliseconds Played() = 0;
    // The playing (the opened one is 0) whose file was gone or would not decode when its turn
    // came: the stream ended right before it. -1 when none did.
    virtual int FailedPlaying() = 0;
    // True once everything that reached the output has sounded.
    virtual bool Drained() = 0;
};

using PhrasePlayerFactory = std::function<std::unique_ptr<IPhrasePlayer>()>;
