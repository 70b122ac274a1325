// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The application icon, drawn for every size from 16 to 256 pixels.
QIcon AppIcon();
