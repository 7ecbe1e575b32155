// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ProcessProbes.h"

#include <dirent.h>

#include <fstream>
#include <thread>

namespace morvent::test {

namespace {

int countEntries(const char* directory) {
    int count = 0;
    if (DIR* dir = opendir(directory)) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] != '.') {
                ++count;
            }
        }
        closedir(dir);
    }
    return count;
}

} // namespace

int openDescriptorCount() {
    return countEntries("/proc/self/fd");
}

int threadsNamed(const std::string& name) {
    int count = 0;
    if (DIR* dir = opendir("/proc/self/task")) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.') {
                continue;
            }
            std::ifstream comm(std::string("/proc/self/task/") + entry->d_name + "/comm");
            std::string threadName;
            std::getline(comm, threadName);
            count += threadName == name ? 1 : 0;
        }
        closedir(dir);
    }
    return count;
}

int threadCount() {
    // Sanitizer runtimes start a thread of their own along with the first thread the program
    // starts; start one first, so that it is not taken for a thread the component left behind.
    static const bool warmedUp = [] {
        std::thread([] {}).join();
        return true;
    }();
    (void)warmedUp;
    return countEntries("/proc/self/task");
}

long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

} // namespace morvent::test
