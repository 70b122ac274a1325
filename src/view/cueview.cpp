// SPDX-License-Identifier: GPL-3.0-or-later
#include "cueview.h"

#include "cuedoc.h"
#include "cuegriddelegate.h"
#include "cuegridmodel.h"
#include "datafolderwatch.h"
#include "gridmetrics.h"
#include "paddedheader.h"
#include "playlisteditor.h"
#include "slotdragcontroller.h"
#include "slotrange.h"

#include <cmath>
#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>

CCueView::CCueView(PlaylistEditor* editor, QWidget* parent)
    : QTableView(parent), m_editor(editor), m_model(new CueGridModel(editor, this)),
      m_drag(new SlotDragController(this))
{
    setHorizontalHeader(new PaddedHeader(Qt::Horizontal, this));
    setModel(m_model);
    m_sizer = new GridSizer(horizontalHeader(), m_model, this);
    connect(m_sizer, &GridSizer::scaleChanged, this, &CCueView::applyScale);
    setItemDelegate(new CueGridDelegate(this, this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setShowGrid(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // Right presses open the menu from mousePressEvent; no separate context-menu event.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setFocusPolicy(Qt::StrongFocus);
    // The cell under the pointer is followed without a button too (cueview_drag.cpp).
    viewport()->setMouseTracking(true);
    // Files dropped from the file manager (cueview_drop.cpp).
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);

    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setStretchLastSection(false);

    // A thumb dragged to where no column starts stays where it was.
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this, [this](int action) {
        QScrollBar* bar = horizontalScrollBar();
        if (action == QAbstractSlider::SliderMove && bar->isSliderDown() &&
            !AcceptsThumbPosition(bar->sliderPosition(), bar->maximum()))
            bar->setSliderPosition(bar->value());
    });
    if (!m_editor)
        return;
    m_editor->setWidget(this);
    // The current row is the active channel.
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (m_editor)
                    m_editor->setActiveChannel(current.isValid() ? current.row() + 1 : 0);
            });
    connect(m_editor, &PlaylistEditor::cursorMoveRequested, this, &CCueView::moveCursorTo);
    // A file added to or removed from the data folder shows in the flags within a second.
    connect(m_editor->folderWatch(), &DataFolderWatch::changed, this, [this] {
        m_model->refresh();
        viewport()->update();
    });
    if (CCueDoc* doc = m_editor->document()) {
        connect(doc, &CCueDoc::slotsChanged, m_model, &CueGridModel::slotsChanged);
        const auto refresh = [this] {
            m_model->refresh();
            viewport()->update();
        };
        connect(doc, &CCueDoc::dataFolderChanged, this, refresh);
        connect(doc, &DocumentBase::pathNameChanged, this, refresh);
    }
}

CCueView::~CCueView() = default;

CCueDoc* CCueView::document() const
{
    return m_editor ? m_editor->document() : nullptr;
}

void CCueView::OnInitialUpdate()
{
    verticalHeader()->setMinimumSectionSize(1);
    applyScale();
    // Listed now, so that the first paint shows the missing files already.
    if (m_editor)
        m_editor->followFolder();
    m_model->refresh();
    viewport()->update();
}

int CCueView::cursorColumn() const
{
    return m_editor ? m_editor->currentSlot().column : 0;
}

bool CCueView::isCursorRow(int row) const
{
    return row >= 0 && hasFocus() && row == currentIndex().row() && selectionModel() &&
           selectionModel()->isRowSelected(row, QModelIndex());
}

bool CCueView::isDraggingSlot() const
{
    return m_drag->isDragging();
}

int CCueView::activeChannel() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void CCueView::ShowSlotDescription(int column)
{
    if (m_editor)
        m_editor->SetCurrentSlot({column, activeChannel()});
}

void CCueView::moveCursorTo(int column, int row)
{
    if (row < 0 || row >= m_model->rowCount() || column < 0 || column > kLastColumn)
        return;
    if (m_editor)
        m_editor->setCursorColumn(column);
    selectionModel()->setCurrentIndex(m_model->index(row, column),
                                      QItemSelectionModel::ClearAndSelect |
                                          QItemSelectionModel::Rows);
    // A cell out of sight (a flow's or an undo's) comes into view; one partly seen stays put.
    scrollTo(m_model->index(row, column));
    const int left = columnViewportPosition(column);
    if (column >= 1 && (left + columnWidth(column) <= 0 || left >= viewport()->width()))
        EnsureColumnVisible(column);
    viewport()->update();
    ShowSlotDescription(column);
}

void CCueView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    QScrollBar* bar = horizontalScrollBar();
    const int keep = bar->value();
    QTableView::scrollTo(index, hint);
    bar->setValue(keep);
}

QModelIndex CCueView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = currentIndex();
    const int column = current.isValid() ? current.column() : 0;
    switch (cursorAction) {
    case MoveHome:
        return m_model->index(0, column);
    case MoveEnd:
        return m_model->index(m_model->rowCount() - 1, column);
    case MoveLeft:
    case MoveRight:
    case MoveNext:
    case MovePrevious:
        // The cursor column is the view's own; the table moves rows only.
        return current;
    default:
        return QTableView::moveCursor(cursorAction, modifiers);
    }
}

void CCueView::EnsureColumnVisible(int column)
{
    if (column < 0 || column >= m_model->columnCount())
        return;
    const int left = columnViewportPosition(column);
    const int width = columnWidth(column);
    if (left >= 0 && left + width <= viewport()->width())
        return;
    QScrollBar* bar = horizontalScrollBar();
    bar->setValue(bar->value() + left);
    viewport()->update();
}

void CCueView::RedrawRow(int row)
{
    if (row < 0)
        return;
    viewport()->update(0, rowViewportPosition(row), viewport()->width(), rowHeight(row));
}
