// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gridzoom.h"

#include <QList>
#include <QObject>

class QAbstractItemModel;
class QHeaderView;

// The zoom and the column widths of one grid. A phrase column is at least as wide as its
// title and a full 12-character name in the grid font; what the user adds by resizing is
// kept at actual size and scales with the zoom. GUI thread only; a child of the grid view.
class GridSizer final : public QObject
{
    Q_OBJECT
public:
    // The header's sections are sized; the model gives the column count and titles.
    GridSizer(QHeaderView* header, const QAbstractItemModel* model, QObject* parent);
    Q_DISABLE_COPY_MOVE(GridSizer)

    // Column widths at actual size, the Channel column first. Setting a list of another
    // length changes nothing; a width below the column's minimum is raised to it.
    QList<int> columnWidths() const;
    void setColumnWidths(const QList<int>& widths);
    int minimumColumnWidth(int column) const;

    // The zoom in percent of the actual size. Fitting picks the largest zoom at which the
    // Channel column and all 16 frames fit the available width, dropping widths the user
    // chose when even the smallest zoom would not fit with them.
    int zoom() const { return m_scale.percent; }
    void setZoom(int percent);
    void fitTo(int availableWidth);
    const GridScale& gridScale() const { return m_scale; }
    // The width of the Channel column and all 16 frames at a zoom.
    int layoutWidthAt(int percent) const;
    // Sizes the header's sections for the current zoom.
    void applyColumnWidths();

signals:
    // A new scale: the grid takes its fonts and row height, then applyColumnWidths().
    void scaleChanged();
    // After the grid has taken a new zoom.
    void zoomChanged(int percent);
    // The user resized a column.
    void columnWidthsChanged();

private:
    int minimumColumnWidthAt(int column, const GridScale& scale) const;
    void keepUserWidth(int column, int width);

    QHeaderView* m_header;             // not owned
    const QAbstractItemModel* m_model; // not owned
    GridScale m_scale;
    QList<double> m_extraWidths;  // per column, beyond its minimum, at actual size
    bool m_settingWidths = false; // widths set by the program, not the user
};
