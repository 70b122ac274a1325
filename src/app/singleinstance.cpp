// SPDX-License-Identifier: GPL-3.0-or-later
#include "singleinstance.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <poll.h>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr quint32 kMagic = 0x43554c32; // "CUL2"
constexpr quint32 kMaxFiles = 10000;
constexpr char kTaken = 'k';   // running editor: I take these files
constexpr char kConfirm = 'y'; // later start: they are yours, I end
constexpr char kGiveUp = 'n';  // later start: I open them myself

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

// Closes its descriptor on every way out of the hand-over.
class Descriptor final
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Q_DISABLE_COPY_MOVE(Descriptor)
    int get() const { return m_fd; }

private:
    int m_fd;
};

bool WaitFor(int fd, short events, const QDeadlineTimer& deadline)
{
    for (;;) {
        pollfd entry{fd, events, 0};
        const int left = int(qMin<qint64>(deadline.remainingTime(), 60000));
        const int ready = ::poll(&entry, 1, left);
        if (ready > 0)
            return (entry.revents & events) != 0;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

bool SendAll(int fd, const QByteArray& bytes, const QDeadlineTimer& deadline)
{
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.constData() + sent, size_t(bytes.size() - sent),
                                 MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            sent += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && WaitFor(fd, POLLOUT, deadline))
            continue;
        return false;
    }
    return true;
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
    // Plain sockets: this runs before any application object exists.
    const QByteArray name = serverName().toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || size_t(name.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0)
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    if (::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) !=
        0) {
        int error = 0;
        socklen_t length = sizeof(error);
        if (errno != EINPROGRESS)
            return false; // nobody listens, or nobody accepts more
        if (!WaitFor(socket.get(), POLLOUT, deadline) ||
            ::getsockopt(socket.get(), SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0)
            return false;
    }

    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << quint32(files.size());
    for (const QString& file : files)
        out << file;
    if (message.size() > kMaxMessage)
        return false;

    char answer = 0;
    bool taken = SendAll(socket.get(), message, deadline);
    while (taken) {
        const ssize_t n = ::recv(socket.get(), &answer, 1, MSG_DONTWAIT);
        if (n == 1)
            break;
        if ((n < 0 && errno == EINTR) || (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) &&
                                          WaitFor(socket.get(), POLLIN, deadline)))
            continue;
        taken = false; // closed, refused or timed out
    }
    taken = taken && answer == kTaken;
    // The confirmation decides: once it is sent the running editor opens the files, and
    // without it it does not. A give-up that cannot be sent is told by the close.
    const char last = taken ? kConfirm : kGiveUp;
    return ::send(socket.get(), &last, 1, MSG_NOSIGNAL | MSG_DONTWAIT) == 1 && taken;
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
        // Over the limit a connection is closed at once, so idle ones can neither use up
        // the descriptors nor make the server give up its socket.
        if (m_connections >= kMaxConnections) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++m_connections;
        connect(socket, &QObject::destroyed, this, [this] { --m_connections; });
        serve(socket);
    }
}

void SingleInstance::serve(QLocalSocket* socket)
{
    // What the editor knows of one hand-over; lives as long as the socket's handlers.
    struct Exchange
    {
        bool requested = false;
        QStringList files;
    };
    const auto exchange = std::make_shared<Exchange>();
    const auto drop = [socket] {
        socket->abort();
        socket->deleteLater();
    };
    socket->setReadBufferSize(kMaxMessage + 1);
    QTimer::singleShot(m_timeoutMs, socket, drop);
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);

    const auto onReadyRead = [this, socket, exchange, drop] {
        if (!exchange->requested) {
            if (socket->bytesAvailable() > kMaxMessage) {
                drop();
                return;
            }
            QDataStream in(socket);
            in.setVersion(QDataStream::Qt_6_0);
            in.startTransaction();
            quint32 magic = 0;
            quint32 count = 0;
            in >> magic >> count;
            if (in.status() == QDataStream::Ok && (magic != kMagic || count > kMaxFiles)) {
                drop();
                return;
            }
            QStringList files;
            for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
                QString file;
                in >> file;
                files << file;
            }
            if (!in.commitTransaction()) {
                if (in.status() == QDataStream::ReadCorruptData)
                    drop();
                return; // the rest is still on its way
            }
            exchange->requested = true;
            exchange->files = files;
            socket->putChar(kTaken);
            socket->flush();
        }
        char answer = 0;
        if (!socket->getChar(&answer))
            return;
        drop();
        if (answer == kConfirm)
            emit filesReceived(exchange->files);
    };
    connect(socket, &QLocalSocket::readyRead, socket, onReadyRead);
    if (socket->bytesAvailable() > 0)
        onReadyRead();
}
