#include "phrasecommit.h"

#include "core/describe.h"
#include "cuedoc.h"
#include "descriptionpane.h"
#include "mp3phrasedlg.h"
#include "text/messages.h"
#include "textphrasedlg.h"

#include <cstdint>
#include <cstdlib>

namespace {

std::uint8_t Byte(int value)
{
    return static_cast<std::uint8_t>(value);
}

void Finish(CCueDoc& doc, int frame, int channel)
{
    doc.setModifiedFlag(true);
    DescriptionPane::setText(
        cuelist::text::DescriptionText(cuelist::DescribeSlot(doc.table(), frame, channel)));
}

} // namespace

void CommitMp3Phrase(CCueDoc& doc, const CMp3PhraseDlg& dlg, int frame, int channel)
{
    cuelist::SlotTable& table = doc.table();
    table.SetSlotVolumeOrSpeed(frame, channel, Byte(std::abs(dlg.volume())));
    table.SetSlotRepeat(frame, channel, Byte(dlg.repeatTimes()));
    table.SetSlotInterval(frame, channel, static_cast<std::uint16_t>(dlg.intervalSeconds()));
    Finish(doc, frame, channel);
}

void CommitTextPhrase(CCueDoc& doc, const CTextPhraseDlg& dlg, int frame, int channel)
{
    cuelist::SlotTable& table = doc.table();
    table.SetSlotVolumeOrSpeed(frame, channel, Byte(dlg.scrollSpeed()));
    table.SetSlotRepeat(frame, channel, Byte(dlg.minutesOrTimes()));
    table.SetSlotLowOrColors(frame, channel, Byte(dlg.fontColour()), Byte(dlg.backgroundColour()));
    table.SetSlotHighOrStyle(frame, channel, Byte(dlg.magnification()), Byte(dlg.displayMode()));
    table.SetSlotInterval(frame, channel, static_cast<std::uint16_t>(dlg.interval()));
    Finish(doc, frame, channel);
}
