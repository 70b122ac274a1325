// SPDX-License-Identifier: GPL-3.0-or-later
#include "cuegridmodel.h"
#include "cueview.h"
#include "gridmetrics.h"

#include <cmath>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QWheelEvent>

namespace {
constexpr int kWheelStep = 120; // one notch of a common wheel
} // namespace

void CCueView::applyScale()
{
    const GridScale& scale = m_sizer->gridScale();
    setFont(scale.font); // the header takes it too, so the titles set the column widths
    horizontalHeader()->setFont(scale.font);
    verticalHeader()->setDefaultSectionSize(
        GridRowHeight(QFontMetrics(scale.font), scale.extraRowHeight));
    m_sizer->applyColumnWidths();
    updateGeometries();
    const QModelIndex current = currentIndex();
    if (current.isValid())
        scrollTo(current);
    if (cursorColumn() >= 1)
        EnsureColumnVisible(cursorColumn());
    viewport()->update();
}

void CCueView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        m_wheelAngle = 0;
        QTableView::wheelEvent(event);
        return;
    }
    // Fine-grained wheels report small angles: a step is taken per whole notch.
    m_wheelAngle += event->angleDelta().y();
    while (std::abs(m_wheelAngle) >= kWheelStep) {
        const bool in = m_wheelAngle > 0;
        m_wheelAngle += in ? -kWheelStep : kWheelStep;
        m_sizer->setZoom(in ? GridZoom::stepIn(m_sizer->zoom())
                            : GridZoom::stepOut(m_sizer->zoom()));
    }
    event->accept();
}
