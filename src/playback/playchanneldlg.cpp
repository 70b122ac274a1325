// SPDX-License-Identifier: GPL-3.0-or-later
#include "playchanneldlg.h"

#include "core/names.h"
#include "core/playtime.h"
#include "phraseplayer.h"
#include "playchannelworker.h"
#include "prompt/prompt.h"
#include "text/messages.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace cuelist;

namespace {

QLineEdit* AddField(QGridLayout* grid, int row, const QString& label, const char* name)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    auto* caption = new QLabel(label);
    caption->setBuddy(edit);
    grid->addWidget(caption, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

QPushButton* AddButton(QVBoxLayout* column, const QString& text, const char* name)
{
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    column->addWidget(button);
    return button;
}

} // namespace

CPlayChannelDlg::CPlayChannelDlg(QWidget* parent, PhrasePlayerFactory factory)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_factory(std::move(factory))
{
    if (!m_factory)
        m_factory = [] { return std::make_unique<CPhrasePlayer>(); };

    setWindowTitle(tr("Play Channel"));
    auto* grid = new QGridLayout;
    m_channelEdit = AddField(grid, 0, tr("Channel"), "channel");
    m_stateEdit = AddField(grid, 1, tr("State"), "state");
    m_phraseEdit = AddField(grid, 2, tr("Phrase"), "phrase");
    m_fileNameEdit = AddField(grid, 3, tr("File name"), "fileName");
    m_repeatEdit = AddField(grid, 4, tr("Repeat times"), "repeat");
    m_volumeEdit = AddField(grid, 5, tr("Volume"), "volume");
    m_intervalEdit = AddField(grid, 6, tr("Interval seconds"), "interval");
    m_timeEdit = AddField(grid, 7, tr("Time"), "time");
    m_tick.setInterval(250);
    connect(&m_tick, &QTimer::timeout, this, [this] { m_timeEdit->setText(timeText()); });

    auto* buttons = new QVBoxLayout;
    m_playButton = AddButton(buttons, tr("Play"), "play");
    m_stopButton = AddButton(buttons, tr("Stop"), "stop");
    m_closeButton = AddButton(buttons, tr("Close"), "close");
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(m_playButton, &QPushButton::clicked, this, &CPlayChannelDlg::OnPlay);
    connect(m_stopButton, &QPushButton::clicked, this, &CPlayChannelDlg::OnStop);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);
    Refresh();
}

CPlayChannelDlg::~CPlayChannelDlg()
{
    EndWorker();
}

void CPlayChannelDlg::SetChannel(const std::string& dataFolder, int channel,
                                 const std::array<SlotRecord, kFrameCount>& records)
{
    m_job.dataFolder = dataFolder;
    m_job.records = records;
    m_channelText = QStringLiteral("%1").arg(channel, 4, 10, QLatin1Char('0'));
    m_firstMp3Frame = kFrameCount;
    for (int i = 0; i < kFrameCount; ++i) {
        if (records[i][record::kType] == kTypeMp3) {
            m_firstMp3Frame = i;
            break;
        }
    }
    Refresh();
}

void CPlayChannelDlg::SetPlayTime(const cuelist::ChannelPlayTime& total)
{
    m_totalText = text::PlayTimeText(total);
    Refresh();
}

QString CPlayChannelDlg::timeText() const
{
    // Whole seconds played: "0:01" only once a second has been heard.
    const qint64 played = m_shared.playedMs.load() / 1000 * 1000;
    const QString elapsed = text::DurationText(played);
    return m_totalText.isEmpty() ? elapsed : elapsed + QStringLiteral(" / ") + m_totalText;
}

void CPlayChannelDlg::done(int result)
{
    EndWorker();
    QDialog::done(result);
}

void CPlayChannelDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        OnPlay();
    }
}

void CPlayChannelDlg::OnPlay()
{
    if (m_shared.play.load() == PlayChannelState::kPlaying)
        return;
    if (m_worker.joinable())
        m_worker.join(); // it has reported its end already
    ShowStarted();
    m_shared.workerDone = false;
    m_shared.play = PlayChannelState::kPlaying;
    auto worker = std::make_unique<PlayChannelWorker>(m_job, m_factory, m_clock, m_shared,
                                                      static_cast<IPlayChannelListener&>(*this));
    m_worker = std::thread([worker = std::move(worker)] { worker->Run(); });
}

void CPlayChannelDlg::OnStop()
{
    int playing = PlayChannelState::kPlaying;
    if (!m_shared.play.compare_exchange_strong(playing, PlayChannelState::kStopped))
        return;
    m_clock.Interrupt();
    m_stopButton->setEnabled(false);
}

void CPlayChannelDlg::EndWorker()
{
    m_shared.play = PlayChannelState::kClosing;
    m_clock.Interrupt();
    if (m_worker.joinable())
        m_worker.join();
    std::lock_guard lock(m_notesMutex);
    m_notes.clear();
}

void CPlayChannelDlg::PhraseStarted(int frameIndex)
{
    Post({Note::Phrase, frameIndex, Failure::PlayingFailed, {}});
}

void CPlayChannelDlg::PlayingStopped()
{
    Post({Note::Stopped, 0, Failure::PlayingFailed, {}});
}

void CPlayChannelDlg::PlayingFailed(Failure failure, const std::string& name)
{
    Post({Note::Failed, 0, failure, name});
}

void CPlayChannelDlg::Post(Note note)
{
    {
        std::lock_guard lock(m_notesMutex);
        m_notes.push_back(std::move(note));
    }
    // Queued: the worker never waits for the dialog's thread.
    QMetaObject::invokeMethod(this, "DeliverNotes", Qt::QueuedConnection);
}

void CPlayChannelDlg::DeliverNotes()
{
    for (;;) {
        Note note;
        {
            std::lock_guard lock(m_notesMutex);
            if (m_notes.empty())
                return;
            note = std::move(m_notes.front());
            m_notes.pop_front();
        }
        switch (note.kind) {
        case Note::Phrase:
            LoadPhraseFields(note.frameIndex);
            Refresh();
            break;
        case Note::Stopped:
            ShowStopped();
            break;
        case Note::Failed:
            m_tick.stop(); // the time played stays while the message is up
            m_timeEdit->setText(timeText());
            prompt().refuse(this, FailureText(note.failure, note.name));
            ShowStopped();
            break;
        }
    }
}

void CPlayChannelDlg::ShowStarted()
{
    m_stateText = tr("Playing");
    m_shared.playedMs = 0;
    m_tick.start();
    m_playButton->setEnabled(false);
    m_stopButton->setEnabled(true);
    Refresh();
}

void CPlayChannelDlg::ShowStopped()
{
    m_stateText = tr("Stopping");
    m_tick.stop();
    LoadPhraseFields(m_firstMp3Frame);
    m_playButton->setEnabled(true);
    m_stopButton->setEnabled(false);
    Refresh();
}

void CPlayChannelDlg::LoadPhraseFields(int frameIndex)
{
    if (frameIndex < 0 || frameIndex >= kFrameCount)
        return;
    const SlotRecord& slot = m_job.records[frameIndex];
    m_phraseText = tr("Phrase%02d")
                       .replace(QLatin1String("%02d"),
                                QStringLiteral("%1").arg(frameIndex + 1, 2, 10, QLatin1Char('0')));
    m_fileNameText =
        QString::fromStdString(Cp932ToUtf8(RecordBaseName(slot))) + QLatin1String(".MP3");
    const int repeat = slot[record::kRepeat];
    m_repeatText = repeat == kEndlessRepeat ? tr("Unlimited") : QString::number(repeat);
    m_volume = -int(slot[record::kVolume]);
    m_interval = RecordInterval(slot);
}

void CPlayChannelDlg::Refresh()
{
    m_channelEdit->setText(m_channelText);
    m_stateEdit->setText(m_stateText);
    m_phraseEdit->setText(m_phraseText);
    m_fileNameEdit->setText(m_fileNameText);
    m_repeatEdit->setText(m_repeatText);
    m_volumeEdit->setText(QString::number(m_volume));
    m_intervalEdit->setText(QString::number(m_interval));
    m_timeEdit->setText(timeText());
}

QString CPlayChannelDlg::FailureText(Failure failure, const std::string& name) const
{
    const QString text = failure == Failure::FileMissing
                             ? tr("Output file %s.MP3 doesn't exist. ")
                             : tr("It failed in playing output file %s.MP3. ");
    return QString(text).replace(QLatin1String("%s"), QString::fromStdString(Cp932ToUtf8(name)));
}
