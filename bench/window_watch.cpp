// SPDX-License-Identifier: GPL-3.0-or-later
// bench_window_watch QUIET_MS TIMEOUT_MS COMMAND [ARGUMENT...]: starts a program and watches it as
// a user would see it, whatever toolkit it is made with. Prints, in milliseconds from exec, when
// its first top-level window was mapped and when it went quiet (the last moment it used the
// processor before a stretch of QUIET_MS without any), and its peak memory in MB, on a line that
// starts "window-watch"; then ends it. Prints "timeout" in place of a figure that did not come
// within TIMEOUT_MS.
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The processor time the process has used, in clock ticks; -1 once it is gone.
long long cpuTicks(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    if (!std::getline(stat, text))
        return -1;
    // The fields after the command name, which is in parentheses and may hold blanks.
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long long user = 0;
    long long system = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14)
            user = std::atoll(field.c_str());
        if (i == 15)
            system = std::atoll(field.c_str());
    }
    return user + system;
}

double peakMegabytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024.0;
    }
    return 0;
}

bool isTopLevelMap(const xcb_generic_event_t *event, xcb_window_t root)
{
    if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
        return false;
    const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(event);
    return map->event == root && !map->override_redirect;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: bench_window_watch QUIET_MS TIMEOUT_MS COMMAND [ARGUMENT...]\n");
        return 2;
    }
    const double quietMs = std::atof(argv[1]);
    const double timeoutMs = std::atof(argv[2]);

    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "bench_window_watch: no display\n");
        return 2;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        // The program's own output would mix with the figures.
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execvp(argv[3], argv + 3);
        _exit(127);
    }

    double mappedAt = -1;
    double quietAt = -1;
    long long ticks = cpuTicks(pid);
    double lastBusy = 0;
    pollfd display{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (msSince(start) < timeoutMs) {
        poll(&display, 1, 5);
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            if (mappedAt < 0 && isTopLevelMap(event, root))
                mappedAt = msSince(start);
            std::free(event);
        }
        const long long now = cpuTicks(pid);
        if (now < 0 || waitpid(pid, nullptr, WNOHANG) == pid)
            break;
        if (now != ticks) {
            ticks = now;
            lastBusy = msSince(start);
        }
        if (mappedAt >= 0 && msSince(start) - lastBusy >= quietMs) {
            quietAt = std::max(lastBusy, mappedAt);
            break;
        }
    }
    const double peak = peakMegabytes(pid);
    kill(-pid, SIGTERM);
    kill(pid, SIGTERM);
    for (int i = 0; i < 100 && waitpid(pid, nullptr, WNOHANG) == 0; ++i)
        usleep(10000);
    kill(-pid, SIGKILL);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(connection);

    const auto figure = [](double ms) { return ms < 0 ? std::string("timeout") : std::to_string(ms); };
    std::printf("window-watch %s %s %.1f\n", figure(mappedAt).c_str(), figure(quietAt).c_str(), peak);
    return 0;
}
