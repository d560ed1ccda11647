// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstance.h"

#include "platform/LogCategories.h"
#include "platform/NativePath.h"
#include "platform/RequestConnection.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <system_error>
#include <unistd.h>

namespace {

const QLatin1String LockName("Kestrove.lock");
const QLatin1String SocketName("Kestrove.socket");
const QByteArray Accepted("OK");
constexpr int ListeningCheckMs = 1000;

QByteArray socketPath(const QString &folder)
{
    return QFile::encodeName(QDir(folder).filePath(SocketName));
}

// The socket's address; false when the path is too long for one.
bool addressOf(const QByteArray &path, sockaddr_un &address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return true;
}

// Waits until the socket is ready for the events or has been closed; false once the time is up.
bool waitFor(int fd, short events, qint64 timeoutMs)
{
    pollfd watched{fd, events, 0};
    for (;;) {
        const int ready = ::poll(&watched, 1, int(qMin<qint64>(timeoutMs, std::numeric_limits<int>::max())));
        if (ready >= 0 || errno != EINTR)
            return ready > 0;
    }
}

// A request is a path: absolute once the quotes that the shell may leave around it are removed.
bool looksLikePath(const QString &command)
{
    QString text = command;
    text.remove(QLatin1Char('"'));
    return text.startsWith(QLatin1Char('/'));
}

// A folder that holds the lock and the socket must be the user's alone: a real folder, not a link,
// owned by the user, with no access for anyone else.
bool isPrivateFolder(const QByteArray &folder)
{
    struct stat info = {};
    return ::lstat(folder.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid() &&
           (info.st_mode & 077) == 0;
}

// Anything but a regular file where the lock belongs (a folder, a link, a socket) is moved aside
// under a name of its own, so that the lock can be made and nothing that was there is lost.
void moveAsideFromLockPlace(const QByteArray &path)
{
    struct stat info = {};
    if (::lstat(path.constData(), &info) != 0 || S_ISREG(info.st_mode))
        return;
    for (int attempt = 1; attempt < 100; ++attempt) {
        const QByteArray aside = path + ".moved-aside-" + QByteArray::number(attempt);
        if (::renameat2(AT_FDCWD, path.constData(), AT_FDCWD, aside.constData(), RENAME_NOREPLACE) == 0) {
            qCWarning(logInstance) << "moved" << QFile::decodeName(path)
                                   << "aside, which is not a lock file, to" << QFile::decodeName(aside);
            return;
        }
        if (errno != EEXIST)
            break;
    }
    qCWarning(logInstance) << "cannot move" << QFile::decodeName(path)
                           << "aside, which is not a lock file:" << FileDescriptor::errorText(errno);
}

int openLock(const QByteArray &path)
{
    return ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
}

// Whether a copy listens on the socket; only a refused connection or a missing socket count as
// none, so that a copy is never taken for gone because this one is short of descriptors.
bool aCopyAnswers(const QByteArray &path)
{
    sockaddr_un address;
    if (!addressOf(path, address))
        return false;
    const FileDescriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!socket.valid())
        return true;
    if (::connect(socket.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
        return true;
    return errno != ECONNREFUSED && errno != ENOENT;
}

} // namespace

SingleInstance::SingleInstance(const QString &runtimeFolder, QObject *parent)
    : QObject(parent), m_folder(runtimeFolder)
{
}

SingleInstance::~SingleInstance()
{
    if (m_binding.valid())
        keep(m_binding.get());
    closeSocket();
}

QString SingleInstance::defaultRuntimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isPrivateFolder(QFile::encodeName(runtime)))
        return runtime;
    const QString shared = QDir::temp().filePath(QStringLiteral("kestrove-%1").arg(::getuid()));
    ::mkdir(QFile::encodeName(shared).constData(), 0700);
    if (isPrivateFolder(QFile::encodeName(shared)))
        return shared;
    const QString own = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
                            .filePath(QStringLiteral("Kestrove"));
    qCWarning(logInstance) << shared << "is not a private folder of this user; using" << own << "instead";
    QDir().mkpath(own);
    QFile::setPermissions(own, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return own;
}

bool SingleInstance::tryBecomeFirst()
{
    if (m_lock.valid())
        return true;
    QDir().mkpath(m_folder);
    // The lock is a file lock on a file that stays: the system drops it with the process however
    // the process ends, so a copy that died leaves nothing stale, and two copies starting together
    // lock the same file, of which only one can hold it. Nothing is synced to disk: the lock lives
    // only as long as the copy does.
    const QByteArray path = QFile::encodeName(QDir(m_folder).filePath(LockName));
    moveAsideFromLockPlace(path);
    FileDescriptor lock(openLock(path));
    const int openError = lock.valid() ? 0 : errno;
    // A lock file this user may not open (made read-only by another tool, or owned by root) would
    // lock the user out for good: unless a running copy answers on the socket, it is replaced.
    if ((openError == EACCES || openError == EPERM) && !aCopyAnswers(socketPath(m_folder))) {
        qCWarning(logInstance) << "replacing the lock file" << QFile::decodeName(path)
                               << "that cannot be opened:" << FileDescriptor::errorText(openError);
        ::unlink(path.constData());
        lock.reset(openLock(path));
    }
    const bool locked = lock.valid() && ::flock(lock.get(), LOCK_EX | LOCK_NB) == 0;
    if (!locked) {
        // Held by a running copy is the ordinary case; a lock file that can be neither opened nor
        // replaced (immutable, on a read-only file system) guards nothing, and with no copy to
        // answer, a window run now could not stop the next start from writing the same lists.
        const int error = errno;
        if (error != EWOULDBLOCK && !aCopyAnswers(socketPath(m_folder)))
            m_lockProblem =
                QStringLiteral("%1: %2").arg(QFile::decodeName(path), FileDescriptor::errorText(error));
        return false;
    }
    m_lock.reset(lock.release());
    try {
        m_binding = std::async(std::launch::async, &SingleInstance::bindSocketAt, socketPath(m_folder));
    } catch (const std::system_error &) {
        // Without a thread to spare, listen() makes the socket itself.
    }
    return true;
}

bool SingleInstance::listen()
{
    if (!m_lock.valid())
        return false;
    if (m_listener.valid())
        return true;
    keep(m_binding.valid() ? m_binding.get() : bindSocketAt(socketPath(m_folder)));
    if (!watchSocket())
        // Without the socket later copies cannot hand over paths, but this copy still runs.
        return false;
    if (!m_watchdog) {
        m_watchdog = new QTimer(this);
        m_watchdog->setInterval(ListeningCheckMs);
        connect(m_watchdog, &QTimer::timeout, this, &SingleInstance::checkSocket);
        m_watchdog->start();
    }
    return true;
}

SingleInstance::BoundSocket SingleInstance::bindSocketAt(const QByteArray &path)
{
    BoundSocket socket;
    sockaddr_un address;
    if (!addressOf(path, address))
        return socket;
    // Holding the lock means any socket still there was left by a crashed copy.
    ::unlink(path.constData());
    FileDescriptor listener(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!listener.valid() ||
        ::bind(listener.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0)
        return socket;
    struct stat info = {};
    // Only the user may connect, in a folder that is the user's alone as well.
    if (::chmod(path.constData(), 0600) != 0 || ::listen(listener.get(), SOMAXCONN) != 0 ||
        ::lstat(path.constData(), &info) != 0) {
        ::unlink(path.constData());
        return socket;
    }
    socket.listener = std::move(listener);
    socket.device = info.st_dev;
    socket.inode = info.st_ino;
    return socket;
}

void SingleInstance::keep(BoundSocket socket)
{
    m_listener = std::move(socket.listener);
    m_socketDevice = socket.device;
    m_socketInode = socket.inode;
}

bool SingleInstance::watchSocket()
{
    if (!m_listener.valid())
        return false;
    m_listening = new QSocketNotifier(m_listener.get(), QSocketNotifier::Read, this);
    connect(m_listening, &QSocketNotifier::activated, this, &SingleInstance::acceptConnections);
    return true;
}

void SingleInstance::closeSocket()
{
    if (!m_listener.valid())
        return;
    delete m_listening;
    m_listening = nullptr;
    m_listener.reset();
    // The file goes with the copy that made it, not one that replaced it meanwhile.
    const QByteArray path = socketPath(m_folder);
    struct stat info = {};
    if (::lstat(path.constData(), &info) == 0 && info.st_dev == m_socketDevice &&
        info.st_ino == m_socketInode)
        ::unlink(path.constData());
}

void SingleInstance::checkSocket()
{
    // A socket file removed from under the copy (by a cleaner of temporary files, say) is made
    // again, and a socket left resting for want of descriptors takes connections again.
    struct stat info = {};
    const QByteArray path = socketPath(m_folder);
    // A socket put there by another copy (one started after the lock file was removed, say) is
    // left to it, so that the two do not take the name from each other every second.
    if (::lstat(path.constData(), &info) != 0 && errno == ENOENT) {
        closeSocket();
        keep(bindSocketAt(path));
        watchSocket();
    } else if (m_listening && !m_listening->isEnabled()) {
        m_listening->setEnabled(true);
    }
}

void SingleInstance::acceptConnections()
{
    for (;;) {
        // With every place taken, a client that has gone idle makes room; one that is handing over
        // its request is never cut off: further connections wait in the socket's queue until a
        // place is free.
        if (openClients() >= MaxClients && !dropIdleClient()) {
            restUntilIdle();
            return;
        }
        const int fd = ::accept4(m_listener.get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
                // No descriptor for the waiting connection: an idle one makes room, or the socket
                // rests a moment instead of waking the program for the same connection again and
                // again.
                if (dropIdleClient())
                    continue;
                restUntilIdle();
            }
            return;
        }
        auto *client = new RequestConnection(fd, MaxRequestBytes, ClientTimeoutMs, this);
        m_clients.append(client);
        connect(client, &RequestConnection::dropped, client, &QObject::deleteLater);
        connect(client, &RequestConnection::dropped, this, &SingleInstance::placeFreed);
        connect(client, &RequestConnection::requestReceived, this,
                [this, client](const QByteArray &request) { serve(client, request); });
    }
}

qsizetype SingleInstance::openClients()
{
    m_clients.removeIf(
        [](const QPointer<RequestConnection> &client) { return !client || !client->isOpen(); });
    return m_clients.size();
}

bool SingleInstance::dropIdleClient()
{
    // Requests that have arrived but not yet been read are served first: their clients are done.
    const qsizetype open = openClients();
    for (const QPointer<RequestConnection> &client : QList(m_clients)) {
        if (client)
            client->readAvailable();
    }
    if (openClients() < open)
        return true;
    for (const QPointer<RequestConnection> &client : std::as_const(m_clients)) {
        if (!client->hasSentAnything() && client->ageMs() >= IdleGraceMs) {
            client->drop();
            return true;
        }
    }
    return false;
}

void SingleInstance::restUntilIdle()
{
    // By then the connections kept now may have gone idle and can make room.
    m_listening->setEnabled(false);
    QTimer::singleShot(IdleGraceMs, this, &SingleInstance::placeFreed);
}

void SingleInstance::placeFreed()
{
    if (m_listening && !m_listening->isEnabled())
        m_listening->setEnabled(true);
}

void SingleInstance::serve(RequestConnection *client, const QByteArray &request)
{
    const QString command = NativePath::fromBytes(request);
    if (!looksLikePath(command)) {
        client->drop();
        return;
    }
    client->answer(Accepted);
    client->deleteLater();
    placeFreed();
    // Opening the path may take a while (a large folder): the clients still waiting are answered
    // first.
    QMetaObject::invokeMethod(
        this, [this, command] { Q_EMIT executeRequested(command); }, Qt::QueuedConnection);
}

bool SingleInstance::offerOnce(const sockaddr_un &address, const QByteArray &request, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    const auto remaining = [&] { return qMax<qint64>(0, timeoutMs - clock.elapsed()); };
    FileDescriptor socket;
    // The first copy may still be starting: it takes the lock before it listens.
    for (;;) {
        socket.reset(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
        if (socket.valid() &&
            ::connect(socket.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
            break;
        if (remaining() == 0)
            return false;
        QThread::msleep(20);
    }
    for (qsizetype sent = 0; sent < request.size();) {
        if (!waitFor(socket.get(), POLLOUT, remaining()))
            return false;
        const ssize_t length =
            ::send(socket.get(), request.constData() + sent, size_t(request.size() - sent), MSG_NOSIGNAL);
        if (length < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        sent += qMax<ssize_t>(0, length);
    }
    QByteArray reply;
    while (reply.size() < Accepted.size() && waitFor(socket.get(), POLLIN, remaining())) {
        char chunk[16];
        const ssize_t length = ::recv(socket.get(), chunk, sizeof chunk, 0);
        if (length < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        if (length <= 0)
            break;
        reply.append(chunk, qsizetype(length));
    }
    return reply.startsWith(Accepted);
}

bool SingleInstance::offerToRunning(const QString &runtimeFolder, const QString &path, int timeoutMs)
{
    QByteArray request = NativePath::toBytes(path);
    sockaddr_un address;
    if (request.isEmpty() || request.size() > MaxRequestBytes || request.contains('\0') ||
        !addressOf(socketPath(runtimeFolder), address))
        return false;
    request.append('\0');
    // The running copy answers once it has taken the path; a connection it closed without an
    // answer (it was too busy to keep it, or it was ending) is tried again while time is left.
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0)
            return false;
        if (offerOnce(address, request, int(left)))
            return true;
        QThread::msleep(20);
    }
}
