// SPDX-License-Identifier: GPL-3.0-or-later
#include "singleinstance.h"

#include <QDataStream>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <unistd.h>

namespace {

constexpr quint32 kMagic = 0x43554c31; // "CUL1"
constexpr char kTaken = 'k';
// A hand-over larger than this is not from a start of this program.
constexpr qint64 kMaxMessage = 4 * 1024 * 1024;
constexpr quint32 kMaxFiles = 10000;

QString SessionKey()
{
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        return QStringLiteral("default");
    for (QChar& c : display)
        if (!c.isLetterOrNumber())
            c = QLatin1Char('_');
    return display;
}

} // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent), m_server(new QLocalServer(this))
{
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName()
{
    // The runtime folder is the user's own (mode 0700, checked by Qt, which makes one under
    // /tmp when the session has none), so no other user can reach the socket.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        return QString();
    return folder + QStringLiteral("/cuelist-studio-%1-%2").arg(getuid()).arg(SessionKey());
}

bool SingleInstance::handOver(const QStringList& files, int timeoutMs)
{
    const QString name = serverName();
    if (name.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << quint32(files.size());
    for (const QString& file : files)
        out << file;
    socket.write(message);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (socket.bytesAvailable() < 1)
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    char answer = 0;
    return socket.getChar(&answer) && answer == kTaken;
}

bool SingleInstance::listen()
{
    const QString name = serverName();
    if (name.isEmpty())
        return false;
    if (m_server->listen(name))
        return true;
    if (m_server->serverError() != QAbstractSocket::AddressInUseError)
        return false;
    // Someone answers: another editor started at the same time. Nobody: a socket left
    // behind by an editor that did not end normally.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(1000))
        return false;
    QLocalServer::removeServer(name);
    return m_server->listen(name);
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        if (socket->bytesAvailable() > 0)
            onReadyRead(socket);
    }
}

void SingleInstance::onReadyRead(QLocalSocket* socket)
{
    if (socket->bytesAvailable() > kMaxMessage) {
        socket->abort();
        return;
    }
    QDataStream in(socket);
    in.setVersion(QDataStream::Qt_6_0);
    in.startTransaction();
    quint32 magic = 0;
    quint32 count = 0;
    in >> magic >> count;
    if (in.status() == QDataStream::Ok && (magic != kMagic || count > kMaxFiles)) {
        socket->abort();
        return;
    }
    QStringList files;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QString file;
        in >> file;
        files << file;
    }
    if (!in.commitTransaction())
        return; // the rest is still on its way
    socket->putChar(kTaken);
    socket->flush();
    socket->disconnectFromServer();
    emit filesReceived(files);
}
