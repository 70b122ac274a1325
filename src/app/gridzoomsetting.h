// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CCueView;

// Gives a new grid the zoom last chosen in any playlist window ("GRID/Zoom" in the profile)
// and keeps every later change of its zoom there for the next window and the next start.
void RestoreZoom(CCueView* view);
