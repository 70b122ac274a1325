// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CCueView;

// Applies the column widths the user last chose in this language to a new grid, and keeps
// them in the profile ("GRID/ColumnWidths_en", "GRID/ColumnWidths_ja") whenever the user
// resizes a column of it.
void RestoreColumnWidths(CCueView* view);
