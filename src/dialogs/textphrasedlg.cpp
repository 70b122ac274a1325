// SPDX-License-Identifier: GPL-3.0-or-later
#include "textphrasedlg.h"

#include "dataexchange.h"
#include "numberfield.h"
#include "settingsbuttons.h"

#include <algorithm>
#include <cstdint>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <utility>

namespace {

constexpr int kMaxMinutes = 99;
constexpr int kMaxSpeed = 5;
constexpr int kColourCodes[] = {0, 2, 4, 6}; // Black, Red, Green, Amber

// List index of a letter size code; 2 and unknown codes show the first entry.
int MagnificationIndex(int code)
{
    if (code == 0 || code == 1)
        return code;
    if (code >= 3 && code <= 5)
        return code - 1;
    return 0;
}

} // namespace

CTextPhraseDlg::CTextPhraseDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(tr("Text file setup"));
    buildControls();
}

CTextPhraseDlg::~CTextPhraseDlg() = default;

void CTextPhraseDlg::setValue(const PhraseValue& value)
{
    m_value = value;
    m_textContents = value.textContents;
    const cuelist::SlotSettings& s = value.settings;
    m_scrollSpeed = s.volume;
    m_minutesOrTimes = s.repeat;
    m_fontColour = s.fontColour;
    m_backgroundColour = s.backgroundColour;
    m_magnification = s.magnification;
    m_displayMode = s.displayMode;
    m_interval = s.interval;
}

PhraseValue CTextPhraseDlg::value() const
{
    PhraseValue value = m_value;
    value.textContents = m_textContents;
    cuelist::SlotSettings& s = value.settings;
    s.volume = m_scrollSpeed;
    s.repeat = m_minutesOrTimes;
    s.fontColour = m_fontColour;
    s.backgroundColour = m_backgroundColour;
    s.magnification = m_magnification;
    s.displayMode = m_displayMode;
    s.interval = m_interval;
    return value;
}

QWidget* CTextPhraseDlg::buildColourGroup(const QString& title, QButtonGroup*& group,
                                          const char* name, const QString& suffix)
{
    auto* box = new QGroupBox(title, this);
    box->setObjectName(QLatin1String(name));
    group = new QButtonGroup(box);
    auto* row = new QHBoxLayout(box);
    const QString labels[] = {tr("Black"), tr("Red"), tr("Green"), tr("Amber")};
    const char* colours[] = {"black", "red", "green", "amber"};
    for (int i = 0; i < 4; ++i) {
        auto* radio = new QRadioButton(labels[i], box);
        radio->setObjectName(QLatin1String(colours[i]) + suffix);
        group->addButton(radio, kColourCodes[i]);
        row->addWidget(radio);
    }
    return box;
}

void CTextPhraseDlg::buildControls()
{
    m_contentsField = new QLineEdit(this);
    m_contentsField->setObjectName(QStringLiteral("contentsField"));
    m_contentsField->setReadOnly(true);
    m_contentsField->setMinimumWidth(m_contentsField->fontMetrics().averageCharWidth() * 32);

    m_speedSlider = new QSlider(Qt::Horizontal, this);
    m_speedSlider->setObjectName(QStringLiteral("speedSlider"));
    m_speedField = new NumberField(this);
    m_speedField->setObjectName(QStringLiteral("speedField"));

    QWidget* fontBox =
        buildColourGroup(tr("Font Color"), m_fontGroup, "fontColour", QStringLiteral("Font"));
    QWidget* backgroundBox = buildColourGroup(tr("Background Color"), m_backgroundGroup,
                                              "backgroundColour", QStringLiteral("Background"));

    auto* modeBox = new QGroupBox(tr("Display Mode"), this);
    auto* modeRow = new QHBoxLayout(modeBox);
    const QString markLabels[] = {tr("Normal"), tr("Bold"), tr("Shade"), tr("Flash")};
    const char* markNames[] = {"normalCheck", "boldCheck", "shadeCheck", "flashCheck"};
    for (int i = 0; i < 4; ++i) {
        m_marks[i] = new QCheckBox(markLabels[i], modeBox);
        m_marks[i]->setObjectName(QLatin1String(markNames[i]));
        // Clicking runs its own exchange; keeping the focus avoids a second one.
        m_marks[i]->setFocusPolicy(Qt::TabFocus);
        modeRow->addWidget(m_marks[i]);
    }

    m_intervalField = new NumberField(this);
    m_intervalField->setObjectName(QStringLiteral("intervalField"));
    m_minutesLabel = new QLabel(tr("Display Minutes"), this);
    m_minutesLabel->setObjectName(QStringLiteral("minutesLabel"));
    m_minutesField = new NumberField(this);
    m_minutesField->setObjectName(QStringLiteral("minutesField"));
    m_magnificationList = new QComboBox(this);
    m_magnificationList->setObjectName(QStringLiteral("magnificationList"));
    m_magnificationList->setFocusPolicy(Qt::TabFocus);

    auto* grid = new QGridLayout;
    int row = 0;
    grid->addWidget(new QLabel(tr("Text contents"), this), row, 0);
    grid->addWidget(m_contentsField, row++, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Scroll Speed"), this), row, 0);
    grid->addWidget(m_speedSlider, row, 1);
    grid->addWidget(m_speedField, row++, 2);
    grid->addWidget(fontBox, row++, 0, 1, 3);
    grid->addWidget(backgroundBox, row++, 0, 1, 3);
    grid->addWidget(modeBox, row++, 0, 1, 3);
    grid->addWidget(new QLabel(tr("Interval Seconds"), this), row, 0);
    grid->addWidget(m_intervalField, row++, 1);
    grid->addWidget(m_minutesLabel, row, 0);
    grid->addWidget(m_minutesField, row++, 1);
    grid->addWidget(new QLabel(tr("Magnification ratio (HxW)"), this), row, 0);
    grid->addWidget(m_magnificationList, row++, 1);
    grid->setColumnStretch(1, 1);

    const SettingsButtons buttons = MakeSettingsButtons(this);
    m_applyButton = buttons.apply;

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons.row);

    connect(m_applyButton, &QPushButton::clicked, this, &CTextPhraseDlg::apply);
    connect(m_speedSlider, &QSlider::valueChanged, this, &CTextPhraseDlg::sliderMoved);
    connect(m_fontGroup, &QButtonGroup::idClicked, this,
            [this] { m_fontColour = std::max(0, m_fontGroup->checkedId()); });
    connect(m_backgroundGroup, &QButtonGroup::idClicked, this,
            [this] { m_backgroundColour = std::max(0, m_backgroundGroup->checkedId()); });
    for (int i = 0; i < 4; ++i)
        connect(m_marks[i], &QCheckBox::clicked, this, [this, i] { markClicked(Mark(i)); });
    connect(m_magnificationList, &QComboBox::activated, this, &CTextPhraseDlg::magnificationChosen);
    for (NumberField* field : {m_speedField, m_intervalField, m_minutesField})
        connect(field, &NumberField::left, this, [this, field] { fieldLeft(field); });
}

void CTextPhraseDlg::showEvent(QShowEvent* event)
{
    if (!m_initialised) {
        m_initialised = true;
        initialise();
    }
    QDialog::showEvent(event);
}

void CTextPhraseDlg::initialise()
{
    exchange(false);
    {
        const QSignalBlocker blocker(m_speedSlider);
        m_speedSlider->setRange(0, kMaxSpeed);
        m_speedSlider->setTickPosition(QSlider::TicksBelow);
        m_speedSlider->setTickInterval(1);
        m_speedSlider->setPageStep(1);
        m_speedSlider->setValue(m_scrollSpeed);
    }
    if (QAbstractButton* radio = m_fontGroup->button(m_fontColour))
        radio->setChecked(true);
    if (QAbstractButton* radio = m_backgroundGroup->button(m_backgroundColour))
        radio->setChecked(true);

    const bool bold = m_displayMode == 1 || m_displayMode == 9;
    const bool shade = m_displayMode == 2 || m_displayMode == 10;
    const bool flash = m_displayMode == 8 || m_displayMode == 9 || m_displayMode == 10;
    m_marked[Normal] = m_displayMode == 0;
    m_marked[Bold] = bold;
    m_marked[Shade] = shade;
    m_marked[Flash] = flash;
    showMarks();
    updateLabelAndMode();

    m_intervalField->setStepRange(0, cuelist::kMaxInterval);
    m_minutesField->setStepRange(0, kMaxMinutes);

    m_magnificationList->clear();
    m_magnificationList->addItems({tr("1X1"), tr("2X2"), tr("1/4angle"), tr("2X1"), tr("1X2")});
    m_magnificationList->setCurrentIndex(MagnificationIndex(m_magnification));

    const QByteArray name = m_value.fileName.toUtf8();
    setWindowTitle(QString::asprintf(qPrintable(tr("Text file setup-[Channel%04d Phrase%02d %s]")),
                                     m_value.channel, m_value.frame, name.constData()));
    m_applyButton->setEnabled(!m_applyDisabled && m_applyHandler);
    m_applyDisabled = false;
}

bool CTextPhraseDlg::exchange(bool toMembers)
{
    m_exchanging = true;
    DataExchange dx(this, toMembers ? DataExchange::ToMembers : DataExchange::ToControls);
    dx.text(m_contentsField, m_textContents);
    for (int i = 0; i < 4; ++i)
        dx.check(m_marks[i], m_marked[i]);
    dx.number(m_intervalField, m_interval, 0, cuelist::kMaxInterval);
    dx.number(m_minutesField, m_minutesOrTimes, 0, kMaxMinutes);
    dx.number(m_speedField, m_scrollSpeed, 0, kMaxSpeed);
    m_exchanging = false;
    return !dx.failed();
}

void CTextPhraseDlg::showMarks()
{
    for (int i = 0; i < 4; ++i)
        m_marks[i]->setChecked(m_marked[i] != 0);
}

int CTextPhraseDlg::markCode() const
{
    return (m_marked[Bold] ? 1 : 0) + (m_marked[Shade] ? 2 : 0) + (m_marked[Flash] ? 8 : 0);
}

// Scrolling text cannot flash; standing text can.
void CTextPhraseDlg::updateLabelAndMode()
{
    if (m_scrollSpeed == 0) {
        m_minutesLabel->setText(tr("Display Minutes"));
        m_marks[Flash]->setEnabled(true);
    } else if (m_scrollSpeed >= 1 && m_scrollSpeed <= kMaxSpeed) {
        m_minutesLabel->setText(tr("Scroll Times"));
        m_marked[Flash] = 0;
        if (!m_marked[Normal] && !m_marked[Bold] && !m_marked[Shade])
            m_marked[Normal] = 1;
        showMarks();
        m_displayMode = markCode();
        m_marks[Flash]->setEnabled(false);
    }
}

// Runs after the focus has settled, so that a refusal never interrupts the click or key
// that moved it. Fields left before it runs share one exchange.
void CTextPhraseDlg::fieldLeft(NumberField* field)
{
    if (m_exchanging)
        return;
    m_speedLeft = m_speedLeft || field == m_speedField;
    if (m_exchangePending)
        return;
    m_exchangePending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_exchangePending = false;
            const bool speedLeft = std::exchange(m_speedLeft, false);
            if (!isVisible())
                return;
            exchange(true);
            if (speedLeft) {
                {
                    const QSignalBlocker blocker(m_speedSlider);
                    m_speedSlider->setValue(m_scrollSpeed);
                }
                updateLabelAndMode();
            }
        },
        Qt::QueuedConnection);
}

void CTextPhraseDlg::sliderMoved(int position)
{
    m_scrollSpeed = position;
    m_speedField->setNumber(m_scrollSpeed);
    updateLabelAndMode();
}

// At least one mark stays checked; Normal goes alone, Bold and Shade exclude each other.
void CTextPhraseDlg::markClicked(Mark mark)
{
    exchange(true);
    int& n = m_marked[Normal];
    int& b = m_marked[Bold];
    int& s = m_marked[Shade];
    int& f = m_marked[Flash];
    switch (mark) {
    case Normal:
        if (n)
            b = s = f = 0;
        else if (!b && !s && !f)
            n = 1;
        break;
    case Bold:
        if (b)
            n = s = 0;
        else if (!n && !s && !f)
            b = 1;
        break;
    case Shade:
        if (s)
            n = b = 0;
        else if (!n && !b && !f)
            s = 1;
        break;
    case Flash:
        if (f)
            n = 0;
        else if (!n && !b && !s)
            f = 1;
        break;
    }
    showMarks();
    m_displayMode = markCode();
}

void CTextPhraseDlg::magnificationChosen(int index)
{
    exchange(true);
    m_magnification = index < 2 ? index : index + 1;
}

void CTextPhraseDlg::accept()
{
    if (exchange(true))
        QDialog::accept();
}

void CTextPhraseDlg::apply()
{
    if (exchange(true) && m_applyHandler)
        m_applyHandler(value());
}
