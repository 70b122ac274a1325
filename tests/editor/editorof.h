// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cuedoc.h"
#include "playlisteditor.h"

// The editor of a document made for a test: created on first use, owned by the document.
inline PlaylistEditor& EditorOf(CCueDoc& doc)
{
    if (auto* editor = doc.findChild<PlaylistEditor*>(QString(), Qt::FindDirectChildrenOnly))
        return *editor;
    return *new PlaylistEditor(&doc, &doc);
}
