// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"

#include <algorithm>
#include <iterator>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

namespace {

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

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
        if (!QPixmapCache::find(file, &drawn) && drawn.load(file))
            QPixmapCache::insert(file, drawn);
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

} // namespace

QIcon AppIcon()
{
    return QIcon(new AppIconEngine);
}
