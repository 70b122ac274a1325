// SPDX-License-Identifier: GPL-3.0-or-later
#include "descriptionpane.h"

#include <QLabel>
#include <QPointer>

namespace {
QPointer<QLabel> g_label;
QString g_text;
} // namespace

void DescriptionPane::attach(QLabel* label)
{
    g_label = label;
    if (g_label)
        g_label->setText(g_text);
}

void DescriptionPane::setText(const QString& text)
{
    g_text = text;
    if (g_label) {
        g_label->setText(text);
        g_label->repaint();
    }
}

QString DescriptionPane::text()
{
    return g_text;
}
