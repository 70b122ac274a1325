// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <QIcon>

// The application icon: a drawing for the small sizes (16 to 32 pixels) and one for the
// large (48 to 256), each size read when first shown.
QIcon AppIcon();

// An icon of this program's own resources (":/icons/name.png", with "name@2x.png" beside it
// for dense screens), read when it is first drawn or measured. Reading every command's icon
// while the window is built, and asking every installed image plugin about each file, was a
// twentieth of the editor's start-up.
QIcon ResourceIcon(const QString& path);

// An icon made by `make` when it is first drawn, measured or asked whether it is null; copies
// share what it made. GUI thread only.
QIcon DeferredIcon(std::function<QIcon()> make);
