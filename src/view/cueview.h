// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandtarget.h"
#include "core/playtime.h"
#include "documentview.h"
#include "findmissingdlg.h"
#include "gridzoom.h"

#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTableView>

class CCueDoc;
class DataFolderWatch;
struct PhraseValue;
struct SlotRange;
class SlotDragController;
class CueGridModel;

// The grid view of one playlist: 127 channel rows by the Channel column and 16 phrase
// columns, with a cell cursor whose row is the table's current, selected row and whose
// column is held here. The slot under the cursor is the one every command acts on; the view
// describes it in the description pane, offers the context menu and the enabling rules of
// the edit commands, and makes every change through the document's edit operations.
// GUI thread only.
class CCueView final : public QTableView, public DocumentView, public CommandTarget
{
    Q_OBJECT
public:
    // Where ShowSlotDescription takes the channel from, besides a row index.
    static constexpr int kCodeUp = 1024;
    static constexpr int kCodeDown = 1025;
    static constexpr int kCodePageUp = 1026;
    static constexpr int kCodePageDown = 1027;
    static constexpr int kLastColumn = 16;

    // The document is not owned; it outlives the view in the child frame.
    CCueView(CCueDoc* doc, QWidget* parent);
    ~CCueView() override;
    Q_DISABLE_COPY_MOVE(CCueView)

    CCueDoc* document() const;

    // Sets the grid font, row height and column widths, then fills the texts.
    void OnInitialUpdate();
    // Column widths at actual size, the Channel column first. A phrase column is at least as
    // wide as its title and a full 12-character name in the grid font. Setting a list of
    // another length changes nothing; a width below the column's minimum is raised to it.
    // What a column has beyond its minimum scales with the zoom.
    QList<int> columnWidths() const;
    void setColumnWidths(const QList<int>& widths);
    int minimumColumnWidth(int column) const;

    // The zoom in percent of the actual size: fonts, rows, columns and marks scale with it,
    // and the cursor cell stays in view. Fitting picks the largest zoom at which the Channel
    // column and all 16 frames fit the width of the grid, dropping widths the user chose when
    // even the smallest zoom would not fit with them.
    int zoom() const { return m_scale.percent; }
    void setZoom(int percent);
    void fitAllFrames();
    const GridScale& gridScale() const { return m_scale; }
    // The width of the Channel column and all 16 frames at a zoom.
    int layoutWidthAt(int percent) const;
    // Shows the description of the document's current slot when activated.
    void OnActivateView(bool activate);

    // DocumentView
    void OnUpdate() override;
    void OpenSlotSettings() override;
    QWidget* viewWidget() override { return this; }

    // Chooses the channel (a row index; the codes above take the current row), records the
    // slot as the document's current slot and shows its description.
    void ShowSlotDescription(int column, int rowOrCode);
    // Scrolls sideways so that the column is fully visible, its left edge at the left edge
    // of the viewport when it was not.
    void EnsureColumnVisible(int column);
    // Schedules a repaint of one row; nothing for -1.
    void RedrawRow(int row);
    // Puts the cell cursor on (column, row) and describes the slot there.
    void moveCursorTo(int column, int row);
    // Import Audio into this view's playlist from (frame, channel) on: the files, or asks for them.
    void importAudio(const QStringList& paths, int frame, int channel);
    // The popup menu for a press on (column, row); row -1 lies below the last row.
    void ShowContextMenu(int column, int row);

    int cursorColumn() const { return m_cursorColumn; }
    // What the playlist's data folder holds, kept current while it changes on disk.
    DataFolderWatch* folderWatch() const { return m_folderWatch; }
    // The play time of the channel under the cursor, as the play-time pane shows it.
    QString playTimeText() const;
    // A channel's play time from the lengths known so far.
    cuelist::ChannelPlayTime channelPlayTime(int channel) const;

    // Edit > Find Missing Files: the files the data folder lacks, each with its slots, and
    // Relink, which names a file of the data folder in every slot that named the missing one,
    // as one step of the history. Refusals are told to the user.
    QList<CFindMissingDlg::Missing> MissingFiles() const;
    void OnFindMissingFiles();
    bool RelinkMissingFile(const QString& missingName);
    // Several dropped files: consecutive frames of the channel from `frame` on, occupied ones
    // skipped, one settings dialog for all, one step of the history. Files past frame 16 are
    // told to the user.
    void AssignDroppedFiles(const QStringList& paths, int frame, int channel);
    // The channel of the current row; 0 while there is none.
    int activeChannel() const;
    QString statusText() const { return m_statusText; }
    // The table's current row, -1 when none.
    int selectionMark() const;
    // The current row while it is selected and the grid has the focus.
    bool isCursorRow(int row) const;

    // The cell under a viewport point, kept at every pointer movement: column 0 is the
    // Channel column, 1..16 the frames, 17 right of the last column (-1 left of the first);
    // row 0-based. Both are -1 over no row.
    void updateHoverCell(const QPoint& viewportPos);
    int hoverColumn() const { return m_hoverColumn; }
    int hoverRow() const { return m_hoverRow; }

    // The edit commands: on the current slot from a phrase column, on the active channel
    // from the Channel column. Clipboard failures are told to the user.
    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();
    void OnEditDelete();

    // Moving a slot by dragging it with the left button.
    bool isDraggingSlot() const;
    // The image that follows the pointer: the dragged cell's text; null on the Channel column.
    QPixmap BuildDragImage(int row) const;

    // Files dropped from the file manager.
    // The target of a symbolic link (followed to its end), or empty when the path is no link.
    static QString ResolveShortcut(const QString& path);
    // True for an existing regular file or folder.
    static bool AcceptDroppedPath(const QString& path);
    // Stores one dropped file in the cell (x: column, y: row) after its checks, then opens
    // its settings dialog. Refusals are told to the user.
    void AssignDroppedFile(const QString& path, const QPoint& cell);

    // CommandTarget
    bool handlesCommand(int id) const override;
    void runCommand(int id) override;
    std::optional<CommandState> commandState(int id) const override;

    // Row movement only: the table never scrolls sideways to follow the current index.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    // Type-ahead: digits typed in quick succession name a channel ("7", "07" or "0007"), and
    // the cursor moves to its row; other characters are ignored.
    void keyboardSearch(const QString& search) override;

signals:
    // The user resized a column.
    void columnWidthsChanged();
    void zoomChanged(int percent);

signals:
    // Playlist files dropped on the grid, for the main window to open.
    void playlistsDropped(const QStringList& paths);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    enum class SettingsTrigger { DoubleClick, EnterKey };

    void openSlotSettings(SettingsTrigger trigger);
    // Run the settings dialog of a slot and commit it on OK. droppedPath is set when the
    // file was just dropped: Apply then starts disabled (and a text file shows its own line).
    void openMp3Settings(int frame, int channel, const QString& droppedPath);
    void openTextSettings(int frame, int channel, const QString& droppedPath);
    void OnDropFiles(const QStringList& paths, const QPoint& cell);
    // The settings dialogs' value for a slot; droppedPath gives a text file's first line.
    PhraseValue phraseValue(int frame, int channel, const QString& droppedPath) const;
    void onSlotsChanged(const SlotRange& range);
    void moveCursorColumn(int step);
    void onHorizontalAction(int action);
    void handlePress(QMouseEvent* event, bool right);
    enum class CopyResult { Written, Skipped, Failed };
    CopyResult copyToClipboard();
    // Empties the cursor's slot, or its channel from the Channel column.
    void deleteAtCursor(const QString& actionText);
    QString describe(int frame, int channel) const;
    // After the slots or the data folder changed: the folder watched, the lengths of the
    // files asked for, the flags and the play time shown anew.
    void followFolder();
    void requestDurations(int firstChannel = 1, int lastChannel = 127, bool recheck = false) const;
    void updatePlayTime();
    bool clipFitsCursor() const;
    void playChannel();
    bool isCommandKey(const QKeyEvent* event) const;
    void updateCommandStates() const;
    void scheduleCommandStates();
    int minimumColumnWidthAt(int column, const GridScale& scale) const;
    // Fonts, row height and column widths from m_scale; keeps the cursor cell in view.
    void applyScale();
    void applyColumnWidths();
    void keepUserWidth(int column, int width);

    QPointer<CCueDoc> m_doc;                  // not owned
    DataFolderWatch* m_folderWatch = nullptr; // owned by this view (QObject child)
    CueGridModel* m_model = nullptr;          // owned by this view (QObject child)
    QString m_statusText;
    int m_cursorColumn = 0;
    bool m_active = false; // the active playlist's view, which fills the panes
    QString m_typedDigits;
    qint64 m_lastTypedMs = 0;
    bool m_settingWidths = false; // column widths set by the program, not the user
    GridScale m_scale;
    QList<double> m_extraWidths; // per column, beyond its minimum, at actual size
    int m_wheelAngle = 0;        // Ctrl+wheel turned but not yet a whole step
    bool m_statesPending = false;
    int m_hoverColumn = -1;
    int m_hoverRow = -1;
    SlotDragController* m_drag; // owned (QObject child)
};
