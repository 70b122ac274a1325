#include "runplaychanneldialog.h"

#include "document/cuedoc.h"
#include "playchanneldlg.h"

#include <QFile>

using namespace cuelist;

void RunPlayChannelDialog(QWidget* parent, const CCueDoc& doc, int channel)
{
    if (channel < 1 || channel > kEditableChannelCount)
        return;
    std::array<SlotRecord, kFrameCount> records;
    for (int frame = 1; frame <= kFrameCount; ++frame)
        records[frame - 1] = doc.table().RecordAt(frame, channel);

    CPlayChannelDlg dialog(parent);
    dialog.SetChannel(QFile::encodeName(doc.dataFolderPath()).toStdString(), channel, records);
    dialog.exec();
}
