// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phrasevalue.h"

#include <QDialog>
#include <QString>

class NumberField;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

// "Text file setup": scroll speed, display minutes or scroll times, colours, display mode,
// letter size and interval of one text slot, with the first line of its text file.
//
// How an opener uses it:
//   CTextPhraseDlg dlg(view);
//   dlg.setValue(value);                 // slot, caption's file name, settings, first line
//   dlg.setApplyHandler(commit);         // without one Apply is off
//   dlg.setApplyDisabled(true);          // only when opened right after a drop
//   if (dlg.exec() == QDialog::Accepted)
//       commit(dlg.value());
// The settings' volume is the scroll speed and repeat the display minutes or scroll times.
// Codes are those of the text slot record: colours 0 black, 2 red, 4 green, 6 amber;
// letter size 0 1X1, 1 2X2, 3 1/4angle, 4 2X1, 5 1X2; display mode Bold 1 + Shade 2 +
// Flash 8 (0 Normal). The controls are filled when the dialog is first shown; once exec()
// returns Accepted the getters hold the values the user confirmed.
class CTextPhraseDlg final : public QDialog
{
    Q_OBJECT
public:
    explicit CTextPhraseDlg(QWidget* parent = nullptr);
    ~CTextPhraseDlg() override;
    Q_DISABLE_COPY_MOVE(CTextPhraseDlg)

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
    enum Mark { Normal, Bold, Shade, Flash };

    void buildControls();
    QWidget* buildColourGroup(const QString& title, QButtonGroup*& group, const char* name,
                              const QString& suffix);
    void initialise();
    bool exchange(bool toMembers);
    void showMarks();
    int markCode() const;
    void updateLabelAndMode();
    void fieldLeft(NumberField* field);
    void sliderMoved(int position);
    void markClicked(Mark mark);
    void magnificationChosen(int index);
    void apply();

    PhraseValue m_value; // the slot and its file name
    PhraseApply m_applyHandler;
    QLineEdit* m_contentsField = nullptr;
    QSlider* m_speedSlider = nullptr;
    NumberField* m_speedField = nullptr;
    QButtonGroup* m_fontGroup = nullptr;
    QButtonGroup* m_backgroundGroup = nullptr;
    QCheckBox* m_marks[4] = {};
    NumberField* m_intervalField = nullptr;
    QLabel* m_minutesLabel = nullptr;
    NumberField* m_minutesField = nullptr;
    QComboBox* m_magnificationList = nullptr;
    QPushButton* m_applyButton = nullptr;

    QString m_textContents;
    int m_marked[4] = {}; // Normal, Bold, Shade, Flash: 0 or 1
    int m_interval = 0;
    int m_minutesOrTimes = 0;
    int m_scrollSpeed = 0;
    int m_magnification = 0;
    int m_displayMode = 0;
    int m_backgroundColour = 2;
    int m_fontColour = 0;
    bool m_applyDisabled = false;
    bool m_initialised = false;
    bool m_exchanging = false;
    bool m_exchangePending = false;
    bool m_speedLeft = false;
};
