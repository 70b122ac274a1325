// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <utility>

namespace {

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// A PNG of the resources, read by Qt's own reader: with the format left open, Qt loads every
// image plugin to ask whether it knows the file. A null pixmap when it cannot be read.
QPixmap ReadPng(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read()); // "@2x" in the name sets the pixel ratio
}

// Reads a size's drawing only when that size is asked for: decoding all eight at start-up
// would be a tenth of the editor's start-up time.
class AppIconEngine final : public QIconEngine
{
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override
    {
        const int wanted = std::max(size.width(), size.height());
        int side = kSizes[std::size(kSizes) - 1];
        for (int candidate : kSizes) {
            if (candidate >= wanted) {
                side = candidate;
                break;
            }
        }
        const QString file = QStringLiteral(":/appicon/%1x%1/apps/cuelist-studio.png").arg(side);
        QPixmap drawn;
        if (!QPixmapCache::find(file, &drawn)) {
            drawn = ReadPng(file);
            if (!drawn.isNull())
                QPixmapCache::insert(file, drawn);
        }
        if (drawn.isNull() || drawn.size() == size)
            return drawn;
        return drawn.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QSize actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override
    {
        const int side = std::min({size.width(), size.height(), kSizes[std::size(kSizes) - 1]});
        return QSize(side, side);
    }

    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override
    {
        QList<QSize> sizes;
        for (int side : kSizes)
            sizes << QSize(side, side);
        return sizes;
    }

    QString key() const override { return QStringLiteral("cuelist-app-icon"); }
    QIconEngine* clone() const override { return new AppIconEngine; }
};

// Makes its icon on first use and hands every question to it; a plain icon of pixmaps also
// greys them for disabled commands.
class DeferredIconEngine final : public QIconEngine
{
public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : m_make(std::move(make)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return made().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return made().pixmap(size, scale, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        made().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return made().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return made().availableSizes(mode, state);
    }
    QString iconName() override { return made().name(); }
    bool isNull() override { return made().isNull(); }
    QString key() const override { return QStringLiteral("cuelist-deferred-icon"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    DeferredIconEngine(const DeferredIconEngine&) = default;

    const QIcon& made()
    {
        if (m_make) {
            m_icon = m_make();
            m_make = nullptr;
        }
        return m_icon;
    }

    std::function<QIcon()> m_make; // empty once made
    QIcon m_icon;
};

QIcon ReadResourceIcon(const QString& path)
{
    QIcon icon;
    const QPixmap base = ReadPng(path);
    if (base.isNull())
        return icon;
    icon.addPixmap(base);
    // As Qt does for a file name: the densest drawing up to the screens' ratio.
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    const QString stem = path.chopped(4); // ".png"
    for (int n = std::min(9, int(std::ceil(ratio))); n >= 2; --n) {
        const QString dense = stem + QStringLiteral("@%1x.png").arg(n);
        if (QFile::exists(dense)) {
            icon.addPixmap(ReadPng(dense));
            break;
        }
    }
    return icon;
}

} // namespace

QIcon AppIcon()
{
    return QIcon(new AppIconEngine);
}

QIcon DeferredIcon(std::function<QIcon()> make)
{
    return QIcon(new DeferredIconEngine(std::move(make)));
}

QIcon ResourceIcon(const QString& path)
{
    return DeferredIcon([path] { return ReadResourceIcon(path); });
}
