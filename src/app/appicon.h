#pragma once

#include <QIcon>

// The application icon, drawn for every size from 16 to 256 pixels.
QIcon AppIcon();
