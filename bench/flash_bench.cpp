// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// Wall time of "Connect" (up to the firmware text), "Read Flash" and "Write Flash" in the real
// main window (offscreen) against the simulated controller pacing bytes at 9600 baud, each
// against its floor: the waits the tool must make before each request, the wire time of every
// request and reply, and the 100 ms of silence that ends each reply.
// Also: the time from process start until the main window is shown, and the resident memory
// once it has read everything.
// Usage: flash_bench [--runs N]
#include "Boxes.h"
#include "Frames.h"
#include "LineTiming.h"
#include "Offscreen.h"
#include "ProcessProbes.h"
#include "SimulatedWindow.h"
#include "WindowFloors.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

using namespace morvent;
using morvent::test::ProgramBoxes;
using morvent::test::residentKiB;
using morvent::test::SimulatedWindow;
using Clock = std::chrono::steady_clock;
using namespace morvent::bench;

namespace {

// Since the kernel started this process (its start time in /proc/self/stat, in clock ticks
// since boot), so the figure includes loading the program and its libraries.
double msSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22; ++i) {
        fields >> field;
    }
    const double startedS = std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return (static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9 - startedS) *
           1000.0;
}

} // namespace

int main(int argc, char** argv) {
    morvent::test::drawOffscreenUnlessAsked();
    const int runs = runsAsked(argc, argv);
    QApplication app(argc, argv);
    const double startedMs = msSinceProcessStart();

    ProgramBoxes boxes;
    SimulatedWindow window(boxes);
    SimulatedController& sim = window.sim;
    TForm1& form = *window.form;
    sim.setPacing(true);
    const std::string firmware =
        sim.withModel([](const ControllerModel& m) { return m.firmwareText(); });
    if (!QTest::qWaitForWindowExposed(&form)) {
        std::fprintf(stderr, "the window was not shown\n");
        return 1;
    }
    const double shownMs = msSinceProcessStart();

    auto timed = [&](QPushButton* button, const std::function<bool()>& done) {
        boxes.last.clear();
        const auto start = Clock::now();
        button->click();
        if (!QTest::qWaitFor(done, 20000)) {
            std::fprintf(stderr, "no answer: %s\n", qPrintable(boxes.last));
            std::exit(1);
        }
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    };

    // The simulated controller listens at 9600: the first attempt, at 1200, goes unheard and
    // probing tries again at 9600 one tick later.
    const double connectFloor = kConnectWaitMs * 2 + kProbeTickMs +
                                exchangeMs(kConnectWaitMs, 5, 3 + kIdentityLength) +
                                exchangeMs(kRequestWaitMs, 2, 3 + firmware.size());
    const double readFloor = readFlashFloorMs();
    const double writeFloor = exchangeMs(kRequestWaitMs, 4 + kBasicLength, 3) +
                              exchangeMs(kRequestWaitMs, 4 + kPedalAssistLength, 3) +
                              exchangeMs(kRequestWaitMs, 4 + kThrottleHandleLength, 3) +
                              exchangeMs(kRequestWaitMs, 4 + kTorqueLength, 3);

    std::vector<double> connect, read, write;
    auto* label9 = form.findChild<QLabel*>(QStringLiteral("Label9"));
    const QString firmwareCaption = "Firmware Ver:" + QString::fromStdString(firmware);
    for (int i = 0; i < runs; ++i) {
        label9->setText(QStringLiteral("Firmware Ver:"));
        connect.push_back(
            timed(form.ui().BitBtn1, [&] { return label9->text() == firmwareCaption; }));
        read.push_back(timed(form.ui().BitBtn2, [&] { return !boxes.last.isEmpty(); }));
        write.push_back(timed(form.ui().BitBtn3, [&] { return !boxes.last.isEmpty(); }));
        if (boxes.last != QStringLiteral("Write Flash successfully.")) {
            std::fprintf(stderr, "write flash: %s\n", qPrintable(boxes.last));
            return 1;
        }
    }

    std::printf("%-40s %10s %10s %8s\n", "against the simulator at 9600 baud", "median ms",
                "floor ms", "ratio");
    auto row = [](const char* what, const std::vector<double>& times, double floor) {
        const double m = median(times);
        std::printf("%-40s %10.1f %10.1f %8.3f\n", what, m, floor, m / floor);
    };
    row("Connect, up to the firmware text", connect, connectFloor);
    row("Read Flash", read, readFloor);
    row("Write Flash", write, writeFloor);
    std::printf("(%d runs each)\n", runs);
    std::printf("%-40s %10.1f ms (application object at %.1f ms)\n",
                "process start to main window shown", shownMs, startedMs);
    std::printf("%-40s %10ld KiB\n", "resident memory after Read Flash", residentKiB());
    return 0;
}
