// SPDX-License-Identifier: GPL-3.0-or-later
#include "numberfield.h"

#include <algorithm>
#include <limits>
#include <QFocusEvent>
#include <QLineEdit>

NumberField::NumberField(QWidget* parent) : QAbstractSpinBox(parent)
{
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    setAccelerated(false);
}

void NumberField::setStepRange(int min, int max)
{
    m_stepping = true;
    m_min = std::min(min, max);
    m_max = std::max(min, max);
    m_position = std::clamp(m_position, m_min, m_max);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    update();
}

// The base class sizes an empty text; room for six characters fits "-32768".
QSize NumberField::sizeHint() const
{
    QSize size = QAbstractSpinBox::sizeHint();
    size.rwidth() += fontMetrics().horizontalAdvance(QStringLiteral("-00000"));
    return size;
}

QSize NumberField::minimumSizeHint() const
{
    return sizeHint();
}

void NumberField::setText(const QString& text)
{
    lineEdit()->setText(text);
}

void NumberField::setNumber(int value)
{
    setText(QString::number(value));
}

bool NumberField::parse(const QString& text, int& value)
{
    auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    qsizetype i = 0;
    qsizetype end = text.size();
    while (i < end && blank(text[i]))
        ++i;
    while (end > i && blank(text[end - 1]))
        --end;
    bool negative = false;
    if (i < end && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == end)
        return false;
    qint64 magnitude = 0;
    for (; i < end; ++i) {
        const QChar c = text[i];
        if (c < u'0' || c > u'9')
            return false;
        magnitude = magnitude * 10 + (c.unicode() - u'0');
        if (magnitude > qint64(std::numeric_limits<int>::max()) + 1)
            return false;
    }
    const qint64 signedValue = negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<int>::max())
        return false;
    value = int(signedValue);
    return true;
}

QValidator::State NumberField::validate(QString&, int&) const
{
    return QValidator::Acceptable;
}

void NumberField::fixup(QString&) const {}

void NumberField::stepBy(int steps)
{
    if (!m_stepping)
        return;
    int current = 0;
    if (parse(text(), current))
        m_position = std::clamp(current, m_min, m_max);
    const qint64 next = qint64(m_position) + steps;
    m_position = int(std::clamp<qint64>(next, m_min, m_max));
    setNumber(m_position);
    selectAll();
}

QAbstractSpinBox::StepEnabled NumberField::stepEnabled() const
{
    return m_stepping ? (StepUpEnabled | StepDownEnabled) : StepNone;
}

void NumberField::focusOutEvent(QFocusEvent* event)
{
    QAbstractSpinBox::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    if (!isVisible())
        return;
    emit left();
}
