// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandtarget.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class CCueDoc;
class CMainFrame;
class CommandTable;
class DurationStore;
class RecentFileList;

// The editor application: the command table and its route, the recent-file list, the main
// frame, and the playlist template's steps (new playlist, open with the pre-check questions).
// It handles New, Open, the recent files, Exit and Version Information. GUI thread only.
class CCueApp final : public QObject, public CommandTarget
{
    Q_OBJECT
public:
    explicit CCueApp(QObject* parent = nullptr);
    ~CCueApp() override;
    Q_DISABLE_COPY_MOVE(CCueApp)

    static CCueApp* instance();

    // Creates the main frame, carries out the command line (the files it names: none opens
    // a new playlist, each file opens in a window of its own) and shows the frame.
    // False when none of the named files could be opened.
    bool InitInstance(const QStringList& files);

    // Files that a later start handed over: each is opened, and the main frame comes to
    // the front.
    void OnFilesHandedOver(const QStringList& files);

    CMainFrame* mainFrame() const;
    CommandTable* commands() const { return m_commands; }
    RecentFileList* recentFiles() const { return m_recent; }

    // A new, empty playlist window.
    CCueDoc* OnFileNew();
    // The Open command: the file dialog, then OpenDocumentFile.
    void OnFileOpen();
    // Opens a playlist file after the pre-check questions about records that loading
    // removes. Null when the user declined (declined is then set), or the file could not be
    // read (the user was told). An open playlist is activated instead of read again.
    CCueDoc* OpenDocumentFile(const QString& path, bool* declined = nullptr);

    // CommandTarget: New, Open, the recent files, Exit, Version Information.
    bool handlesCommand(int id) const override;
    void runCommand(int id) override;
    std::optional<CommandState> commandState(int id) const override;

private:
    QList<CommandTarget*> route() const;
    // Shows the document in a new playlist window; a non-empty path becomes its path name.
    CCueDoc* addDocument(CCueDoc* doc, const QString& path);
    void updateRecentFileActions();
    void openRecentFile(int index);

    CommandTable* m_commands;
    RecentFileList* m_recent;
    DurationStore* m_durations;       // the play lengths for every playlist; a child
    QPointer<CMainFrame> m_mainFrame; // owned here; deleted with the application object
    int m_untitledCount = 0;
};
