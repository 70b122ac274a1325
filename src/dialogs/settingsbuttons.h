// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDialog;
class QHBoxLayout;
class QPushButton;

// The OK, Cancel and Apply row of a settings dialog, on the right. OK is the default button
// and accepts, Cancel rejects; what Apply does is the dialog's. The buttons belong to the
// dialog, the row to whichever layout the dialog adds it to.
struct SettingsButtons
{
    QHBoxLayout* row = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* apply = nullptr;
};

SettingsButtons MakeSettingsButtons(QDialog* dialog);
