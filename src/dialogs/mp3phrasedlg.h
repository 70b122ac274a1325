// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phrasevalue.h"

#include <QDialog>
#include <QString>

class NumberField;
class QPushButton;
class QSlider;

// "MP3 file setup": repeat times, volume and interval of one MP3 slot.
//
// How an opener uses it:
//   CMp3PhraseDlg dlg(view);
//   dlg.setValue(value);                 // slot, file name for the caption, settings
//   dlg.setApplyHandler(commit);         // without one Apply is off
//   dlg.setApplyDisabled(true);          // only when opened right after a drop
//   if (dlg.exec() == QDialog::Accepted)
//       commit(dlg.value());
// Cancel gives nothing more; what Apply gave stays. The controls are filled from the value
// when the dialog is first shown; once exec() returns Accepted, value() holds the values
// the user confirmed. Volume is 0 (full) down to -70 dB; the tone levels are never shown.
class CMp3PhraseDlg final : public QDialog
{
    Q_OBJECT
public:
    explicit CMp3PhraseDlg(QWidget* parent = nullptr);
    ~CMp3PhraseDlg() override;
    Q_DISABLE_COPY_MOVE(CMp3PhraseDlg)

    void setValue(const PhraseValue& value);
    PhraseValue value() const;
    void setApplyHandler(PhraseApply apply) { m_applyHandler = std::move(apply); }
    // Consumed when the dialog is first shown: Apply then starts disabled.
    void setApplyDisabled(bool disabled) { m_applyDisabled = disabled; }

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void initialise();
    bool exchange(bool toMembers);
    void fieldLeft(NumberField* field);
    void apply();

    PhraseValue m_value; // the slot, its file name and the settings not shown here
    PhraseApply m_applyHandler;
    NumberField* m_repeatField = nullptr;
    QSlider* m_volumeSlider = nullptr;
    NumberField* m_volumeField = nullptr;
    NumberField* m_intervalField = nullptr;
    QPushButton* m_applyButton = nullptr;

    int m_intervalSeconds = 0;
    int m_repeatTimes = 0;
    int m_volume = cuelist::kMinVolumeDb;
    bool m_applyDisabled = false;
    bool m_initialised = false;
    bool m_exchanging = false;
    bool m_exchangePending = false;
    bool m_volumeLeft = false;
};
