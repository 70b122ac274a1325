// SPDX-License-Identifier: GPL-3.0-or-later
#include "documentbase.h"

#include "documentview.h"

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

void DocumentBase::addView(DocumentView* view)
{
    if (view && !m_views.contains(view))
        m_views.append(view);
}

void DocumentBase::removeView(DocumentView* view)
{
    m_views.removeAll(view);
}

void DocumentBase::updateAllViews(DocumentView* sender)
{
    const QList<DocumentView*> views = m_views;
    for (DocumentView* view : views)
        if (view != sender)
            view->OnUpdate();
}
