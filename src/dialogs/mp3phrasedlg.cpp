// SPDX-License-Identifier: GPL-3.0-or-later
#include "mp3phrasedlg.h"

#include "dataexchange.h"
#include "numberfield.h"
#include "settingsbuttons.h"

#include <cstdint>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <utility>

namespace {
constexpr int kMinVolume = cuelist::kMinVolumeDb;
constexpr int kMaxVolume = 0;
constexpr int kMaxRepeat = cuelist::kMaxRepeat;
} // namespace

CMp3PhraseDlg::CMp3PhraseDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(tr("MP3 file setup"));
    buildControls();
}

CMp3PhraseDlg::~CMp3PhraseDlg() = default;

void CMp3PhraseDlg::setValue(const PhraseValue& value)
{
    m_value = value;
    m_volume = value.settings.volume;
    m_repeatTimes = value.settings.repeat;
    m_intervalSeconds = value.settings.interval;
}

PhraseValue CMp3PhraseDlg::value() const
{
    PhraseValue value = m_value;
    value.settings.volume = m_volume;
    value.settings.repeat = m_repeatTimes;
    value.settings.interval = m_intervalSeconds;
    return value;
}

void CMp3PhraseDlg::buildControls()
{
    m_repeatField = new NumberField(this);
    m_repeatField->setObjectName(QStringLiteral("repeatField"));
    m_volumeSlider = new QSlider(Qt::Horizontal, this);
    m_volumeSlider->setObjectName(QStringLiteral("volumeSlider"));
    m_volumeField = new NumberField(this);
    m_volumeField->setObjectName(QStringLiteral("volumeField"));
    m_intervalField = new NumberField(this);
    m_intervalField->setObjectName(QStringLiteral("intervalField"));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Repeat times"), this), 0, 0);
    grid->addWidget(m_repeatField, 0, 1);
    grid->addWidget(new QLabel(tr("Volume"), this), 1, 0);
    grid->addWidget(m_volumeSlider, 1, 1);
    grid->addWidget(m_volumeField, 1, 2);
    grid->addWidget(new QLabel(tr("Interval seconds"), this), 2, 0);
    grid->addWidget(m_intervalField, 2, 1);
    grid->setColumnStretch(1, 1);

    const SettingsButtons buttons = MakeSettingsButtons(this);
    m_applyButton = buttons.apply;

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons.row);

    setTabOrder(m_repeatField, m_volumeSlider);
    setTabOrder(m_volumeSlider, m_volumeField);
    setTabOrder(m_volumeField, m_intervalField);
    setTabOrder(m_intervalField, buttons.ok);
    setTabOrder(buttons.ok, buttons.cancel);
    setTabOrder(buttons.cancel, m_applyButton);

    connect(m_applyButton, &QPushButton::clicked, this, &CMp3PhraseDlg::apply);
    connect(m_volumeSlider, &QSlider::valueChanged, this, [this](int position) {
        m_volume = position;
        m_volumeField->setNumber(m_volume);
    });
    for (NumberField* field : {m_repeatField, m_volumeField, m_intervalField})
        connect(field, &NumberField::left, this, [this, field] { fieldLeft(field); });
}

void CMp3PhraseDlg::showEvent(QShowEvent* event)
{
    if (!m_initialised) {
        m_initialised = true;
        initialise();
    }
    QDialog::showEvent(event);
}

void CMp3PhraseDlg::initialise()
{
    exchange(false);
    m_repeatField->setStepRange(0, kMaxRepeat);
    const QSignalBlocker blocker(m_volumeSlider);
    m_volumeSlider->setRange(kMinVolume, kMaxVolume);
    m_volumeSlider->setTickPosition(QSlider::TicksBelow);
    m_volumeSlider->setTickInterval(10);
    m_volumeSlider->setPageStep(10);
    m_volumeSlider->setValue(m_volume);
    m_intervalField->setStepRange(0, cuelist::kMaxInterval);

    const QByteArray name = m_value.fileName.toUtf8();
    setWindowTitle(QString::asprintf(qPrintable(tr("MP3 file setup-[Channel%04d Phrase%02d %s]")),
                                     m_value.channel, m_value.frame, name.constData()));
    m_applyButton->setEnabled(!m_applyDisabled && m_applyHandler);
    m_applyDisabled = false;
}

bool CMp3PhraseDlg::exchange(bool toMembers)
{
    m_exchanging = true;
    DataExchange dx(this, toMembers ? DataExchange::ToMembers : DataExchange::ToControls);
    dx.number(m_intervalField, m_intervalSeconds, 0, cuelist::kMaxInterval);
    dx.number(m_repeatField, m_repeatTimes, 0, kMaxRepeat);
    dx.number(m_volumeField, m_volume, kMinVolume, kMaxVolume);
    m_exchanging = false;
    return !dx.failed();
}

// Runs after the focus has settled, so that a refusal never interrupts the click or key
// that moved it. Fields left before it runs share one exchange.
void CMp3PhraseDlg::fieldLeft(NumberField* field)
{
    if (m_exchanging)
        return;
    m_volumeLeft = m_volumeLeft || field == m_volumeField;
    if (m_exchangePending)
        return;
    m_exchangePending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_exchangePending = false;
            const bool volumeLeft = std::exchange(m_volumeLeft, false);
            if (!isVisible())
                return;
            exchange(true);
            if (volumeLeft) {
                const QSignalBlocker blocker(m_volumeSlider);
                m_volumeSlider->setValue(m_volume);
            }
        },
        Qt::QueuedConnection);
}

void CMp3PhraseDlg::accept()
{
    if (exchange(true))
        QDialog::accept();
}

void CMp3PhraseDlg::apply()
{
    if (exchange(true) && m_applyHandler)
        m_applyHandler(value());
}
