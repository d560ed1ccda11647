// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

// Every process started under this one, as long as the watch lasts: the children, their children,
// and the processes left behind when their parent ended, which come to this process when it has
// made itself their reaper (PR_SET_CHILD_SUBREAPER). A program is the processes it starts as well
// as its own: the services a file manager starts to make thumbnails work for it.
//
// The session bus (dbus-run-session and its dbus-daemon) is not counted: a desktop has one
// running already. The services the bus starts for the program are.
class ProcessTree
{
public:
    // Reads the processes again and reaps the ended children of this process. True when since the
    // last call any process used the processor (its user and system time grew by a clock tick, as
    // ps and top count it), started or ended.
    bool update();
    bool running(pid_t pid) const { return m_live.count(pid) != 0; }
    // The peaks of the resident memory of every process seen, added up, in MB.
    double peakMegabytes() const;
    // The processes that ran when update() was last called.
    std::size_t size() const { return m_live.size(); }
    std::vector<pid_t> pids() const;

private:
    struct Process
    {
        long long ticks = 0;
        double peakMb = 0;
        bool bus = false;
    };

    // The process as /proc tells it; false when it has ended (a zombie has ended).
    static bool read(pid_t pid, Process &process);

    std::map<pid_t, Process> m_live;
    double m_endedPeakMb = 0;
};
