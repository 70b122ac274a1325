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
    Q_DISABLE_COPY_MOVE(RecentFileList)

    const QStringList& files() const { return m_files; }
    void add(const QString& path);
    void remove(int index);

    void load();
    void save() const;

signals:
    void changed();

private:
    QStringList m_files;
};
