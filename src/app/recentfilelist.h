// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

// The four most recently used playlists, newest first, kept in the profile's
// "Recent File List" section as File1..File4.
class RecentFileList final : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSize = 4;

    explicit RecentFileList(QObject* parent = nullptr);
    ~RecentFileList() override;
    Q_DISABLE_COPY_MOVE(RecentFileList)

    const QStringList& files() const { return m_files; }
    void add(const QString& path);
    void remove(int index);

    void load();
    // Writes the list to the profile now (changes are otherwise written once the editor is idle).
    void save();

signals:
    void changed();

private:
    void scheduleSave();

    QStringList m_files;
    bool m_savePending = false;
};
