#pragma once

#include <QDialog>
#include <QString>

class CCueDoc;
class NumberField;
class QPushButton;
class QSlider;

// "MP3 file setup": repeat times, volume and interval of one MP3 slot.
//
// How an opener uses it:
//   CMp3PhraseDlg dlg(&doc, view);       // doc: where Apply commits; without one Apply is off
//   dlg.loadSlot(doc, frame, channel);   // values, caption frame/channel, file name
//   dlg.setApplyDisabled(true);          // only when opened right after a drop
//   if (dlg.exec() == QDialog::Accepted)
//       CommitMp3Phrase(doc, dlg, frame, channel);   // phrasecommit.h
// Cancel writes nothing more; what Apply committed stays. The controls are filled from
// the values when the dialog is first shown; once exec() returns Accepted the getters
// hold the values the user confirmed.
class CMp3PhraseDlg final : public QDialog
{
    Q_OBJECT
public:
    explicit CMp3PhraseDlg(CCueDoc* doc, QWidget* parent = nullptr);
    ~CMp3PhraseDlg() override;
    Q_DISABLE_COPY_MOVE(CMp3PhraseDlg)

    // Volume = minus the attenuation byte, repeat times, interval; file name = the cell
    // text. The tone levels are not shown and never written.
    void loadSlot(const CCueDoc& doc, int frame, int channel);

    void setSlot(int frame, int channel, const QString& fileName);
    void setFileName(const QString& fileName) { m_fileName = fileName; }
    void setRepeatTimes(int times) { m_repeatTimes = times; }
    void setVolume(int decibels) { m_volume = decibels; } // 0 full volume .. -70
    void setIntervalSeconds(int seconds) { m_intervalSeconds = seconds; }
    // Consumed when the dialog is first shown: Apply then starts disabled.
    void setApplyDisabled(bool disabled) { m_applyDisabled = disabled; }

    int frame() const { return m_frame; }
    int channel() const { return m_channel; }
    QString fileName() const { return m_fileName; }
    int repeatTimes() const { return m_repeatTimes; }
    int volume() const { return m_volume; }
    int intervalSeconds() const { return m_intervalSeconds; }

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

    CCueDoc* m_doc;
    NumberField* m_repeatField = nullptr;
    QSlider* m_volumeSlider = nullptr;
    NumberField* m_volumeField = nullptr;
    NumberField* m_intervalField = nullptr;
    QPushButton* m_applyButton = nullptr;

    int m_intervalSeconds = 0;
    int m_repeatTimes = 0;
    int m_volume = -70;
    int m_channel = 0;
    int m_frame = 0;
    QString m_fileName;
    bool m_applyDisabled = false;
    bool m_initialised = false;
    bool m_exchanging = false;
    bool m_exchangePending = false;
    bool m_volumeLeft = false;
};
