// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// One running editor per user session. The running editor listens on a local socket in the
// user's private runtime folder; a later start hands its file names over and ends.
//
// A hand-over takes three steps, so that the files open in exactly one editor even when
// either side stalls: the later start sends the names, the running editor answers that it
// takes them, the later start confirms and ends. The running editor opens them only on the
// confirmation; a later start that gave up waiting says so (or just closes) and opens them
// itself. Connections are few, small and short-lived: others are dropped. GUI thread only,
// except handOver, which any thread may call and which needs no application object.
class SingleInstance final : public QObject
{
    Q_OBJECT
public:
    // Connections served at once; later ones are closed at once.
    static constexpr int kMaxConnections = 8;
    // Bytes one hand-over may take; a larger one is not from a start of this program.
    static constexpr qint64 kMaxMessage = 1024 * 1024;

    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;
    Q_DISABLE_COPY_MOVE(SingleInstance)

    // The socket of this user session: the runtime folder and the display.
    static QString serverName();

    // Gives files (absolute paths, possibly none) to the running editor. True once it has
    // taken them; false when no editor takes them within timeoutMs, which the running
    // editor then learns: the caller must open the files itself.
    static bool handOver(const QStringList& files, int timeoutMs = 5000);

    // Starts answering later starts. False when another editor answers already, or the
    // socket cannot be made (the editor then simply runs on its own).
    bool listen();

    // How long a connection may take from its start to its confirmation; 10 s unless set.
    void setConnectionTimeout(int ms) { m_timeoutMs = ms; }

    // Connections open now (tests watch the limits with it).
    int connectionCount() const { return m_connections; }

signals:
    // Files handed over by a later start; empty when it named none.
    void filesReceived(const QStringList& files);

private:
    void onNewConnection();
    void serve(QLocalSocket* socket);

    QLocalServer* m_server;
    int m_connections = 0;
    int m_timeoutMs = 10000;
};
