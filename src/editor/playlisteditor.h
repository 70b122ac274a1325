// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandtarget.h"
#include "core/playtime.h"
#include "findmissingdlg.h"
#include "slotpos.h"

#include <functional>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class CCueDoc;
class DataFolderWatch;
class QDialog;
class QWidget;
struct PhraseValue;
struct SlotRange;

// The flows of one playlist window: the cursor slot, the edit commands with their
// questions, drops and Select File, the settings dialogs, Find Missing Files and Relink,
// Play Channel, the save flow and CSV output. Not a widget: the grid view tells it where the
// cursor is and follows it when a flow moves the cursor; the main frame shows its texts.
// Every question goes through prompt() and every dialog through the dialog runner, so that
// each flow runs offscreen without a window. GUI thread only; owned by its child frame.
class PlaylistEditor final : public QObject, public CommandTarget
{
    Q_OBJECT
public:
    // Runs a modal dialog and returns its result; the default is QDialog::exec.
    using DialogRunner = std::function<int(QDialog& dialog)>;
    enum class SettingsTrigger { DoubleClick, EnterKey };

    // The document is not owned; it outlives the editor.
    explicit PlaylistEditor(CCueDoc* doc, QObject* parent = nullptr);
    ~PlaylistEditor() override;
    Q_DISABLE_COPY_MOVE(PlaylistEditor)

    CCueDoc* document() const;
    // What the playlist's data folder holds, kept current while it changes on disk.
    DataFolderWatch* folderWatch() const { return m_folderWatch; }
    // The widget that dialogs belong to and whose focus decides F1 (the grid); not owned.
    void setWidget(QWidget* widget) { m_widget = widget; }
    QWidget* widget() const { return m_widget; }
    void setDialogRunner(DialogRunner runner);
    // Runs a modal dialog of a flow through the runner.
    int runDialog(QDialog& dialog) const;

    // The cursor: column 0 is the Channel column, 1..16 the frames; the channel is the
    // grid's current row + 1 (0 while there is none).
    SlotPos currentSlot() const { return m_cursor; }
    // Puts the cursor there and describes its slot.
    void SetCurrentSlot(const SlotPos& pos);
    // The row or the column alone changed; the slot is described at the next SetCurrentSlot.
    void setActiveChannel(int channel);
    void setCursorColumn(int column);
    // Asks the view to move its cursor there (a row index as the grid counts).
    void moveCursorTo(int column, int row);

    // The active playlist's editor fills the play-time pane.
    void OnActivateView(bool activate);
    bool isActive() const { return m_active; }
    QString statusText() const { return m_statusText; }
    QString playTimeText() const;
    cuelist::ChannelPlayTime channelPlayTime(int channel) const;
    // After the document's folder changed: watched anew, the lengths asked for, texts anew.
    void followFolder();

    // The edit commands: on the current slot from a phrase column, on the active channel
    // from the Channel column. Clipboard failures are told to the user.
    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();
    void OnEditDelete();

    // The settings dialog of the current slot (Select File for an empty one).
    void OpenSlotSettings(SettingsTrigger trigger = SettingsTrigger::DoubleClick);
    // Select File: a file of the data folder for the current slot, then its settings.
    void OnSelectFile();
    void OnOpenContents();
    // Stores a file the user chose or dropped: it must lie directly in a DATA folder (the
    // playlist's own once that is known) and have a name the slot accepts. Refusals are told.
    // The first file fixes the data folder.
    bool storeChosenFile(const QString& path, int frame, int channel);

    // Files dropped from the file manager on the cell (x: column, y: row). Playlists are
    // handed on through playlistsDropped; the others are placed first.
    void dropFiles(const QStringList& paths, const QPoint& cell);
    void AssignDroppedFile(const QString& path, const QPoint& cell);
    // Import Audio of the files (asked for when paths is empty) from (frame, channel) on.
    void importAudio(const QStringList& paths, int frame, int channel);
    // Several files: consecutive frames of the channel from `frame` on, occupied ones
    // skipped, one settings dialog for all, one step of the history.
    void assignDroppedFiles(const QStringList& paths, int frame, int channel);
    // The target of a symbolic link (followed to its end), or empty when the path is no link.
    static QString ResolveShortcut(const QString& path);
    // True for an existing regular file or folder.
    static bool AcceptDroppedPath(const QString& path);
    // A slot dragged from one cell to another (x: column, y: row): asks before replacing,
    // then moves. True when it moved.
    bool dragSlot(const QPoint& from, const QPoint& to);

    // For a phrase slot naming an MP3 file: whether the data folder lacks it, and its path
    // as on disk (empty when it names none or the file is missing).
    bool isMissing(int frame, int channel) const;
    QString filePath(int frame, int channel) const;

    // Edit > Find Missing Files and Relink.
    QList<CFindMissingDlg::Missing> missingFiles() const;
    void onFindMissingFiles();
    bool relinkMissingFile(const QString& missingName);
    void playChannel();

    // The save flow and its questions.
    bool DoSave(const QString& path, bool replace);
    bool DoFileSave();
    bool SaveModified();
    bool CheckMissingFiles();
    bool PromptSaveFileName(QString& name, bool replace);
    void OnFileCsvOutput();

    // CommandTarget: the edit commands, Select File, Open File Contents, Play Channel, Find
    // Missing Files, CSV output, Save, Save As, Close, Import Audio, Match Loudness, and Help while
    // the grid has the focus.
    bool handlesCommand(int id) const override;
    void runCommand(int id) override;
    std::optional<CommandState> commandState(int id) const override;

signals:
    void descriptionChanged(const QString& text);
    void playTimeChanged(const QString& text);
    // A flow moved the cursor: the view shows it there.
    void cursorMoveRequested(int column, int row);
    // Playlist files dropped on the grid, for the main window to open.
    void playlistsDropped(const QStringList& paths);
    // The Close command was allowed by the save question: the window closes.
    void closeRequested();

private:
    enum class CopyResult { Written, Skipped, Failed };
    CopyResult copyToClipboard();
    void deleteAtCursor(const QString& actionText);
    void placeDroppedFiles(QStringList paths, const QPoint& cell);
    bool clipFitsCursor() const;
    void openSettings(int frame, int channel, const QString& droppedPath);
    PhraseValue phraseValue(int frame, int channel, const QString& droppedPath) const;
    void onSlotsChanged(const SlotRange& range);
    // After an undo or redo: the cursor goes to the change, which scrolls into view.
    void showReplayed(const SlotRange& range);
    QString describe(int frame, int channel) const;
    void describeCurrent();
    void requestDurations(int firstChannel = 1, int lastChannel = 127, bool recheck = false) const;
    void updatePlayTime();
    void updateCommandStates() const;
    void scheduleCommandStates();

    QPointer<CCueDoc> m_doc;                  // not owned
    DataFolderWatch* m_folderWatch = nullptr; // owned (QObject child)
    QPointer<QWidget> m_widget;               // not owned
    DialogRunner m_runDialog;
    SlotPos m_cursor;
    QString m_statusText;
    bool m_active = false;
    bool m_statesPending = false;
};
