// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/slotsettings.h"

#include <functional>
#include <QString>

// What a phrase settings dialog is opened with and gives back: the slot it belongs to, the
// file name its caption shows and the slot's settings.
struct PhraseValue
{
    int frame = 0;
    int channel = 0;
    QString fileName;
    QString textContents; // text slots: the first line of the text file, shown read-only
    cuelist::SlotSettings settings;
};

// Apply's work: commits the values confirmed so far while the dialog stays open.
using PhraseApply = std::function<void(const PhraseValue&)>;
