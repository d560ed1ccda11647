// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileDescriptor.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <future>

class QSocketNotifier;
struct sockaddr_un;
class QTimer;
class RequestConnection;

// One copy of the program per user. The first copy holds a file lock and listens on a local socket
// in a folder only the user can reach; a later copy offers its path there as an execute request.
//
// Neither QLockFile nor QLocalServer is used. QLockFile syncs its file to disk on every start (some
// milliseconds where the runtime folder is on a disk) and judges a lock stale by the process number
// written in it and its age, so a lock left empty by a copy that died while making it would stop
// every start for half a minute; a lock held with flock() is free the moment its holder is gone.
// QLocalServer needs QtNetwork, which the program does not otherwise load and which would slow
// every start, the hand-overs included; and when it cannot accept a connection (no descriptor
// left) it stops listening and removes the socket file, where this copy makes room instead.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // Largest request accepted: a path can be at most PATH_MAX bytes, plus room for quotes.
    static constexpr qsizetype MaxRequestBytes = 8192;
    // Connections served at once, and how long one may stay without handing over its request.
    static constexpr int MaxClients = 16;
    static constexpr int ClientTimeoutMs = 2000;
    // A connection that has sent nothing for this long may make room for another.
    static constexpr int IdleGraceMs = 250;

    explicit SingleInstance(const QString &runtimeFolder, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock; false when another copy holds it. Needs no application object, so that a
    // copy that only hands over a path never opens a window. Once the lock is taken, the socket is
    // made on a thread of its own while the caller goes on: making its file waits on the file
    // system, a millisecond or more when a disk-backed runtime folder is busy.
    bool tryBecomeFirst();
    bool isFirst() const { return m_lock.valid(); }
    // Why the lock could be neither taken nor replaced while no copy runs (the file and the
    // system's reason); empty when a copy holds it or it was taken.
    QString lockProblem() const { return m_lockProblem; }
    // Starts taking execute requests; call once the application object exists. Requests sent
    // since the lock was taken wait for it.
    bool listen();

    // Hands a path to the running copy; true once that copy has accepted it. A copy too busy to
    // take it at once is asked again until the time is up.
    static bool offerToRunning(const QString &runtimeFolder, const QString &path, int timeoutMs);

    // $XDG_RUNTIME_DIR, or /tmp/kestrove-UID when that is a private folder of the user's, or else
    // ~/.cache/Kestrove.
    static QString defaultRuntimeFolder();

Q_SIGNALS:
    void executeRequested(const QString &command);

private:
    // A socket bound to the file, listening, and the file it made.
    struct BoundSocket
    {
        FileDescriptor listener;
        quint64 device = 0;
        quint64 inode = 0;
    };
    static BoundSocket bindSocketAt(const QByteArray &path);
    void keep(BoundSocket socket);
    // Takes connections on the kept socket; false when there is none.
    bool watchSocket();
    void closeSocket();
    void checkSocket();
    void acceptConnections();
    qsizetype openClients();
    // Closes connections that are done, else one that has gone idle; false when none was closed.
    bool dropIdleClient();
    void restUntilIdle();
    void placeFreed();
    void serve(RequestConnection *client, const QByteArray &request);
    static bool offerOnce(const sockaddr_un &address, const QByteArray &request, int timeoutMs);

    QString m_folder;
    QString m_lockProblem;
    FileDescriptor m_lock;
    FileDescriptor m_listener;
    QSocketNotifier *m_listening = nullptr;
    // The socket file this copy made, to notice when it is removed or replaced.
    quint64 m_socketDevice = 0;
    quint64 m_socketInode = 0;
    std::future<BoundSocket> m_binding;
    QTimer *m_watchdog = nullptr;
    QList<QPointer<RequestConnection>> m_clients;
};
