// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The stable command ids shared by menus, tool bars, accelerators, the context menu
// and the enabling rules.
enum CommandId : int {
    ID_HELP = 9,
    ID_CSV_OUTPUT = 32771,
    ID_SELECT_FILE = 32772,
    ID_EDIT_DELETE = 32773,
    ID_VIEW_EDIT_TOOLBAR = 32775,
    ID_OPEN_CONTENTS = 32776,
    ID_PLAY_CHANNEL = 32794,
    ID_FIND_MISSING = 32795,
    ID_VIEW_ZOOM_IN = 32796,
    ID_VIEW_ZOOM_OUT = 32797,
    ID_VIEW_ZOOM_ACTUAL = 32798,
    ID_VIEW_ZOOM_FIT = 32799,
    ID_VIEW_DOCUMENT_TABS = 32800,
    ID_WINDOW_NEXT = 32801,
    ID_WINDOW_PREVIOUS = 32802,
    ID_WINDOW_RECENT = 32803,      // Ctrl+Tab: back through the most recently used
    ID_WINDOW_RECENT_BACK = 32804, // Ctrl+Shift+Tab
    ID_WINDOW_CLOSE_ALL = 32805,
    ID_EDIT_FIND = 32806,
    ID_EDIT_FIND_NEXT = 32807,
    ID_EDIT_FIND_PREVIOUS = 32808,
    ID_RELINK_FILE = 32809,
    ID_EXPORT_CARD = 32830,
    ID_FILE_EXPORT_PDF = 32840,
    ID_IMPORT_AUDIO = 32810,
    ID_MATCH_LOUDNESS = 32811,
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_CLOSE = 57602,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FILE1 = 57616, // 57616..57619: the four recent files
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_UNDO = 57643,
    ID_EDIT_REDO = 57644,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_NEXT_PANE = 57680, // bound to keys, handled nowhere
    ID_PREV_PANE = 57681, // bound to keys, handled nowhere
    ID_VIEW_TOOLBAR = 59392,
    ID_WINDOW_CHILD1 = 65280, // 65280..65288: the first nine playlist windows
    ID_VIEW_STATUS_BAR = 59393,
};
