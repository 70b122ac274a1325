// SPDX-License-Identifier: GPL-3.0-or-later
#include "recentfilelist.h"

#include "settingvalue.h"

#include <QFileInfo>
#include <QTimer>

namespace {
QString Key(int index)
{
    return QStringLiteral("Recent File List/File%1").arg(index + 1);
}
} // namespace

RecentFileList::RecentFileList(QObject* parent) : QObject(parent) {}

RecentFileList::~RecentFileList()
{
    if (m_savePending)
        save();
}

void RecentFileList::add(const QString& path)
{
    if (path.isEmpty())
        return;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_files.removeAll(absolute);
    m_files.prepend(absolute);
    while (m_files.size() > kSize)
        m_files.removeLast();
    scheduleSave();
    emit changed();
}

void RecentFileList::remove(int index)
{
    if (index < 0 || index >= m_files.size())
        return;
    m_files.removeAt(index);
    scheduleSave();
    emit changed();
}

void RecentFileList::load()
{
    m_files.clear();
    for (int i = 0; i < kSize; ++i) {
        const QString path = SettingValue<QString>(Key(i)).get();
        if (!path.isEmpty() && !m_files.contains(path))
            m_files.append(path);
    }
    emit changed();
}

void RecentFileList::scheduleSave()
{
    if (m_savePending)
        return;
    m_savePending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_savePending)
            save();
    });
}

void RecentFileList::save()
{
    m_savePending = false;
    QSettings profile(SettingValue<QString>::organization(), SettingValue<QString>::application());
    for (int i = 0; i < kSize; ++i) {
        if (i < m_files.size())
            profile.setValue(Key(i), m_files[i]);
        else
            profile.remove(Key(i));
    }
}
