// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutdlg.h"

#include "appicon.h"
#include "version.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("QUARNIX Cuelist Studio Version Information"));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("AboutIcon"));
    icon->setPixmap(AppIcon().pixmap(32, 32));
    auto* text =
        new QLabel(tr("QUARNIX Cuelist Studio Version. %1").arg(QStringLiteral(CUELIST_VERSION)) +
                       QLatin1Char('\n') +
                       tr("Free software under the GNU General Public License, version 3 "
                          "or later (%1).")
                           .arg(QStringLiteral(CUELIST_LICENSE)),
                   this);
    text->setObjectName(QStringLiteral("AboutText"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addWidget(text, 1, Qt::AlignVCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
