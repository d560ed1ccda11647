// SPDX-License-Identifier: GPL-3.0-or-later
// bench_window_watch [--key NAME]... QUIET_MS TIMEOUT_MS COMMAND [ARGUMENT...]: starts a program and
// watches it as a user would see it, whatever toolkit it is made with, until it has settled: no
// damage on the screen (XDamage on the root window, which takes in every window) and no use of the
// processor by the program and the processes it started (ProcessTree) for QUIET_MS. Prints, in
// milliseconds from exec, when its first top-level window was mapped, when the screen last changed
// and when it settled, and the peak memory of its processes in MB, on a line that starts
// "window-watch". Then it presses each key given (Return, Escape, Left, Right, Up, Down, Prior,
// Next, Home, End) in turn once the program has settled, the first once a window is active too,
// and prints for each a line "window-watch-key NAME DRAWN SETTLED PEAK": the milliseconds from
// the key to the last change of the screen it caused and to the program settled again, and the
// peak memory in MB so far. Then "window-watch-peak MB", and it ends the program. A figure that
// did not come within TIMEOUT_MS reads "timeout".
#include "ProcessTree.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <string>
#include <sys/prctl.h>
#include <unistd.h>
#include <vector>
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Key
{
    const char *name;
    xcb_keysym_t symbol;
};

constexpr std::array<Key, 10> Keys{{{"Return", 0xff0d},
                                    {"Escape", 0xff1b},
                                    {"Left", 0xff51},
                                    {"Up", 0xff52},
                                    {"Right", 0xff53},
                                    {"Down", 0xff54},
                                    {"Prior", 0xff55},
                                    {"Next", 0xff56},
                                    {"Home", 0xff50},
                                    {"End", 0xff57}}};

// What happened since a moment: the program's first window mapped, the screen changed, the
// program used the processor. All in milliseconds from exec.
struct Span
{
    double start = 0;
    double lastDamage = -1;
    double lastBusy = -1;

    double settledAt() const { return std::max({start, lastDamage, lastBusy}); }
};

class Watch
{
public:
    Watch(xcb_connection_t *connection, xcb_window_t root, double quietMs)
        : m_connection(connection), m_root(root), m_quietMs(quietMs)
    {
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
        std::free(
            xcb_damage_query_version_reply(connection, xcb_damage_query_version(connection, 1, 1), nullptr));
        m_damage = xcb_generate_id(connection);
        xcb_damage_create(connection, m_damage, root, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        m_damageEvent = xcb_get_extension_data(connection, &xcb_damage_id)->first_event + XCB_DAMAGE_NOTIFY;
        xcb_flush(connection);
        m_start = Clock::now();
    }

    double now() const { return std::chrono::duration<double, std::milli>(Clock::now() - m_start).count(); }
    double mappedAt() const { return m_mappedAt; }
    ProcessTree &processes() { return m_processes; }

    // Follows the program until it has settled after the span's start, the program has ended or
    // the timeout has passed; true when it settled. The first span also waits for a window.
    bool follow(Span &span, pid_t program, double timeoutMs)
    {
        pollfd display{xcb_get_file_descriptor(m_connection), POLLIN, 0};
        while (now() - span.start < timeoutMs) {
            poll(&display, 1, 10);
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
                take(event, span);
                std::free(event);
            }
            if (m_processes.update())
                span.lastBusy = now();
            if (!m_processes.running(program))
                return false;
            if (m_mappedAt >= 0 && span.lastDamage >= 0 && now() - span.settledAt() >= m_quietMs)
                return true;
        }
        return false;
    }

private:
    void take(const xcb_generic_event_t *event, Span &span)
    {
        const int type = event->response_type & 0x7f;
        if (type == m_damageEvent) {
            span.lastDamage = now();
            // Damage is reported again once what was reported has been taken away.
            xcb_damage_subtract(m_connection, m_damage, XCB_NONE, XCB_NONE);
            xcb_flush(m_connection);
        } else if (type == XCB_MAP_NOTIFY && m_mappedAt < 0) {
            const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(event);
            if (map->event == m_root && !map->override_redirect)
                m_mappedAt = now();
        }
    }

    xcb_connection_t *m_connection;
    xcb_window_t m_root;
    double m_quietMs;
    xcb_damage_damage_t m_damage = 0;
    int m_damageEvent = 0;
    Clock::time_point m_start;
    double m_mappedAt = -1;
    ProcessTree m_processes;
};

const Key *keyNamed(const char *name)
{
    const auto found = std::find_if(Keys.begin(), Keys.end(),
                                    [name](const Key &key) { return std::strcmp(key.name, name) == 0; });
    return found == Keys.end() ? nullptr : &*found;
}

xcb_keycode_t keycodeOf(xcb_connection_t *connection, xcb_keysym_t symbol)
{
    const xcb_setup_t *setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)> mapping(
        xcb_get_keyboard_mapping_reply(
            connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, uint8_t(count)), nullptr),
        &std::free);
    if (!mapping)
        return 0;
    const xcb_keysym_t *symbols = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perKey = mapping->keysyms_per_keycode;
    for (int i = 0; i < count; ++i) {
        if (symbols[i * perKey] == symbol)
            return xcb_keycode_t(setup->min_keycode + i);
    }
    return 0;
}

void press(xcb_connection_t *connection, xcb_window_t root, xcb_keycode_t keycode)
{
    xcb_test_fake_input(connection, XCB_KEY_PRESS, keycode, XCB_CURRENT_TIME, root, 0, 0, 0);
    xcb_test_fake_input(connection, XCB_KEY_RELEASE, keycode, XCB_CURRENT_TIME, root, 0, 0, 0);
    xcb_flush(connection);
}

// Keys go to the active window: a key pressed before the window manager has made one of the
// program's windows active would be lost. True once a window is active.
bool waitForActiveWindow(xcb_connection_t *connection, xcb_window_t root, double timeoutMs)
{
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, 18, "_NET_ACTIVE_WINDOW"), nullptr),
        &std::free);
    if (!atom)
        return false;
    const Clock::time_point start = Clock::now();
    while (std::chrono::duration<double, std::milli>(Clock::now() - start).count() < timeoutMs) {
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> active(
            xcb_get_property_reply(connection,
                                   xcb_get_property(connection, 0, root, atom->atom, XCB_ATOM_WINDOW, 0, 1),
                                   nullptr),
            &std::free);
        if (active && xcb_get_property_value_length(active.get()) >= int(sizeof(xcb_window_t)) &&
            *static_cast<const xcb_window_t *>(xcb_get_property_value(active.get())) != XCB_NONE)
            return true;
        usleep(10000);
    }
    return false;
}

std::string figure(double ms, bool came)
{
    if (!came || ms < 0)
        return "timeout";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", ms);
    return text;
}

// Ends the program and everything it started, services that moved to a session of their own
// among them, and waits for them.
void end(ProcessTree &processes, pid_t program)
{
    for (const int signal : {SIGTERM, SIGKILL}) {
        kill(-program, signal);
        for (const pid_t pid : processes.pids())
            kill(pid, signal);
        for (int i = 0; i < 100 && processes.size() > 0; ++i) {
            usleep(10000);
            processes.update();
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<const Key *> keys;
    int first = 1;
    while (first + 1 < argc && std::strcmp(argv[first], "--key") == 0) {
        const Key *key = keyNamed(argv[first + 1]);
        if (key == nullptr) {
            std::fprintf(stderr, "bench_window_watch: unknown key %s\n", argv[first + 1]);
            return 2;
        }
        keys.push_back(key);
        first += 2;
    }
    if (argc - first < 3) {
        std::fprintf(stderr,
                     "usage: bench_window_watch [--key NAME]... QUIET_MS TIMEOUT_MS COMMAND [ARGUMENT...]\n");
        return 2;
    }
    const double quietMs = std::atof(argv[first]);
    const double timeoutMs = std::atof(argv[first + 1]);

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
    prctl(PR_SET_CHILD_SUBREAPER, 1);

    Watch watch(connection, root, quietMs);
    const pid_t program = fork();
    if (program == 0) {
        setpgid(0, 0);
        // The program's own output would mix with the figures.
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execvp(argv[first + 2], argv + first + 2);
        _exit(127);
    }

    Span started;
    bool settled = watch.follow(started, program, timeoutMs);
    std::printf("window-watch %s %s %s %.1f\n", figure(watch.mappedAt(), true).c_str(),
                figure(started.lastDamage, true).c_str(), figure(started.settledAt(), settled).c_str(),
                watch.processes().peakMegabytes());
    if (!keys.empty() && settled && !waitForActiveWindow(connection, root, timeoutMs))
        std::fprintf(stderr, "bench_window_watch: no window became active\n");
    for (const Key *key : keys) {
        if (!settled)
            break;
        Span pressed;
        pressed.start = watch.now();
        press(connection, root, keycodeOf(connection, key->symbol));
        settled = watch.follow(pressed, program, timeoutMs);
        std::printf("window-watch-key %s %s %s %.1f\n", key->name,
                    figure(pressed.lastDamage - pressed.start, pressed.lastDamage >= 0).c_str(),
                    figure(pressed.settledAt() - pressed.start, settled).c_str(),
                    watch.processes().peakMegabytes());
    }
    std::printf("window-watch-peak %.1f\n", watch.processes().peakMegabytes());
    std::fflush(stdout);
    end(watch.processes(), program);
    xcb_disconnect(connection);
    return 0;
}
