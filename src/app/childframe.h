// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandtarget.h"

#include <QMdiSubWindow>

class CCueDoc;
class CCueView;
class PlaylistEditor;

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

    // CommandTarget: the frame adds no commands of its own.
    bool handlesCommand(int /*id*/) const override { return false; }
    void runCommand(int /*id*/) override {}

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CCueDoc* m_doc;
    PlaylistEditor* m_editor;
    CCueView* m_view;
    bool m_closeConfirmed = false;
};
