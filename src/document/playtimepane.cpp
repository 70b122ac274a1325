// SPDX-License-Identifier: GPL-3.0-or-later
#include "playtimepane.h"

#include <QLabel>
#include <QPointer>

namespace {
QPointer<QLabel> g_label;
QString g_text;
} // namespace

void PlayTimePane::attach(QLabel* label)
{
    g_label = label;
    if (g_label)
        g_label->setText(g_text);
}

void PlayTimePane::setText(const QString& text)
{
    g_text = text;
    if (g_label)
        g_label->setText(text);
}

QString PlayTimePane::text()
{
    return g_text;
}
