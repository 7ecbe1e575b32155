// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// Figures for the serial component on a pseudo-terminal:
//   reopen     CloseComm + OpenComm, which the tool does after nearly every reply
//   latency    from the peer's last byte to OnReceiveData, less the interval timeout
//   idle CPU   process CPU time while a port sits open with nothing on the line
// Usage: serial_bench [--idle-seconds N] [--reopens N] [--replies N]
#include "PtyPeer.h"
#include "TComm.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

using namespace morvent;
using Clock = std::chrono::steady_clock;

namespace {

double ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

double processCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void runEventLoopFor(int milliseconds) {
    QTimer::singleShot(milliseconds, QCoreApplication::instance(), &QCoreApplication::quit);
    QCoreApplication::exec();
}

int argument(int argc, char** argv, const char* name, int fallback) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0) {
            return std::stoi(argv[i + 1]);
        }
    }
    return fallback;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int reopens = argument(argc, argv, "--reopens", 500);
    const int replies = argument(argc, argv, "--replies", 50);
    const int idleSeconds = argument(argc, argv, "--idle-seconds", 10);
    constexpr std::uint32_t kInterval = 100; // the tool's interval timeout

    test::PtyPeer peer;
    TComm comm;
    comm.setCommName(peer.path());
    comm.setReadIntervalTimeout(kInterval);
    comm.OpenComm();

    std::vector<double> reopen;
    for (int i = 0; i < reopens; ++i) {
        const auto start = Clock::now();
        comm.CloseComm();
        comm.OpenComm();
        reopen.push_back(ms(Clock::now() - start));
    }

    Clock::time_point lastByte;
    std::vector<double> latency;
    comm.OnReceiveData = [&](TComm*, const std::uint8_t*, std::uint16_t) {
        latency.push_back(ms(Clock::now() - lastByte) - kInterval);
        QCoreApplication::quit();
    };
    const std::vector<std::uint8_t> reply(27, 0x52);
    for (int i = 0; i < replies; ++i) {
        QTimer::singleShot(5, [&] {
            peer.write(reply);
            lastByte = Clock::now();
        });
        QCoreApplication::exec();
    }

    const double cpuBefore = processCpuMs();
    runEventLoopFor(idleSeconds * 1000);
    const double idleCpu = processCpuMs() - cpuBefore;
    comm.CloseComm();

    std::printf("%-44s %10s %10s %10s\n", "serial component on a pseudo-terminal", "median", "p90",
                "max");
    std::printf("%-44s %10.3f %10.3f %10.3f  ms (%d runs)\n", "CloseComm + OpenComm",
                percentile(reopen, 0.5), percentile(reopen, 0.9), percentile(reopen, 1.0), reopens);
    std::printf("%-44s %10.3f %10.3f %10.3f  ms (%d replies)\n",
                "last byte to OnReceiveData, less 100 ms", percentile(latency, 0.5),
                percentile(latency, 0.9), percentile(latency, 1.0), replies);
    std::printf("%-44s %10.3f %10s %10s  ms CPU over %d s\n", "open and idle", idleCpu, "", "",
                idleSeconds);
    return 0;
}
