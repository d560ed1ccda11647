// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"

#include "NativePath.h"
#include "RequestConnection.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <limits>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QLatin1String LockName("Kestrove.lock");
const QLatin1String SocketName("Kestrove.socket");
const QByteArray Accepted("OK");
constexpr int UnreadableLockAgeSeconds = 3;
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

// The program a process runs, by the link to its executable.
QByteArray executableOf(const QByteArray &process)
{
    char target[4096];
    const ssize_t length = ::readlink(("/proc/" + process + "/exe").constData(), target, sizeof target);
    return length > 0 ? QByteArray(target, qsizetype(length)) : QByteArray();
}

// True when the process is a copy of this program run by this user.
bool isLiveCopy(qint64 pid)
{
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max() || ::kill(pid_t(pid), 0) != 0)
        return false;
    const QByteArray process = QByteArray::number(pid);
    struct stat info = {};
    if (::stat(("/proc/" + process).constData(), &info) != 0 || info.st_uid != ::getuid())
        return false;
    QFile comm(QString::fromLatin1("/proc/" + process + "/comm"));
    const QByteArray name = comm.open(QIODevice::ReadOnly) ? comm.readAll().trimmed() : QByteArray();
    return name == "kestrove" || executableOf(process) == executableOf("self");
}

// A lock file that no live copy holds is removed, whatever it holds: the number of a process that
// has ended or belongs to another program, a folder in its place, or (once it is a few seconds
// old) nothing readable. A copy holding the lock keeps a file lock on it, which a stale file never
// has; a copy taking the lock writes its number right after creating the file, which is why a
// fresh file without a number is left alone.
void removeStaleLock(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info = {};
    if (::lstat(native.constData(), &info) != 0)
        return;
    if (S_ISDIR(info.st_mode)) {
        QDir(path).removeRecursively();
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        ::unlink(native.constData());
        return;
    }
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    char text[64] = {};
    const ssize_t length = held ? 0 : ::read(fd, text, sizeof text - 1);
    ::close(fd);
    if (held)
        return;
    bool number = false;
    const qint64 pid =
        QByteArray(text, qsizetype(qMax<ssize_t>(0, length))).split('\n').value(0).toLongLong(&number);
    const bool settled = std::time(nullptr) - info.st_mtime >= UnreadableLockAgeSeconds;
    if (number ? !isLiveCopy(pid) : settled)
        ::unlink(native.constData());
}

} // namespace

SingleInstance::SingleInstance(const QString &runtimeFolder, QObject *parent)
    : QObject(parent), m_folder(runtimeFolder)
{
}

SingleInstance::~SingleInstance()
{
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
    std::fprintf(stderr, "kestrove: %s is not a private folder of this user; using %s instead\n",
                 qPrintable(shared), qPrintable(own));
    QDir().mkpath(own);
    QFile::setPermissions(own, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return own;
}

bool SingleInstance::tryBecomeFirst()
{
    if (m_lock)
        return true;
    QDir().mkpath(m_folder);
    // QLockFile notices a lock left by a copy that died and takes it over.
    const QString lockPath = QDir(m_folder).filePath(LockName);
    removeStaleLock(lockPath);
    m_lock = std::make_unique<QLockFile>(lockPath);
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        m_lock.reset();
        return false;
    }
    return true;
}

bool SingleInstance::listen()
{
    if (!m_lock)
        return false;
    if (m_listener.valid())
        return true;
    if (!bindSocket())
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

bool SingleInstance::bindSocket()
{
    const QByteArray path = socketPath(m_folder);
    sockaddr_un address;
    if (!addressOf(path, address))
        return false;
    // Holding the lock means any socket still there was left by a crashed copy.
    ::unlink(path.constData());
    FileDescriptor listener(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!listener.valid() ||
        ::bind(listener.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0)
        return false;
    struct stat info = {};
    // Only the user may connect, in a folder that is the user's alone as well.
    if (::chmod(path.constData(), 0600) != 0 || ::listen(listener.get(), SOMAXCONN) != 0 ||
        ::lstat(path.constData(), &info) != 0) {
        ::unlink(path.constData());
        return false;
    }
    m_socketDevice = info.st_dev;
    m_socketInode = info.st_ino;
    m_listener.reset(listener.release());
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
    const bool ours = ::lstat(path.constData(), &info) == 0 && info.st_dev == m_socketDevice &&
                      info.st_ino == m_socketInode;
    if (!ours) {
        delete m_listening;
        m_listening = nullptr;
        m_listener.reset();
        bindSocket();
    } else if (m_listening && !m_listening->isEnabled()) {
        m_listening->setEnabled(true);
    }
}

void SingleInstance::acceptConnections()
{
    for (;;) {
        const int fd = ::accept4(m_listener.get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
                // No descriptor for the waiting connection: an idle one makes room, or, when this
                // copy holds none, the socket rests until the watchdog's next look instead of
                // waking the program for the same connection again and again.
                if (dropOldestClient())
                    continue;
                m_listening->setEnabled(false);
            }
            return;
        }
        // Idle connections are dropped, the oldest first when too many are open, so that they
        // cannot use up the descriptors that later hand-overs need.
        if (m_clients.size() >= MaxClients)
            dropOldestClient();
        auto *client = new RequestConnection(fd, MaxRequestBytes, ClientTimeoutMs, this);
        m_clients.append(client);
        connect(client, &RequestConnection::dropped, client, &QObject::deleteLater);
        connect(client, &RequestConnection::requestReceived, this,
                [this, client](const QByteArray &request) { serve(client, request); });
    }
}

bool SingleInstance::dropOldestClient()
{
    m_clients.removeAll(nullptr);
    while (!m_clients.isEmpty()) {
        RequestConnection *oldest = m_clients.takeFirst();
        if (oldest->isOpen()) {
            oldest->drop();
            return true;
        }
    }
    return false;
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
    Q_EMIT executeRequested(command);
}

bool SingleInstance::offerToRunning(const QString &runtimeFolder, const QString &path, int timeoutMs)
{
    QByteArray request = NativePath::toBytes(path);
    sockaddr_un address;
    if (request.isEmpty() || request.size() > MaxRequestBytes || request.contains('\0') ||
        !addressOf(socketPath(runtimeFolder), address))
        return false;
    request.append('\0');

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
