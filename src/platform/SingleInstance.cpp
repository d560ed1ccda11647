// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <unistd.h>

namespace {

const QLatin1String LockName("Kestrove.lock");
const QLatin1String SocketName("Kestrove.socket");
const QByteArray Accepted("OK");

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

} // namespace

SingleInstance::SingleInstance(const QString &runtimeFolder, QObject *parent)
    : QObject(parent), m_folder(runtimeFolder)
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultRuntimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir() && QFileInfo(runtime).ownerId() == getuid())
        return runtime;
    const QString folder = QDir::temp().filePath(QStringLiteral("kestrove-%1").arg(getuid()));
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return folder;
}

bool SingleInstance::tryBecomeFirst()
{
    if (m_lock)
        return true;
    QDir().mkpath(m_folder);
    // QLockFile notices a lock left by a copy that died and takes it over.
    m_lock = std::make_unique<QLockFile>(QDir(m_folder).filePath(LockName));
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
    return true;
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
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
    const QString command = QString::fromUtf8(buffer.left(end));
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
    QByteArray request = path.toUtf8();
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
