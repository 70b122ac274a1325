// SPDX-License-Identifier: GPL-3.0-or-later
#include "cueview.h"

#include "commandtable.h"
#include "cuedoc.h"
#include "cuegriddelegate.h"
#include "cuegridmodel.h"
#include "datafolderwatch.h"
#include "descriptionpane.h"
#include "durationstore.h"
#include "gridmetrics.h"
#include "playlistclipboard.h"
#include "playtimepane.h"
#include "slotdragcontroller.h"
#include "slotrange.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>

CCueView::CCueView(CCueDoc* doc, QWidget* parent)
    : QTableView(parent), m_doc(doc), m_folderWatch(new DataFolderWatch(this)),
      m_model(new CueGridModel(doc, m_folderWatch, this)), m_drag(new SlotDragController(this))
{
    setModel(m_model);
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

    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
            &CCueView::onHorizontalAction);
    PlaylistClipboard::follow();
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        if (!m_settingWidths)
            emit columnWidthsChanged();
    });
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        connect(clipboard, &QClipboard::dataChanged, this, [this] { updateCommandStates(); });
    // The current row is the active channel: the commands' states follow it.
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CCueView::scheduleCommandStates);

    // A file added to or removed from the data folder shows in the flags within a second.
    connect(m_folderWatch, &DataFolderWatch::changed, this, [this] {
        if (m_doc) {
            m_doc->SetTitleRefreshDue(true); // the total data size follows the folder too
            emit m_doc->frameTitleUpdateRequested();
        }
        m_model->refresh();
        viewport()->update();
        requestDurations(1, cuelist::kEditableChannelCount, true);
        updatePlayTime();
    });
    if (DurationStore* store = DurationStore::instance())
        connect(store, &DurationStore::durationsChanged, this, &CCueView::updatePlayTime);

    if (m_doc) {
        if (!m_doc->views().contains(this))
            m_doc->addView(this);
        connect(m_doc, &CCueDoc::slotsChanged, this, &CCueView::onSlotsChanged);
        connect(m_doc, &DocumentBase::pathNameChanged, this, [this] { followFolder(); });
    }
}

CCueView::~CCueView()
{
    if (m_doc)
        m_doc->removeView(this);
    DescriptionPane::setText(QStringLiteral(" "));
    if (m_active)
        PlayTimePane::setText(QString());
}

CCueDoc* CCueView::document() const
{
    return m_doc;
}

void CCueView::OnInitialUpdate()
{
    QFont font = QApplication::font();
    font.setPixelSize(24);
    setFont(font); // the header takes it too, so the titles fix the column widths

    const int rowHeight = GridRowHeight(QFontMetrics(font));
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(rowHeight);

    QList<int> widths;
    for (int column = 0; column < m_model->columnCount(); ++column)
        widths << minimumColumnWidth(column);
    setColumnWidths(widths);

    // Listed now, so that the first paint shows the missing files already.
    OnUpdate();
}

void CCueView::followFolder()
{
    if (m_doc)
        m_folderWatch->setFolder(m_doc->dataFolderPath());
    m_model->refresh();
    viewport()->update();
    requestDurations();
    updatePlayTime();
}

int CCueView::minimumColumnWidth(int column) const
{
    const int title = horizontalHeader()->sectionSizeHint(column);
    if (column == 0)
        return title;
    // The widest name a slot can hold, with the delegate's margins and room for the mark
    // of a missing file.
    const int name = QFontMetrics(font()).horizontalAdvance(QStringLiteral("MMMMMMMM.MP3")) +
                     CueGridDelegate::kTextMargins + CueGridDelegate::kMarkSpace;
    return std::max(title, name);
}

QList<int> CCueView::columnWidths() const
{
    QList<int> widths;
    for (int column = 0; column < m_model->columnCount(); ++column)
        widths << columnWidth(column);
    return widths;
}

void CCueView::setColumnWidths(const QList<int>& widths)
{
    if (widths.size() != m_model->columnCount())
        return;
    m_settingWidths = true;
    for (int column = 0; column < widths.size(); ++column)
        horizontalHeader()->resizeSection(column,
                                          std::max(widths[column], minimumColumnWidth(column)));
    m_settingWidths = false;
}

void CCueView::OnUpdate()
{
    followFolder();
    updateCommandStates();
}

void CCueView::OnActivateView(bool activate)
{
    m_active = activate && m_doc;
    if (!m_active)
        return;
    updatePlayTime();
    int frame = 0;
    int channel = 0;
    m_doc->GetCurrentSlot(frame, channel);
    m_statusText = describe(frame, channel);
    DescriptionPane::setText(m_statusText);
    updateCommandStates();
}

int CCueView::selectionMark() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

bool CCueView::isCursorRow(int row) const
{
    return row >= 0 && hasFocus() && row == selectionMark() && selectionModel() &&
           selectionModel()->isRowSelected(row, QModelIndex());
}

bool CCueView::isDraggingSlot() const
{
    return m_drag->isDragging();
}

int CCueView::activeChannel() const
{
    return selectionMark() + 1;
}

void CCueView::onSlotsChanged(const SlotRange& range)
{
    // The flags of the changed cells are read anew with their texts; only their files'
    // lengths are asked for, so that an edit stays as quick as the cells it touches.
    m_model->slotsChanged(range);
    requestDurations(range.firstChannel, range.lastChannel);
    updatePlayTime();
    int frame = 0;
    int channel = 0;
    m_doc->GetCurrentSlot(frame, channel);
    if (m_cursorColumn >= 1 && range.contains(frame, channel)) {
        m_statusText = describe(frame, channel);
        DescriptionPane::setText(m_statusText);
    }
    scheduleCommandStates();
}

void CCueView::moveCursorTo(int column, int row)
{
    if (row < 0 || row >= m_model->rowCount() || column < 0 || column > kLastColumn)
        return;
    m_cursorColumn = column;
    selectionModel()->setCurrentIndex(m_model->index(row, column),
                                      QItemSelectionModel::ClearAndSelect |
                                          QItemSelectionModel::Rows);
    viewport()->update();
    ShowSlotDescription(column, row);
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

void CCueView::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    viewport()->update();
}

void CCueView::focusOutEvent(QFocusEvent* event)
{
    QTableView::focusOutEvent(event);
    viewport()->update();
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

void CCueView::onHorizontalAction(int action)
{
    QScrollBar* bar = horizontalScrollBar();
    if (action != QAbstractSlider::SliderMove || !bar->isSliderDown())
        return;
    if (!AcceptsThumbPosition(bar->sliderPosition(), bar->maximum()))
        bar->setSliderPosition(bar->value());
}

void CCueView::updateCommandStates() const
{
    if (CommandTable* table = CommandTable::instance())
        table->updateStates();
}

void CCueView::scheduleCommandStates()
{
    if (m_statesPending)
        return;
    m_statesPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_statesPending = false;
            updateCommandStates();
        },
        Qt::QueuedConnection);
}
