#pragma once

#include <QDialog>
#include <QString>

class CCueDoc;
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
//   CTextPhraseDlg dlg(&doc, view);      // doc: where Apply commits; without one Apply is off
//   dlg.loadSlot(doc, frame, channel);   // values, caption, first line of DATA/NAME.TXT
//   // after a drop: dlg.setTextContents(ReadFirstTextLine(droppedPath));
//   //               dlg.setApplyDisabled(true);
//   if (dlg.exec() == QDialog::Accepted)
//       CommitTextPhrase(doc, dlg, frame, channel);  // phrasecommit.h
// Codes are those of the text slot record: colours 0 black, 2 red, 4 green, 6 amber;
// letter size 0 1X1, 1 2X2, 3 1/4angle, 4 2X1, 5 1X2; display mode Bold 1 + Shade 2 +
// Flash 8 (0 Normal). The controls are filled when the dialog is first shown; once exec()
// returns Accepted the getters hold the values the user confirmed.
class CTextPhraseDlg final : public QDialog
{
    Q_OBJECT
public:
    explicit CTextPhraseDlg(CCueDoc* doc, QWidget* parent = nullptr);
    ~CTextPhraseDlg() override;
    Q_DISABLE_COPY_MOVE(CTextPhraseDlg)

    // Fills every value from the slot's getters, the caption's frame, channel and file
    // name (the cell text) and the text contents from the file of that name in the
    // data folder (left empty when it cannot be read).
    void loadSlot(const CCueDoc& doc, int frame, int channel);

    void setSlot(int frame, int channel, const QString& fileName);
    void setTextContents(const QString& line) { m_textContents = line; }
    void setScrollSpeed(int speed) { m_scrollSpeed = speed; }
    void setMinutesOrTimes(int value) { m_minutesOrTimes = value; }
    void setFontColour(int code) { m_fontColour = code; }
    void setBackgroundColour(int code) { m_backgroundColour = code; }
    void setMagnification(int code) { m_magnification = code; }
    void setDisplayMode(int code) { m_displayMode = code; }
    void setInterval(int seconds) { m_interval = seconds; }
    // Consumed when the dialog is first shown: Apply then starts disabled.
    void setApplyDisabled(bool disabled) { m_applyDisabled = disabled; }

    int frame() const { return m_frame; }
    int channel() const { return m_channel; }
    QString fileName() const { return m_fileName; }
    QString textContents() const { return m_textContents; }
    int scrollSpeed() const { return m_scrollSpeed; }
    int minutesOrTimes() const { return m_minutesOrTimes; }
    int fontColour() const { return m_fontColour; }
    int backgroundColour() const { return m_backgroundColour; }
    int magnification() const { return m_magnification; }
    int displayMode() const { return m_displayMode; }
    int interval() const { return m_interval; }

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

    CCueDoc* m_doc;
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
    int m_channel = 0;
    int m_frame = 0;
    QString m_fileName;
    bool m_applyDisabled = false;
    bool m_initialised = false;
    bool m_exchanging = false;
    bool m_exchangePending = false;
    bool m_speedLeft = false;
};
