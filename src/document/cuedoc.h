#pragma once

#include "commandtarget.h"
#include "core/slottable.h"
#include "documentbase.h"

#include <QString>

// One playlist: the slot table with the document's own state (current slot, paths, the
// data-folder and title-refresh flags), loading and saving, the save and missing-file
// questions, CSV output and Select File. Lives on the GUI thread; owned by its child frame.
class CCueDoc final : public DocumentBase, public CommandTarget
{
    Q_OBJECT
public:
    explicit CCueDoc(QObject* parent = nullptr);
    ~CCueDoc() override;
    Q_DISABLE_COPY_MOVE(CCueDoc)

    cuelist::SlotTable& table() { return m_table; }
    const cuelist::SlotTable& table() const { return m_table; }

    // Cell text of a slot for display (UTF-8), " " for an empty slot.
    QString cellText(int frame, int channel) const;

    void SetCurrentSlot(int frame, int channel);
    void GetCurrentSlot(int& frame, int& channel) const;

    QString playlistPath() const { return m_playlistPath; }
    QString dataFolderPath() const { return m_dataFolderPath; } // ends in "/"
    // Fixes the data folder of a playlist whose folder was not yet known (first file chosen).
    void setDataFolderFromFile(const QString& filePath);
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

    // CommandTarget: CSV output, Select File, Open contents, Save, Save As, Close.
    bool handlesCommand(int id) const override;
    void runCommand(int id) override;

signals:
    // Asks the main frame to rebuild its title now (after files are assigned, pasted,
    // deleted or moved); the title-refresh flag decides whether the size is recomputed.
    void frameTitleUpdateRequested();

private:
    cuelist::SlotTable m_table;
    int m_currentFrame = 1;
    int m_currentChannel = 1;
    QString m_playlistPath;
    QString m_dataFolderPath;
    bool m_dataFolderKnown = false;
    bool m_titleRefreshDue = false;
    QString m_shownTitle;
};
