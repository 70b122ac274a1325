// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// What the Play Channel worker reports. Called on the worker's thread; an implementation
// must hand the news to its own thread without waiting for it.
class IPlayChannelListener
{
public:
    enum class Failure {
        FileMissing,   // the phrase's file is not in the data folder
        PlayingFailed, // the player could not be created, open the file, rewind or run
    };

    virtual ~IPlayChannelListener() = default;

    // A phrase frame (index 0..15) is about to play.
    virtual void PhraseStarted(int frameIndex) = 0;
    // Playing ended: the channel is done or Stop was pressed.
    virtual void PlayingStopped() = 0;
    // Playing ended on a failure; name is the slot's base name in CP932 bytes.
    virtual void PlayingFailed(Failure failure, const std::string& name) = 0;
};
