// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandtarget.h"

#include <QMdiSubWindow>

class CCueDoc;
class CCueView;
class CueSheetCommands;
class PlaylistEditor;
class SlotFinder;
class ZoomCommands;

// The window of one playlist inside the main frame: owns the document, its editor and its
// grid view, is always maximised, and asks whether to save changes before it closes.
class CChildFrame final : public QMdiSubWindow, public CommandTarget
{
    Q_OBJECT
public:
    // Takes ownership of doc.
    explicit CChildFrame(CCueDoc* doc, QWidget* parent = nullptr);
    ~CChildFrame() override;
    Q_DISABLE_COPY_MOVE(CChildFrame)

    CCueDoc* document() const { return m_doc; }
    PlaylistEditor* editor() const { return m_editor; }
    CCueView* view() const { return m_view; }

    // Closes the window without the save question (it was asked already).
    void closeWithoutAsking();

    SlotFinder* finder() const { return m_finder; }

    // CommandTarget: the grid's zoom and Find, Export to Card (the whole playlist as it is
    // now), and the cue sheet's Print, Print Preview and Export PDF.
    bool handlesCommand(int id) const override;
    void runCommand(int id) override;
    std::optional<CommandState> commandState(int id) const override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CCueDoc* m_doc;
    PlaylistEditor* m_editor; // a child
    CCueView* m_view;
    CueSheetCommands* m_sheet; // a child
    ZoomCommands* m_zoom;      // owned
    SlotFinder* m_finder;      // owned (QObject child)
    bool m_closeConfirmed = false;
};
