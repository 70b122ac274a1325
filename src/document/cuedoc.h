// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandtarget.h"
#include "core/slotsettings.h"
#include "core/slottable.h"
#include "documentbase.h"
#include "fileio/safefile.h"
#include "slotedit.h"
#include "slotrange.h"

#include <cstdint>
#include <optional>
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUndoStack>
#include <vector>

// One playlist: the slot table with the document's own state (paths, the data-folder and
// title-refresh flags), the edit operations and their undo history, loading and saving.
// It asks nothing and shows nothing: loading and saving return their result, and the
// playlist's editor tells the user. Lives on the GUI thread; owned by its child frame.
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

    QString playlistPath() const { return m_playlistPath; }
    QString dataFolderPath() const { return m_dataFolderPath; } // ends in "/"
    // Fixes the data folder of a playlist whose folder was not yet known (first file chosen):
    // the file's folder becomes the data folder. Then marks the folder known and the title due.
    void setDataFolderFromFile(const QString& filePath);
    bool IsDataFolderKnown() const { return m_dataFolderKnown; }
    bool IsTitleRefreshDue() const { return m_titleRefreshDue; }
    void SetTitleRefreshDue(bool due) { m_titleRefreshDue = due; }
    QString replacePrompt() const;
    QString shownTitle() const { return m_shownTitle; }
    void setTitle(const QString& title) override;

    // Total size of the distinct existing MP3 files, in KB rounded up.
    quint64 GetTotalDataSize() const;

    // File operations. Nothing is asked or shown; a failure returns its reason and leaves
    // the document as it was.
    bool OnNewDocument();
    // Reads and loads a file (no pre-check questions).
    cuelist::fileio::FileResult OnOpenDocument(const QString& path);
    // Loads bytes already read from the file at absolutePath, as they were when stamped.
    void loadImage(const QString& absolutePath, const std::vector<std::uint8_t>& bytes,
                   const cuelist::fileio::FileStamp& stamp);
    // Writes the table to path, atomically; on success the path is the playlist's.
    cuelist::fileio::FileResult OnSaveDocument(const QString& path);
    static bool HasPlaylistExtension(const QString& path);
    bool IsOutsideDataFolder(const QString& filePath) const;
    // The names (with ".MP3") of the files the MP3 slots name that the data folder lacks,
    // sorted, each once.
    QStringList missingFileNames() const;

    // True when another program changed or replaced the file since this document read or
    // last wrote it.
    bool isChangedOnDisk() const;
    // True when path names the file of an open playlist (any document of this process).
    static bool isOpenPlaylist(const QString& path);

    // CommandTarget: Undo and Redo.
    bool handlesCommand(int id) const override;
    void runCommand(int id) override;
    std::optional<CommandState> commandState(int id) const override;

signals:
    // Slots in range changed: by an edit operation, its undo or its redo.
    void slotsChanged(const SlotRange& range);
    // Asks the main frame to rebuild its title now (after slots changed); the title-refresh
    // flag decides whether the size is recomputed.
    void frameTitleUpdateRequested();
    // The data folder was fixed or moved (first file of a new playlist, load, save, or the
    // undo and redo of the step that fixed it).
    void dataFolderChanged();
    // Undo or redo wrote the slots of range back: the editor shows them.
    void stepReplayed(const SlotRange& range);

private:
    friend class SlotEdit;
    using Changes = std::vector<SlotEdit::Change>;

    // Runs change on the table for the slots of range and records it as one step.
    template <typename Change>
    bool edit(const QString& text, const SlotRange& range, Change change);
    void record(const QString& text, Changes changes);
    // Writes each change's record (after or before) and tells the views.
    void writeRecords(const Changes& changes, bool after, const SlotRange& range);
    // Hands a folder fixed since the last step to the step that is being recorded.
    void takeFolderFix(SlotEdit& step);
    void setDataFolderState(bool known, const QString& path);

    cuelist::SlotTable m_table;
    QUndoStack m_undoStack;
    int m_groupDepth = 0;
    QString m_groupText;
    Changes m_groupChanges;
    QString m_playlistPath;
    QString m_dataFolderPath;
    bool m_dataFolderKnown = false;
    std::optional<QString> m_unrecordedFolderFix; // the folder before a fix not yet in a step
    bool m_titleRefreshDue = false;
    QString m_shownTitle;
    cuelist::fileio::FileStamp m_diskStamp; // the file as last read or written here
};
