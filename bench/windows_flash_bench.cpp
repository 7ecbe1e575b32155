// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// The Windows build's window under Wine: wall time of "Read Flash" in the real main window
// (offscreen), through the Win32 serial component, against the Linux simulated controller pacing
// bytes at 9600 baud on a COM link, against the same floor as the Linux window's.
// Usage (bench/windows runs it): windows_flash_bench [--runs N]
#include "Boxes.h"
#include "LinuxSimulator.h"
#include "Offscreen.h"
#include "StatusReporter.h"
#include "Unit1.h"
#include "WindowFloors.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

using namespace morvent;
using namespace morvent::bench;
using Clock = std::chrono::steady_clock;

int main(int argc, char** argv) {
    morvent::test::drawOffscreenUnlessAsked();
    const int runs = bench::runsAsked(argc, argv);
    QApplication app(argc, argv);
    morvent::test::LinuxSimulator sim({"--pace", "--listen-baud", "1200"});
    if (sim.port().isEmpty()) {
        std::fprintf(stderr, "no simulator: %s\n", qPrintable(sim.error()));
        return 1;
    }
    morvent::test::ProgramBoxes boxes;
    QTemporaryDir scratch;
    TForm1::Options options;
    const QString port = sim.port();
    options.ports = [port] { return std::vector<PortEntry>{{port, port, QString()}}; };
    options.backupsDirectory = scratch.filePath(QStringLiteral("backups"));
    options.settingsFile = scratch.filePath(QStringLiteral("settings.ini"));
    TForm1 form(boxes, options);
    form.show();
    form.ui().BitBtn1->click();
    // Connected once the firmware text asked for after the identity is in, too.
    if (!QTest::qWaitFor(
            [&] {
                return form.ui().BitBtn2->isEnabled() && form.status()->awaitingText().isEmpty();
            },
            20000)) {
        std::fprintf(stderr, "no identity from %s\n", qPrintable(port));
        return 1;
    }
    std::vector<double> read;
    for (int i = 0; i < runs; ++i) {
        boxes.last.clear();
        const auto start = Clock::now();
        form.ui().BitBtn2->click();
        if (!QTest::qWaitFor([&] { return !boxes.last.isEmpty(); }, 20000)) {
            std::fprintf(stderr, "Read Flash did not end\n");
            return 1;
        }
        read.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    const double m = median(read);
    std::printf("%-40s %10.1f %10.1f %8.3f  (%d runs)\n", "Read Flash, Windows build under Wine", m,
                readFlashFloorMs(), m / readFlashFloorMs(), runs);
    return 0;
}
