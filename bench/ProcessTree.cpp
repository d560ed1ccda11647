// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProcessTree.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The children of every thread of the process.
std::vector<pid_t> childrenOf(pid_t pid)
{
    std::vector<pid_t> children;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR *folder = opendir(tasks.c_str());
    if (folder == nullptr)
        return children;
    while (const dirent *entry = readdir(folder)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream file(tasks + '/' + entry->d_name + "/children");
        pid_t child = 0;
        while (file >> child)
            children.push_back(child);
    }
    closedir(folder);
    return children;
}

bool isBus(const std::string &command)
{
    // The kernel keeps the first 15 characters of a command's name.
    return command == "dbus-daemon" || command == "dbus-run-sessio";
}

} // namespace

bool ProcessTree::read(pid_t pid, Process &process)
{
    const std::string base = "/proc/" + std::to_string(pid);
    std::ifstream stat(base + "/stat");
    std::string text;
    if (!std::getline(stat, text))
        return false;
    // The name is in parentheses and may hold blanks and parentheses of its own.
    const std::size_t open = text.find('(');
    const std::size_t close = text.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close + 2 >= text.size())
        return false;
    process.bus = isBus(text.substr(open + 1, close - open - 1));
    std::istringstream fields(text.substr(close + 2));
    std::string state;
    fields >> state;
    if (state == "Z" || state == "X")
        return false;
    // After the state: fields 4 to 13, then user time (14) and system time (15).
    std::string skipped;
    for (int field = 4; field <= 13; ++field)
        fields >> skipped;
    long long user = 0;
    long long system = 0;
    fields >> user >> system;
    process.ticks = user + system;
    std::ifstream status(base + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            process.peakMb = std::atof(line.c_str() + 6) / 1024.0;
            break;
        }
    }
    return true;
}

bool ProcessTree::update()
{
    while (waitpid(-1, nullptr, WNOHANG) > 0) {
    }
    std::map<pid_t, Process> now;
    std::vector<pid_t> pending = childrenOf(getpid());
    while (!pending.empty()) {
        const pid_t pid = pending.back();
        pending.pop_back();
        Process process;
        if (now.count(pid) != 0 || !read(pid, process))
            continue;
        now[pid] = process;
        for (const pid_t child : childrenOf(pid))
            pending.push_back(child);
    }
    bool changed = false;
    for (const auto &[pid, before] : m_live) {
        const auto after = now.find(pid);
        if (after == now.end()) {
            if (!before.bus) {
                m_endedPeakMb += before.peakMb;
                changed = true;
            }
        } else {
            // An ending process has let go of its memory, and tells no peak any more.
            after->second.peakMb = std::max(after->second.peakMb, before.peakMb);
            changed = changed || (!after->second.bus && after->second.ticks != before.ticks);
        }
    }
    for (const auto &[pid, process] : now) {
        if (!process.bus && m_live.count(pid) == 0)
            changed = true;
    }
    m_live = std::move(now);
    return changed;
}

double ProcessTree::peakMegabytes() const
{
    double total = m_endedPeakMb;
    for (const auto &[pid, process] : m_live) {
        if (!process.bus)
            total += process.peakMb;
    }
    return total;
}

std::vector<pid_t> ProcessTree::pids() const
{
    std::vector<pid_t> pids;
    for (const auto &[pid, process] : m_live)
        pids.push_back(pid);
    return pids;
}
