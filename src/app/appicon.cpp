// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"

QIcon AppIcon()
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/appicon/%1x%1/apps/cuelist-studio.png").arg(size),
                     QSize(size, size));
    return icon;
}
