// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The application icon: a drawing for the small sizes (16 to 32 pixels) and one for the
// large (48 to 256), each size read when first shown.
QIcon AppIcon();
