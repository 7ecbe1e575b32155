// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// Wall time of morvent-cli's info, read and write (with its read-back) as separate processes
// against the simulated controller pacing bytes at 9600 baud, each against its floor: the waits
// the tool must make before each request (and after the connect request) and the wire time of
// every request and reply, with no silence after any reply. Then read on 1, 4 and 16 simulated
// controllers at once, against the time of one, and the peak resident memory of the 16-port run.
// The port's rate is known from a first run, as it is for a bike seen before.
// Usage: cli_bench [--runs N]
#include "Frames.h"
#include "LineTiming.h"
#include "SimulatedController.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

using namespace morvent;
using Clock = std::chrono::steady_clock;

namespace {

constexpr double kByteMs = 10.0 * 1000.0 / 9600.0; // 8N1: ten bits a byte
constexpr auto kRequestWaitMs = static_cast<double>(kRequestPause.count());
constexpr auto kConnectWaitMs = static_cast<double>(kConnectPause.count());

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One request and its reply: the wait before it and both on the wire.
double exchangeMs(std::size_t requestBytes, std::size_t replyBytes) {
    return kRequestWaitMs + static_cast<double>(requestBytes + replyBytes) * kByteMs;
}

struct Run {
    double ms;
    long peakKiB;
};

// Runs morvent-cli with these arguments, its output thrown away; ends the bench if it fails.
Run cli(const std::vector<std::string>& arguments) {
    std::vector<char*> argv{const_cast<char*>(MORVENT_CLI)};
    for (const std::string& a : arguments) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, MORVENT_CLI, &actions, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", MORVENT_CLI);
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "morvent-cli %s failed\n", arguments.front().c_str());
        std::exit(1);
    }
    return {ms, usage.ru_maxrss};
}

std::vector<std::string> onPorts(std::vector<std::string> arguments,
                                 const std::vector<std::unique_ptr<SimulatedController>>& sims,
                                 std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        arguments.insert(arguments.end(), {"-p", sims[i]->devicePath()});
    }
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    int runs = 5;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0) {
            runs = std::max(1, std::stoi(argv[i + 1]));
        }
    }
    // The rates the runs learn stay out of the user's own cache.
    const std::filesystem::path cache =
        std::filesystem::temp_directory_path() / ("cli_bench." + std::to_string(::getpid()));
    ::setenv("XDG_CACHE_HOME", cache.c_str(), 1);
    const std::string file = (cache / "set.el").string();
    std::filesystem::create_directories(cache);

    std::vector<std::unique_ptr<SimulatedController>> sims;
    for (int i = 0; i < 16; ++i) {
        sims.push_back(std::make_unique<SimulatedController>());
        sims.back()->setPacing(true);
        sims.back()->start();
    }
    const std::size_t firmware =
        sims[0]->withModel([](const ControllerModel& m) { return m.firmwareText().size(); });
    // Every port's rate learnt, as for a bike seen before.
    cli(onPorts({"read", "-o", file}, sims, sims.size()));
    const auto one = [&](const char* command, std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), command);
        return onPorts(arguments, sims, 1);
    };

    // At the rate the controller answered last, the line is at 9600 already: the connect
    // request and the identity reply both cross it during the wait after the request.
    const double connectWire = (5 + 3 + kIdentityLength) * kByteMs;
    const double infoFloor = 2 * kConnectWaitMs + std::max(0.0, connectWire - kConnectWaitMs) +
                             exchangeMs(2, 3 + firmware);
    const double blocksRead =
        exchangeMs(2, 3 + kBasicLength) + exchangeMs(2, 3 + kPedalAssistLength) +
        exchangeMs(2, 3 + kThrottleHandleLength) + exchangeMs(2, 3 + kTorqueLength);
    const double readFloor = infoFloor + blocksRead;
    const double writeFloor =
        infoFloor + exchangeMs(4 + kBasicLength, 3) + exchangeMs(4 + kPedalAssistLength, 3) +
        exchangeMs(4 + kThrottleHandleLength, 3) + exchangeMs(4 + kTorqueLength, 3) + blocksRead;

    std::vector<double> info, read, write;
    std::vector<double> together[3];
    long peak16 = 0;
    const std::size_t counts[3] = {1, 4, 16};
    for (int i = 0; i < runs; ++i) {
        info.push_back(cli(one("info", {})).ms);
        read.push_back(cli(one("read", {"-o", file})).ms);
        write.push_back(cli(one("write", {"-i", file})).ms);
        for (std::size_t c = 0; c < 3; ++c) {
            const Run run = cli(onPorts({"read", "-o", file}, sims, counts[c]));
            together[c].push_back(run.ms);
            peak16 = std::max(peak16, c == 2 ? run.peakKiB : 0);
        }
    }

    std::printf("%-40s %10s %10s %8s\n", "morvent-cli, simulator at 9600 baud", "median ms",
                "floor ms", "ratio");
    auto row = [](const std::string& what, const std::vector<double>& times, double floor) {
        const double m = median(times);
        std::printf("%-40s %10.1f %10.1f %8.3f\n", what.c_str(), m, floor, m / floor);
    };
    row("info", info, infoFloor);
    row("read", read, readFloor);
    row("write, with its read-back", write, writeFloor);
    std::printf("%-40s %10s %10s %8s\n", "read on N controllers at once", "median ms", "one ms",
                "ratio");
    for (std::size_t c = 0; c < 3; ++c) {
        row("read on " + std::to_string(counts[c]) +
                (counts[c] == 1 ? " controller" : " controllers"),
            together[c], median(together[0]));
    }
    std::printf("(%d runs each; each run is a new process)\n", runs);
    std::printf("%-40s %10ld KiB\n", "peak resident memory, 16 at once", peak16);
    std::filesystem::remove_all(cache);
    return 0;
}
