// SPDX-License-Identifier: GPL-3.0-or-later
#include "slotdragcontroller.h"

#include "cueview.h"
#include "playlisteditor.h"

#include <functional>
#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>

namespace {

// Pixels from the top or bottom edge of the viewport where a drag scrolls the grid.
constexpr int kScrollBand = 16;
constexpr int kScrollPeriodMs = 300;

// Ends a slot drag at any key (Escape included) and when the grid loses the focus.
class DragKeyWatcher final : public QObject
{
public:
    DragKeyWatcher(std::function<void()> stop, QObject* parent)
        : QObject(parent), m_stop(std::move(stop))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
        case QEvent::FocusOut:
            m_stop();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_stop;
};

} // namespace

SlotDragController::SlotDragController(CCueView* view)
    : QObject(view), m_view(view), m_scrollTimer(new QTimer(this)),
      m_keyWatcher(new DragKeyWatcher([this] { cancel(); }, this))
{
    m_scrollTimer->setObjectName(QStringLiteral("dragScrollTimer"));
    m_scrollTimer->setInterval(kScrollPeriodMs);
    connect(m_scrollTimer, &QTimer::timeout, this, &SlotDragController::onScrollTimer);
}

SlotDragController::~SlotDragController() = default;

void SlotDragController::press(const QPoint& point, const QPoint& cell)
{
    m_pressPoint = point;
    m_pressedCell = cell;
    m_armed = m_view->rowAt(point.y()) >= 0;
}

void SlotDragController::begin(const QPoint& point)
{
    if (m_pressedCell.x() <= 0 || m_view->rowAt(m_pressPoint.y()) < 0)
        return;
    const QPixmap image = m_view->BuildDragImage(m_pressedCell.y());
    if (image.isNull())
        return;

    m_image = new QLabel(m_view->viewport());
    m_image->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_image->setPixmap(image);
    m_image->resize(image.deviceIndependentSize().toSize());
    m_image->move(point);
    m_image->show();

    m_view->installEventFilter(m_keyWatcher);
    m_view->viewport()->grabMouse();
    m_started = true;
    m_lastPoint = point;
}

void SlotDragController::cancel()
{
    m_scrollTimer->stop();
    m_view->removeEventFilter(m_keyWatcher);
    delete m_image;
    m_image = nullptr;
    if (QWidget::mouseGrabber() == m_view->viewport())
        m_view->viewport()->releaseMouse();
    m_started = false;
    m_armed = false;
}

void SlotDragController::move(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    m_view->updateHoverCell(point);

    if (!m_started && m_armed && (event->buttons() & Qt::LeftButton) &&
        (point - m_pressPoint).manhattanLength() >= QApplication::startDragDistance()) {
        m_armed = false;
        begin(point);
    }
    if (!m_started)
        return;
    m_lastPoint = point;
    // The drag goes on only while the left button is held and the viewport keeps the mouse.
    if (QWidget::mouseGrabber() != m_view->viewport() || !(event->buttons() & Qt::LeftButton)) {
        cancel();
        m_view->viewport()->update();
        return;
    }
    m_image->move(point);
    const int height = m_view->viewport()->height();
    const bool nearEdge = (point.y() >= 0 && point.y() <= kScrollBand) ||
                          (point.y() >= height - kScrollBand && point.y() <= height);
    // A pointer that keeps moving inside the band keeps the running period.
    if (!nearEdge)
        m_scrollTimer->stop();
    else if (!m_scrollTimer->isActive())
        m_scrollTimer->start();
}

void SlotDragController::onScrollTimer()
{
    if (!m_started) {
        m_scrollTimer->stop();
        return;
    }
    QScrollBar* bar = m_view->verticalScrollBar();
    const int step = m_lastPoint.y() <= kScrollBand ? -1 : 1;
    bar->setValue(bar->value() + step * bar->singleStep());
    // Scrolling the viewport carries its children along; the image stays at the pointer.
    if (m_image)
        m_image->move(m_lastPoint);
    m_view->updateHoverCell(m_lastPoint);
}

bool SlotDragController::release(const QPoint& point)
{
    m_armed = false;
    if (!m_started)
        return false;
    const int logical = m_view->columnAt(point.x());
    const int column = logical < 0 ? -1 : m_view->horizontalHeader()->visualIndex(logical);
    const int row = m_view->rowAt(point.y());
    // Released over this grid only when no other window lies on it there (off every screen,
    // no window is found at all: then the grid's own rectangle decides).
    QWidget* viewport = m_view->viewport();
    QWidget* under = QApplication::widgetAt(viewport->mapToGlobal(point));
    const bool inside = viewport->rect().contains(point) &&
                        (!under || under == viewport || viewport->isAncestorOf(under));
    // The grab goes before any question is asked, so that the message box takes the mouse.
    cancel();
    if (inside)
        drop(column, row);
    m_view->viewport()->update();
    return true;
}

void SlotDragController::drop(int column, int row)
{
    const bool onCell = row >= 0 && row < m_view->model()->rowCount() && column >= 0 &&
                        column <= CCueView::kLastColumn;
    if (PlaylistEditor* editor = m_view->editor())
        editor->dragSlot(m_pressedCell, QPoint(column, row));
    // The cell cursor goes to the cell under the release.
    if (onCell)
        m_view->moveCursorTo(column, row);
}
