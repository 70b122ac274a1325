// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowplacement.h"

#include <algorithm>
#include <QDataStream>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

constexpr quint32 kGeometryMagic = 0x1D9D0CB;

} // namespace

bool DecodeWindowPlacement(const QByteArray& saved, WindowPlacement* placement)
{
    QDataStream in(saved);
    in.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 major = 0;
    quint16 minor = 0;
    in >> magic >> major >> minor;
    if (in.status() != QDataStream::Ok || magic != kGeometryMagic || major < 1 || major > 3)
        return false;
    QRect frame;
    QRect normal;
    qint32 screenNumber = 0;
    quint8 maximized = 0;
    quint8 fullScreen = 0;
    in >> frame >> normal >> screenNumber >> maximized >> fullScreen;
    if (in.status() != QDataStream::Ok || !normal.isValid())
        return false;
    placement->geometry = normal;
    placement->decoration =
        frame.isValid() && frame.width() >= normal.width() && frame.height() >= normal.height()
            ? frame.size() - normal.size()
            : QSize();
    placement->maximized = maximized != 0 || fullScreen != 0;
    return true;
}

QRect FitToScreen(const QRect& geometry, const QSize& decoration, const QRect& available,
                  const QSize& minimum)
{
    const QSize frame = decoration.isValid() ? decoration : QSize(0, 0);
    const QSize room = (available.size() - frame).expandedTo(QSize(1, 1));
    const QSize size = geometry.size().expandedTo(minimum).boundedTo(room);
    const int x = std::clamp(
        geometry.x(), available.left(),
        std::max(available.left(), available.right() + 1 - size.width() - frame.width()));
    const int y = std::clamp(
        geometry.y(), available.top(),
        std::max(available.top(), available.bottom() + 1 - size.height() - frame.height()));
    return QRect(QPoint(x, y), size);
}

void RestoreWindowPlacement(QWidget* window, const QByteArray& saved, const QSize& minimum)
{
    WindowPlacement placement;
    placement.geometry = QRect(window->pos(), window->size());
    const bool decoded = DecodeWindowPlacement(saved, &placement);
    QScreen* screen = QGuiApplication::screenAt(placement.geometry.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    if (!decoded)
        placement.geometry.moveTopLeft(available.topLeft());
    window->setGeometry(FitToScreen(placement.geometry, placement.decoration, available, minimum));
    if (placement.maximized)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
}
