// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "SimOptions.h"
#include "SimulatedController.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <ctime>
#include <exception>
#include <iostream>
#include <pthread.h>
#include <string_view>
#include <vector>

using namespace morvent;

namespace {

timespec remainingUntil(std::chrono::steady_clock::time_point deadline) {
    const auto left =
        std::max(std::chrono::nanoseconds(0), std::chrono::duration_cast<std::chrono::nanoseconds>(
                                                  deadline - std::chrono::steady_clock::now()));
    return {static_cast<time_t>(left.count() / 1'000'000'000),
            static_cast<long>(left.count() % 1'000'000'000)};
}

} // namespace

int main(int argc, char** argv) {
    SimOptions options;
    try {
        const std::vector<std::string_view> arguments(argv + 1, argv + argc);
        options = parseSimOptions(arguments);
    } catch (const std::invalid_argument& error) {
        std::cerr << "morvent-sim: " << error.what() << "\nTry 'morvent-sim --help'.\n";
        return 2;
    }
    if (options.help) {
        std::cout << simUsage();
        return 0;
    }

    // Blocked before the server's thread exists, so it inherits the mask and the signals are
    // taken here, synchronously.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGUSR1);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    SimulatedController controller(options.seed);
    try {
        controller.withModel([&](ControllerModel& model) { applySimOptions(options, model); });
        controller.setPacing(options.pace);
        controller.setHangUpOnReply(options.hangUpOn);
        controller.start();
    } catch (const std::exception& error) {
        std::cerr << "morvent-sim: " << error.what() << '\n';
        return 1;
    }
    std::cout << controller.devicePath() << std::endl;

    // A plain time point rather than an optional: g++ -O1 reads the optional's value as
    // possibly uninitialised.
    constexpr auto noHangUp = std::chrono::steady_clock::time_point::max();
    auto hangUpAt =
        options.hangUpAfter ? std::chrono::steady_clock::now() + *options.hangUpAfter : noHangUp;
    for (;;) {
        int received = 0;
        if (hangUpAt != noHangUp) {
            const timespec timeout = remainingUntil(hangUpAt);
            received = sigtimedwait(&signals, nullptr, &timeout);
            if (received < 0) {
                if (errno == EAGAIN) {
                    controller.hangUp();
                    hangUpAt = noHangUp;
                }
                continue;
            }
        } else if (sigwait(&signals, &received) != 0) {
            continue;
        }
        if (received == SIGUSR1) {
            controller.hangUp();
            continue;
        }
        break;
    }
    controller.stop();
    return 0;
}
