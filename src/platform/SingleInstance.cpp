// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"

#include "NativePath.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <limits>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QLatin1String LockName("Kestrove.lock");
const QLatin1String SocketName("Kestrove.socket");
const QByteArray Accepted("OK");
constexpr int UnreadableLockAgeSeconds = 3;
constexpr int ListeningCheckMs = 1000;

QString socketPath(const QString &folder)
{
    return QDir(folder).filePath(SocketName);
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

SingleInstance::~SingleInstance() = default;

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
    if (m_server)
        return true;
    // Holding the lock means any socket still there was left by a crashed copy.
    QLocalServer::removeServer(socketPath(m_folder));
    auto *server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(socketPath(m_folder))) {
        // Without the socket later copies cannot hand over paths, but this copy still runs.
        delete server;
        return false;
    }
    m_server = server;
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
    if (!m_watchdog) {
        // The server closes itself, socket file and all, when it cannot accept a connection (no
        // descriptors left); it is brought back as soon as that is seen.
        m_watchdog = new QTimer(this);
        m_watchdog->setInterval(ListeningCheckMs);
        connect(m_watchdog, &QTimer::timeout, this, [this] {
            if (m_server && !m_server->isListening())
                listenAgain();
        });
        m_watchdog->start();
    }
    return true;
}

void SingleInstance::listenAgain()
{
    // The server gives up when it cannot accept a connection; later copies still need it.
    m_server->deleteLater();
    m_server = nullptr;
    listen();
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        // Idle connections are dropped, the oldest first when too many are open, so that they
        // cannot use up the descriptors that later hand-overs need.
        m_clients.removeAll(nullptr);
        if (m_clients.size() >= MaxClients) {
            QLocalSocket *oldest = m_clients.takeFirst();
            oldest->abort();
            oldest->deleteLater();
        }
        m_clients.append(socket);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        QTimer::singleShot(ClientTimeoutMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        readRequest(socket);
    }
}

void SingleInstance::readRequest(QLocalSocket *socket)
{
    QByteArray buffer = socket->property("request").toByteArray();
    buffer += socket->read(MaxRequestBytes + 1 - buffer.size());
    const qsizetype end = buffer.indexOf('\0');
    if (end < 0) {
        if (buffer.size() > MaxRequestBytes)
            socket->abort();
        else
            socket->setProperty("request", buffer);
        return;
    }
    socket->setProperty("request", QVariant());
    const QString command = NativePath::fromBytes(buffer.left(end));
    if (!looksLikePath(command)) {
        socket->abort();
        return;
    }
    socket->write(Accepted);
    socket->flush();
    socket->disconnectFromServer();
    Q_EMIT executeRequested(command);
}

bool SingleInstance::offerToRunning(const QString &runtimeFolder, const QString &path, int timeoutMs)
{
    QByteArray request = NativePath::toBytes(path);
    if (request.isEmpty() || request.size() > MaxRequestBytes || request.contains('\0'))
        return false;
    request.append('\0');

    QElapsedTimer clock;
    clock.start();
    QLocalSocket socket;
    // The first copy may still be starting: it takes the lock before it listens.
    for (;;) {
        socket.connectToServer(socketPath(runtimeFolder));
        if (socket.waitForConnected(100))
            break;
        if (clock.elapsed() >= timeoutMs)
            return false;
        QThread::msleep(20);
    }
    socket.write(request);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    QByteArray reply;
    while (reply.size() < Accepted.size() &&
           socket.waitForReadyRead(qMax(1, int(timeoutMs - clock.elapsed()))))
        reply += socket.readAll();
    return reply.startsWith(Accepted);
}
