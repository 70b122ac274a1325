// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsbuttons.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

SettingsButtons MakeSettingsButtons(QDialog* dialog)
{
    SettingsButtons buttons;
    buttons.ok = new QPushButton(QCoreApplication::translate("SettingsButtons", "OK"), dialog);
    buttons.ok->setObjectName(QStringLiteral("okButton"));
    buttons.ok->setDefault(true);
    buttons.cancel =
        new QPushButton(QCoreApplication::translate("SettingsButtons", "Cancel"), dialog);
    buttons.cancel->setObjectName(QStringLiteral("cancelButton"));
    buttons.apply =
        new QPushButton(QCoreApplication::translate("SettingsButtons", "Apply"), dialog);
    buttons.apply->setObjectName(QStringLiteral("applyButton"));
    buttons.row = new QHBoxLayout;
    buttons.row->addStretch(1);
    for (QPushButton* button : {buttons.ok, buttons.cancel, buttons.apply}) {
        // A click must not move the focus: leaving a field runs its own exchange.
        button->setFocusPolicy(Qt::TabFocus);
        buttons.row->addWidget(button);
    }
    QObject::connect(buttons.ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons;
}
