// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// A deliberate data race, built only with ThreadSanitizer: a std::thread worker writes a plain
// counter while a slot, called from Qt's event loop, reads it. The sanitizer runs with
// ignore_noninstrumented_modules so that Qt's own threads are not judged; this program shows
// that the option leaves this project's code judged, also where Qt calls into it. The test
// around it passes only when the race is reported.
#include <QCoreApplication>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <thread>

namespace {

int unguarded = 0;
std::atomic<bool> started{false};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::thread worker([] {
        started = true;
        for (int i = 0; i < 1'000'000; ++i) {
            unguarded = unguarded + 1;
        }
    });
    QTimer::singleShot(0, &app, [&app] {
        while (!started) {
        }
        int seen = 0;
        for (int i = 0; i < 1'000'000; ++i) {
            seen += unguarded;
        }
        std::printf("read %d\n", seen);
        app.quit();
    });
    app.exec();
    worker.join();
    return 0;
}
