// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UnixSignalWatcher.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

// A logout, a closed terminal and Ctrl+C all end the program the ordinary way.
constexpr int Watched[] = {SIGTERM, SIGINT, SIGHUP};

// Only async-signal-safe calls here: the number is written to the pipe and read in the event loop.
void onSignal(int signalNumber)
{
    const char number = static_cast<char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &number, 1);
}

} // namespace

UnixSignalWatcher::UnixSignalWatcher(QObject *parent) : QObject(parent)
{
    if (signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    m_notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UnixSignalWatcher::readSignal);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int watched : Watched)
        ::sigaction(watched, &action, nullptr);
}

UnixSignalWatcher::~UnixSignalWatcher()
{
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    for (int watched : Watched)
        ::sigaction(watched, &action, nullptr);
}

void UnixSignalWatcher::readSignal()
{
    char number = 0;
    if (::read(signalPipe[1], &number, 1) == 1)
        Q_EMIT terminationRequested(number);
}
