#include "cuedoc.h"
#include "cueview.h"
#include "prompt.h"

#include <functional>
#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
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

// Restores the normal cursor when it goes out of scope.
class WaitCursor final
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    Q_DISABLE_COPY_MOVE(WaitCursor)
};

} // namespace

void CCueView::updateHoverCell(const QPoint& viewportPos)
{
    const int row = rowAt(viewportPos.y());
    if (row < 0) {
        m_hoverColumn = -1;
        m_hoverRow = -1;
        return;
    }
    const QHeaderView* header = horizontalHeader();
    const int logical = columnAt(viewportPos.x());
    if (logical >= 0)
        m_hoverColumn = header->visualIndex(logical);
    else if (viewportPos.x() < columnViewportPosition(header->logicalIndex(0)))
        m_hoverColumn = -1;
    else
        m_hoverColumn = kLastColumn + 1;
    m_hoverRow = row;
}

void CCueView::noteDragPress(const QPoint& point)
{
    m_dragPressPoint = point;
    m_dragArmed = rowAt(point.y()) >= 0;
}

QPixmap CCueView::BuildDragImage(int row) const
{
    if (m_cursorColumn < 1 || m_cursorColumn > kLastColumn || !m_doc || row < 0)
        return QPixmap();
    const QString text = m_doc->cellText(m_cursorColumn, row + 1) + QString(14, QLatin1Char(' '));
    const QFontMetrics metrics(font());
    const qreal ratio = devicePixelRatioF();
    QPixmap image(QSize(metrics.horizontalAdvance(text), metrics.height()) * ratio);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRect(QPoint(0, 0), image.deviceIndependentSize().toSize()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    return image;
}

void CCueView::beginSlotDrag(const QPoint& point)
{
    const int row = rowAt(m_dragPressPoint.y());
    if (m_pressedCell.x() <= 0 || row < 0)
        return;
    m_dragRow = row;
    const QPixmap image = BuildDragImage(m_pressedCell.y());
    if (image.isNull())
        return;

    m_dragImage = new QLabel(viewport());
    m_dragImage->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_dragImage->setPixmap(image);
    m_dragImage->resize(image.deviceIndependentSize().toSize());
    m_dragImage->move(point);
    m_dragImage->show();

    if (!m_dragScrollTimer) {
        m_dragScrollTimer = new QTimer(this);
        m_dragScrollTimer->setObjectName(QStringLiteral("dragScrollTimer"));
        m_dragScrollTimer->setInterval(kScrollPeriodMs);
        connect(m_dragScrollTimer, &QTimer::timeout, this, &CCueView::onDragScrollTimer);
    }
    if (!m_dragKeyWatcher)
        m_dragKeyWatcher = new DragKeyWatcher([this] { endSlotDrag(); }, this);
    installEventFilter(m_dragKeyWatcher);

    viewport()->grabMouse();
    m_dragStarted = true;
    m_lastDragPoint = point;
}

void CCueView::endSlotDrag()
{
    if (m_dragScrollTimer)
        m_dragScrollTimer->stop();
    if (m_dragKeyWatcher)
        removeEventFilter(m_dragKeyWatcher);
    delete m_dragImage;
    m_dragImage = nullptr;
    if (QWidget::mouseGrabber() == viewport())
        viewport()->releaseMouse();
    m_dragStarted = false;
    m_dragArmed = false;
}

void CCueView::dragMouseMove(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    updateHoverCell(point);

    // A key cleared the flag: what is left of the drag goes too.
    if (!m_dragStarted && m_dragImage)
        endSlotDrag();
    if (!m_dragStarted && m_dragArmed && (event->buttons() & Qt::LeftButton) &&
        (point - m_dragPressPoint).manhattanLength() >= QApplication::startDragDistance()) {
        m_dragArmed = false;
        beginSlotDrag(point);
    }

    if (!m_dragStarted)
        return;
    m_lastDragPoint = point;
    // The drag goes on only while the left button is held and the viewport keeps the mouse.
    if (QWidget::mouseGrabber() != viewport() || !(event->buttons() & Qt::LeftButton)) {
        endSlotDrag();
        viewport()->repaint();
        return;
    }
    m_dragImage->move(point);
    m_clickedRow = rowAt(point.y());
    const bool nearEdge =
        (point.y() >= 0 && point.y() <= kScrollBand) ||
        (point.y() >= m_clientHeight - kScrollBand && point.y() <= m_clientHeight);
    // A pointer that keeps moving inside the band keeps the running period.
    if (!nearEdge)
        m_dragScrollTimer->stop();
    else if (!m_dragScrollTimer->isActive())
        m_dragScrollTimer->start();
}

void CCueView::onDragScrollTimer()
{
    if (!m_dragStarted) {
        m_dragScrollTimer->stop();
        return;
    }
    QScrollBar* bar = verticalScrollBar();
    const int step = m_lastDragPoint.y() <= kScrollBand ? -1 : 1;
    bar->setValue(bar->value() + step * bar->singleStep());
    // Scrolling the viewport carries its children along; the image stays at the pointer.
    if (m_dragImage)
        m_dragImage->move(m_lastDragPoint);
    m_clickedRow = rowAt(m_lastDragPoint.y());
    updateHoverCell(m_lastDragPoint);
}

void CCueView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QTableView::mouseReleaseEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    m_dragArmed = false;

    if (!m_dragStarted || m_pressedCell.x() == 0) {
        QTableView::mouseReleaseEvent(event);
        return;
    }

    const int logical = columnAt(point.x());
    m_targetColumn = logical < 0 ? -1 : horizontalHeader()->visualIndex(logical);
    m_targetRow = rowAt(point.y());
    const bool inside =
        point.x() >= 0 && point.x() < m_clientWidth && point.y() >= 0 && point.y() < m_clientHeight;
    // The grab goes before any question is asked, so that the message box takes the mouse.
    endSlotDrag();
    if (inside)
        dropDraggedSlot();
    m_dragRow = -1;
    viewport()->update();
    event->accept();
}

void CCueView::dropDraggedSlot()
{
    const bool onRow = m_targetRow >= 0 && m_targetRow < model()->rowCount();
    const bool onCell = onRow && m_targetColumn >= 0 && m_targetColumn <= kLastColumn;
    const bool onPhrase = onCell && m_targetColumn >= 1;
    const bool onSource = QPoint(m_targetColumn, m_targetRow) == m_pressedCell;

    bool move = onPhrase && !onSource && m_doc;
    if (move && m_doc->table().TypeAt(m_targetColumn, m_targetRow + 1) != cuelist::kTypeEmpty) {
        const QString text = m_doc->cellText(m_targetColumn, m_targetRow + 1);
        move =
            prompt().ask(this, text + m_doc->replacePrompt(), QMessageBox::Ok | QMessageBox::Cancel,
                         QMessageBox::Warning) == QMessageBox::Ok;
    }
    if (move && m_doc) {
        const WaitCursor wait;
        MoveDraggedSlot();
    }
    // The cell cursor goes to the cell under the release.
    if (onCell)
        moveCursorTo(m_targetColumn, m_targetRow);
}

bool CCueView::MoveDraggedSlot()
{
    if (!m_doc || m_pressedCell.x() < 1)
        return false;
    return m_doc->MoveSlot(m_pressedCell.x(), m_pressedCell.y() + 1, m_targetColumn,
                           m_targetRow + 1);
}
