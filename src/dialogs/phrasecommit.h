#pragma once

class CCueDoc;
class CMp3PhraseDlg;
class CTextPhraseDlg;

// Writing a settings dialog's values back into its slot. Each one writes the fields
// through the slot setters (a value a setter refuses leaves that field as it was while
// the others are still written), marks the document modified and shows the slot's
// description in the status bar's description pane. The file name and type never change.

// Volume (as attenuation 0..70), repeat times and interval; the tone levels stay.
void CommitMp3Phrase(CCueDoc& doc, const CMp3PhraseDlg& dlg, int frame, int channel);

// Scroll speed, minutes or times, font and background colours, letter size and display
// mode, interval.
void CommitTextPhrase(CCueDoc& doc, const CTextPhraseDlg& dlg, int frame, int channel);
