// SPDX-License-Identifier: GPL-3.0-or-later
#include "dataexchange.h"

#include "numberfield.h"
#include "prompt.h"

#include <QAbstractButton>
#include <QLineEdit>

DataExchange::DataExchange(QWidget* dialog, Direction direction)
    : m_dialog(dialog), m_direction(direction)
{
}

void DataExchange::number(NumberField* field, int& member, int min, int max)
{
    if (m_failed)
        return;
    if (!toMembers()) {
        field->setNumber(member);
        return;
    }
    int value = 0;
    if (!NumberField::parse(field->text(), value)) {
        fail(field, min, max);
        return;
    }
    member = value;
    if (value < min || value > max)
        fail(field, min, max);
}

void DataExchange::check(QAbstractButton* box, int& member)
{
    if (m_failed)
        return;
    if (toMembers())
        member = box->isChecked() ? 1 : 0;
    else
        box->setChecked(member != 0);
}

void DataExchange::text(QLineEdit* field, QString& member)
{
    if (m_failed)
        return;
    if (toMembers())
        member = field->text();
    else
        field->setText(member);
}

QString DataExchange::rangeMessage(int min, int max)
{
    return tr("Please enter an integer between %1 and %2.").arg(min).arg(max);
}

void DataExchange::fail(NumberField* field, int min, int max)
{
    m_failed = true;
    prompt().refuse(m_dialog, rangeMessage(min, max));
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}
