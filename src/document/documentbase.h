// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>

class DocumentView;

// The document half of our small document/view layer: path name, title, modified flag
// and the views that show the document. Views are not owned.
class DocumentBase : public QObject
{
    Q_OBJECT
public:
    explicit DocumentBase(QObject* parent = nullptr);
    ~DocumentBase() override;
    Q_DISABLE_COPY_MOVE(DocumentBase)

    QString pathName() const { return m_pathName; }
    // Sets the path and the title (the file name); addToRecent reports it for the recent list.
    void setPathName(const QString& path, bool addToRecent = true);

    QString title() const { return m_title; }
    virtual void setTitle(const QString& title);

    bool isModified() const { return m_modified; }
    void setModifiedFlag(bool modified = true);

    void addView(DocumentView* view);
    void removeView(DocumentView* view);
    const QList<DocumentView*>& views() const { return m_views; }
    DocumentView* firstView() const { return m_views.isEmpty() ? nullptr : m_views.first(); }
    // Calls OnUpdate on every view but the sender.
    void updateAllViews(DocumentView* sender = nullptr);

signals:
    void titleChanged(const QString& title);
    void modifiedChanged(bool modified);
    void pathNameChanged(const QString& path, bool addToRecent);

private:
    QString m_pathName;
    QString m_title;
    bool m_modified = false;
    QList<DocumentView*> m_views;
};
