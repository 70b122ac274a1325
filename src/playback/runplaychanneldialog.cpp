// SPDX-License-Identifier: GPL-3.0-or-later
#include "runplaychanneldialog.h"

#include "playchanneldlg.h"

void RunPlayChannelDialog(QWidget* parent, const std::string& dataFolder, int channel,
                          const std::array<cuelist::SlotRecord, cuelist::kFrameCount>& records,
                          const cuelist::ChannelPlayTime& total)
{
    if (channel < 1 || channel > cuelist::kEditableChannelCount)
        return;
    CPlayChannelDlg dialog(parent);
    dialog.SetChannel(dataFolder, channel, records);
    dialog.SetPlayTime(total);
    dialog.exec();
}
