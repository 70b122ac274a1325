// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractSpinBox>

// A single-line field for a whole number. It accepts any text, so that the dialog's own
// exchange decides what is valid; optional up-down arrows (and the arrow keys) step the
// number within a range, as an up-down control with an integer buddy does.
class NumberField final : public QAbstractSpinBox
{
    Q_OBJECT
public:
    explicit NumberField(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(NumberField)

    // Shows the arrows; they step from the field's number and stay within min..max.
    void setStepRange(int min, int max);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void setText(const QString& text);
    void setNumber(int value);

    // Parses the text as a whole number: optional blanks, an optional sign, digits,
    // optional blanks. Returns false for anything else or a number beyond 32 bits.
    static bool parse(const QString& text, int& value);

signals:
    // The focus moved to another control of the same window (not to a popup or
    // another window). Emitted after the move.
    void left();

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    void stepBy(int steps) override;
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool m_stepping = false;
    int m_min = 0;
    int m_max = 0;
    int m_position = 0; // last number stepped to, used when the text is not a number
};
