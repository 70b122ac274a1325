// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The first line of a text file for display, without its line end: UTF-8 when the bytes
// are valid UTF-8, otherwise the device's code page (CP932). At most the first 4 KiB of
// the line are read. Empty when the file cannot be opened or is empty.
QString ReadFirstTextLine(const QString& path);
