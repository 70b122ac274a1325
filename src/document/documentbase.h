// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>

// The document half of our small document/view layer: path name, title and modified flag.
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

signals:
    void titleChanged(const QString& title);
    void modifiedChanged(bool modified);
    void pathNameChanged(const QString& path, bool addToRecent);

private:
    QString m_pathName;
    QString m_title;
    bool m_modified = false;
};
