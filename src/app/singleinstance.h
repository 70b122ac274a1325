// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// One running editor per user session. The running editor listens on a local socket in the
// user's private runtime folder; a later start hands its file names over and ends. GUI
// thread only.
class SingleInstance final : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;
    Q_DISABLE_COPY_MOVE(SingleInstance)

    // The socket of this user session: the runtime folder and the display.
    static QString serverName();

    // Gives files (absolute paths, possibly none) to the running editor. True once it has
    // taken them; false when no editor answers within timeoutMs.
    static bool handOver(const QStringList& files, int timeoutMs = 5000);

    // Starts answering later starts. False when another editor answers already, or the
    // socket cannot be made (the editor then simply runs on its own).
    bool listen();

signals:
    // Files handed over by a later start; empty when it named none.
    void filesReceived(const QStringList& files);

private:
    void onNewConnection();
    void onReadyRead(QLocalSocket* socket);

    QLocalServer* m_server;
};
