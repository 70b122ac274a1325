// SPDX-License-Identifier: GPL-3.0-or-later
#include "documentbase.h"

#include <QFileInfo>

DocumentBase::DocumentBase(QObject* parent) : QObject(parent) {}

DocumentBase::~DocumentBase() = default;

void DocumentBase::setPathName(const QString& path, bool addToRecent)
{
    m_pathName = path;
    setTitle(QFileInfo(path).fileName());
    emit pathNameChanged(path, addToRecent);
}

void DocumentBase::setTitle(const QString& title)
{
    m_title = title;
    emit titleChanged(title);
}

void DocumentBase::setModifiedFlag(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}
