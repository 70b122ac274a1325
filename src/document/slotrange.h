// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>

// A block of slots, frames and channels counting from 1, both ends included.
struct SlotRange
{
    int firstFrame = 0;
    int firstChannel = 0;
    int lastFrame = -1;
    int lastChannel = -1;

    static SlotRange slot(int frame, int channel) { return {frame, channel, frame, channel}; }

    bool isEmpty() const { return lastFrame < firstFrame || lastChannel < firstChannel; }
    bool contains(int frame, int channel) const
    {
        return frame >= firstFrame && frame <= lastFrame && channel >= firstChannel &&
               channel <= lastChannel;
    }
    // The smallest range holding both.
    SlotRange united(const SlotRange& other) const
    {
        if (isEmpty())
            return other;
        if (other.isEmpty())
            return *this;
        return {std::min(firstFrame, other.firstFrame), std::min(firstChannel, other.firstChannel),
                std::max(lastFrame, other.lastFrame), std::max(lastChannel, other.lastChannel)};
    }
    bool operator==(const SlotRange&) const = default;
};
