// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandtarget.h"
#include "core/slotsettings.h"
#include "core/slottable.h"
#include "documentbase.h"
#include "fileio/safefile.h"
#include "slotedit.h"
#include "slotrange.h"

#include <optional>
#include <QByteArray>
#include <QString>
#include <QUndoStack>
#include <vector>

class QWidget;

// One playlist: the slot table with the document's own state (current slot, paths, the
// data-folder and title-refresh flags), the edit operations and their undo history, loading
// and saving, the save and missing-file questions, CSV output and Select File. Lives on the
// GUI thread; owned by its child frame.
class CCueDoc final : public DocumentBase, public CommandTarget
{
    Q_OBJECT
public:
    explicit CCueDoc(QObject* parent = nullptr);
    ~CCueDoc() override;
    Q_DISABLE_COPY_MOVE(CCueDoc)

    // Read only: every change goes through the edit operations below.
    const cuelist::SlotTable& table() const { return m_table; }

    // The edit operations. Each is one step of the undo history (or part of the open edit
    // group) and returns whether any slot changed; a slot outside channels 1..127 changes
    // nothing. Every change is told through slotsChanged.
    // A file by name (see names.h) with default parameters, or with the settings given.
    bool SetSlotFile(int frame, int channel, const QString& name,
                     const std::optional<cuelist::SlotSettings>& settings = std::nullopt);
    bool SetSlotSettings(int frame, int channel, const cuelist::SlotSettings& settings);
    bool ClearSlot(int frame, int channel, const QString& actionText = QString());
    bool ClearChannel(int channel, const QString& actionText = QString());
    // The clips are the raw records of the clipboard (16 or 256 bytes).
    bool PastePhraseClip(int frame, int channel, const QByteArray& clip);
    bool PasteChannelClip(int channel, const QByteArray& clip);
    // The source's record goes to the target and the source is emptied.
    bool MoveSlot(int fromFrame, int fromChannel, int toFrame, int toChannel);
    // Operations between these two calls make one step named text (a dropped file with the
    // settings confirmed for it). Groups nest; the outermost one names the step.
    void beginEditGroup(const QString& text);
    void endEditGroup();

    // The history of this playlist's edits, unlimited; saving marks its clean state.
    QUndoStack* undoStack() { return &m_undoStack; }

    // Cell text of a slot for display (UTF-8), " " for an empty slot.
    QString cellText(int frame, int channel) const;

    void SetCurrentSlot(int frame, int channel);
    void GetCurrentSlot(int& frame, int& channel) const;

    QString playlistPath() const { return m_playlistPath; }
    QString dataFolderPath() const { return m_dataFolderPath; } // ends in "/"
    // Fixes the data folder of a playlist whose folder was not yet known (first file chosen):
    // the file's folder becomes the data folder. Then marks the folder known and the title due.
    void setDataFolderFromFile(const QString& filePath);
    // Stores a file the user chose or dropped (an edit operation): it must lie directly in a
    // DATA folder (the playlist's own once that is known) and have a name the slot accepts.
    // A refusal is told through the prompt, owned by parent. The first file fixes the data
    // folder.
    bool StoreChosenFile(QWidget* parent, const QString& path, int frame, int channel);
    bool IsDataFolderKnown() const { return m_dataFolderKnown; }
    bool IsTitleRefreshDue() const { return m_titleRefreshDue; }
    void SetTitleRefreshDue(bool due) { m_titleRefreshDue = due; }
    QString replacePrompt() const;
    QString shownTitle() const { return m_shownTitle; }
    void setTitle(const QString& title) override;

    // Total size of the distinct existing MP3 files, in KB rounded up.
    quint64 GetTotalDataSize() const;

    // File operations. Failures are reported to the user through the prompt.
    bool OnNewDocument();
    bool OnOpenDocument(const QString& path); // reads, repairs; no pre-check questions
    bool OnSaveDocument(const QString& path); // atomic
    bool DoSave(const QString& path, bool replace);
    bool SaveModified();
    bool CheckMissingFiles();

    // The Save command: the known path, or the save dialog when there is none or the
    // file cannot be written in place.
    bool DoFileSave();
    // Asks for a playlist file name in the save dialog; name is the initial and the chosen path.
    bool PromptSaveFileName(QString& name, bool replace);
    static bool HasPlaylistExtension(const QString& path);
    bool IsOutsideDataFolder(const QString& filePath) const;
    // The CSV File Output command.
    void OnFileCsvOutput();
    // Select File: picks a file of the data folder for the current slot, stores it and
    // opens the slot's settings in the first view.
    void OnSelectFile();
    // Open File Contents: the current slot's settings in the first view.
    void OnOpenContents();

    // True when another program changed or replaced the file since this document read or
    // last wrote it.
    bool IsChangedOnDisk() const;
    // True when path names the file of an open playlist (any document of this process).
    static bool IsOpenPlaylist(const QString& path);

    // The window that dialogs about this document belong to.
    QWidget* dialogParent() const;

    // CommandTarget: CSV output, Save, Save As, Close, Select File, Open File Contents,
    // Undo, Redo.
    bool handlesCommand(int id) const override;
    void runCommand(int id) override;
    std::optional<CommandState> commandState(int id) const override;

signals:
    // Slots in range changed: by an edit operation, its undo or its redo.
    void slotsChanged(const SlotRange& range);
    // Asks the main frame to rebuild its title now (after slots changed); the title-refresh
    // flag decides whether the size is recomputed.
    void frameTitleUpdateRequested();
    // The Close command was allowed by the save question: the window showing it closes.
    void closeRequested();

private:
    friend class SlotEdit;
    using Changes = std::vector<SlotEdit::Change>;

    // Runs change on the table for the slots of range and records it as one step.
    template <typename Change>
    bool edit(const QString& text, const SlotRange& range, Change change);
    void record(const QString& text, Changes changes);
    // Writes each change's record (after or before) and tells the views.
    void writeRecords(const Changes& changes, bool after, const SlotRange& range);

    cuelist::SlotTable m_table;
    QUndoStack m_undoStack;
    int m_groupDepth = 0;
    QString m_groupText;
    Changes m_groupChanges;
    int m_currentFrame = 1;
    int m_currentChannel = 1;
    QString m_playlistPath;
    QString m_dataFolderPath;
    bool m_dataFolderKnown = false;
    bool m_titleRefreshDue = false;
    QString m_shownTitle;
    cuelist::fileio::FileStamp m_diskStamp; // the file as last read or written here
};
