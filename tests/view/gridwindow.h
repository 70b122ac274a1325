// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandids.h"
#include "commandtable.h"
#include "commandtarget.h"
#include "cuedoc.h"
#include "cueview.h"
#include "playlisteditor.h"

#include <QLabel>
#include <QList>
#include <QMainWindow>
#include <QStatusBar>

// A command target that records the commands it is asked to run.
class RecordingTarget final : public CommandTarget
{
public:
    QList<int> handled; // ids it accepts
    QList<int> ran;
    bool handlesCommand(int id) const override { return handled.contains(id); }
    void runCommand(int id) override { ran.append(id); }
};

// A shown, active main window with one grid view on its own document and editor, a description pane
// and a command table routed to the view, then a recording target.
class GridWindow final
{
public:
    explicit GridWindow(QSize size = QSize(900, 600));
    ~GridWindow();
    Q_DISABLE_COPY_MOVE(GridWindow)

    QMainWindow window;
    CommandTable commands;
    RecordingTarget recorder;
    CCueDoc doc;
    PlaylistEditor editor{&doc};
    CCueView* view = nullptr;
    QLabel pane;

    // Centre of a cell in viewport coordinates, after scrolling the row into view.
    QPoint cellCenter(int column, int row);
    // Drags the files over the cell and drops them there, then lets the drop's work run.
    // False when the grid refuses one of the steps.
    bool dropFiles(int column, int row, const QStringList& paths);
    // Clicks a cell with the left button and lets the grid repaint.
    void click(int column, int row);
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Stores an MP3 slot with the given parameters.
    void putMp3(int frame, int channel, const char* name, int repeat = 0, int attenuation = 0,
                int interval = 0);
};
