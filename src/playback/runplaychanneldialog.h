#pragma once

class CCueDoc;
class QWidget;

// The Play Channel command: previews one channel (1..127) of the document in a modal
// dialog; does nothing for any other channel. Enabling the command is the caller's part.
void RunPlayChannelDialog(QWidget* parent, const CCueDoc& doc, int channel);
