// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QRect>

class QWidget;

// A top-level window's place as QWidget::saveGeometry stores it: the window without its
// frame, the frame's size around it, and whether it was maximised.
struct WindowPlacement final
{
    QRect geometry;
    QSize decoration; // the frame's size beyond geometry; empty when not known
    bool maximized = false;
};

// Reads what QWidget::saveGeometry wrote. False for anything else, including data cut short.
bool DecodeWindowPlacement(const QByteArray& saved, WindowPlacement* placement);

// geometry moved and shrunk so that it and its frame lie within available, and grown to
// minimum where available has room for it.
QRect FitToScreen(const QRect& geometry, const QSize& decoration, const QRect& available,
                  const QSize& minimum);

// Puts a window that is not shown yet where saved says, fitted to the screen it lands on,
// maximised again if it was. Saved data that cannot be read leaves the window's size and
// only fits it. Unlike QWidget::restoreGeometry this also restores a window saved on a
// screen of another size.
void RestoreWindowPlacement(QWidget* window, const QByteArray& saved, const QSize& minimum);
