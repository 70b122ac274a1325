// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

class NumberField;
class QAbstractButton;
class QLineEdit;
class QWidget;

// One pass that moves a dialog's values between its members and its controls, field by
// field in the order of the calls. Towards the members each number is stored and then
// checked against its range; the first field that fails shows the range message, takes
// the focus back with its text selected, and every later call of the pass does nothing
// (fields before it keep their new values).
class DataExchange final
{
    Q_DECLARE_TR_FUNCTIONS(DataExchange)
public:
    enum Direction { ToControls, ToMembers };

    DataExchange(QWidget* dialog, Direction direction);
    Q_DISABLE_COPY_MOVE(DataExchange)

    bool toMembers() const { return m_direction == ToMembers; }
    bool failed() const { return m_failed; }

    void number(NumberField* field, int& member, int min, int max);
    void check(QAbstractButton* box, int& member);
    void text(QLineEdit* field, QString& member);

    // "Please enter an integer between 0 and 255."
    static QString rangeMessage(int min, int max);

private:
    void fail(NumberField* field, int min, int max);

    QWidget* m_dialog;
    Direction m_direction;
    bool m_failed = false;
};
