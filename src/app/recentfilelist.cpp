#include "recentfilelist.h"

#include "settingvalue.h"

#include <QFileInfo>

namespace {
SettingValue<QString> Entry(int index)
{
    return SettingValue<QString>(QStringLiteral("Recent File List/File%1").arg(index + 1));
}
} // namespace

RecentFileList::RecentFileList(QObject* parent) : QObject(parent) {}

void RecentFileList::add(const QString& path)
{
    if (path.isEmpty())
        return;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_files.removeAll(absolute);
    m_files.prepend(absolute);
    while (m_files.size() > kSize)
        m_files.removeLast();
    save();
    emit changed();
}

void RecentFileList::remove(int index)
{
    if (index < 0 || index >= m_files.size())
        return;
    m_files.removeAt(index);
    save();
    emit changed();
}

void RecentFileList::load()
{
    m_files.clear();
    for (int i = 0; i < kSize; ++i) {
        const QString path = Entry(i).get();
        if (!path.isEmpty() && !m_files.contains(path))
            m_files.append(path);
    }
    emit changed();
}

void RecentFileList::save() const
{
    for (int i = 0; i < kSize; ++i) {
        if (i < m_files.size())
            Entry(i).set(m_files[i]);
        else
            Entry(i).remove();
    }
}
