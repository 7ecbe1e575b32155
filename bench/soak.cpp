// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// Many Read Flash and Write Flash chains in a row against the simulated controller (no wire
// pacing), printing the process's open descriptors, threads and resident memory before and
// after: none of them may grow with the number of chains. What is bounded by design (the traffic
// log's 10 000 lines) is filled to its bound before the first figures are taken.
// Then a storm of random bytes on the line while Continuous Get polls, with the same figures
// before and after it and the messages it caused, and a Read Flash to show the window still works.
// Usage: soak [--chains N] [--noise-seconds S]      N of each, 300 by default; S 10 by default
#include "Boxes.h"
#include "Offscreen.h"
#include "ProcessProbes.h"
#include "SimulatedWindow.h"
#include "TrafficLog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>

using namespace morvent;
using morvent::test::ProgramBoxes;
using morvent::test::SimulatedWindow;

namespace {

struct Usage {
    long descriptors;
    long threads;
    long residentKiB;
};

Usage usage() {
    return {test::openDescriptorCount(), test::threadCount(), test::residentKiB()};
}

} // namespace

int main(int argc, char** argv) {
    morvent::test::drawOffscreenUnlessAsked();
    int chains = 300;
    int noiseSeconds = 10;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--chains") == 0) {
            chains = std::max(1, std::stoi(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--noise-seconds") == 0) {
            noiseSeconds = std::max(0, std::stoi(argv[i + 1]));
        }
    }
    QApplication app(argc, argv);
    ProgramBoxes boxes;
    SimulatedWindow window(boxes);
    TForm1& form = *window.form;

    auto chain = [&](QPushButton* button, const char* expected) {
        boxes.last.clear();
        button->click();
        if (!QTest::qWaitFor([&] { return !boxes.last.isEmpty(); }, 20000) ||
            boxes.last != QLatin1String(expected)) {
            std::fprintf(stderr, "chain ended with: %s\n", qPrintable(boxes.last));
            std::exit(1);
        }
    };
    if (!window.connect()) {
        return 1;
    }
    // One of each first, so that what is made once (fonts, buffers) is not counted as growth.
    chain(form.ui().BitBtn2, "Read Flash successfully.");
    chain(form.ui().BitBtn3, "Write Flash successfully.");
    // The traffic log keeps its last 10 000 lines and would grow toward them during the run.
    // Filled to that bound first, with copies of the warm-up's own lines (less their time, which
    // the log puts back), every line the chains add replaces one as long.
    TrafficLog* log = form.trafficLog();
    const QStringList warmUp = log->text().split(QLatin1Char('\n'));
    const qsizetype timeWidth = QStringLiteral("HH:mm:ss.zzz  ").size();
    while (log->lineCount() < TrafficLog::kMaxLines) {
        for (const QString& line : warmUp) {
            log->addNote(line.mid(timeWidth));
        }
    }

    const Usage before = usage();
    // Resident memory along the way: a steady climb is a leak, a climb that levels off is the
    // allocator settling.
    std::printf("%-24s", "resident memory (KiB)");
    for (int i = 1; i <= chains; ++i) {
        chain(form.ui().BitBtn2, "Read Flash successfully.");
        chain(form.ui().BitBtn3, "Write Flash successfully.");
        if (i % 50 == 0) {
            std::printf(" %d: %ld", i, usage().residentKiB);
            std::fflush(stdout);
        }
    }
    std::printf("\n");
    const Usage after = usage();
    std::printf("%-24s %10s %10s\n", "after warming up", "start", "end");
    std::printf("%-24s %10ld %10ld\n", "open descriptors", before.descriptors, after.descriptors);
    std::printf("%-24s %10ld %10ld\n", "threads", before.threads, after.threads);
    std::printf("%-24s %10ld %10ld\n", "resident memory (KiB)", before.residentKiB,
                after.residentKiB);
    std::printf("(%d Read Flash and %d Write Flash chains)\n", chains, chains);
    const bool grew = after.descriptors > before.descriptors || after.threads > before.threads;
    if (noiseSeconds == 0) {
        return grew ? 1 : 0;
    }

    // Random bytes on the line, in bursts of up to 120 every 15 ms, while the readings are polled.
    form.ui().BitBtn13->click();
    QTest::qWait(600);
    const Usage calm = usage();
    const int messagesBefore = boxes.informationCount;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(1, 120);
    QElapsedTimer storm;
    storm.start();
    while (storm.elapsed() < noiseSeconds * 1000) {
        Bytes noise(static_cast<std::size_t>(length(random)));
        for (auto& b : noise) {
            b = static_cast<std::uint8_t>(byte(random));
        }
        window.sim.injectNoise(noise);
        QTest::qWait(15);
    }
    form.ui().BitBtn13->click();
    QTest::qWait(600);
    const Usage stormed = usage();
    std::printf("\n%-24s %10s %10s\n", "noise during polling", "before", "after");
    std::printf("%-24s %10ld %10ld\n", "open descriptors", calm.descriptors, stormed.descriptors);
    std::printf("%-24s %10ld %10ld\n", "threads", calm.threads, stormed.threads);
    std::printf("%-24s %10ld %10ld\n", "resident memory (KiB)", calm.residentKiB,
                stormed.residentKiB);
    std::printf("(%d s of noise, %d information boxes shown)\n", noiseSeconds,
                boxes.informationCount - messagesBefore);
    form.TabbedNotebook1Click(); // forgets what the noise left awaited
    chain(form.ui().BitBtn2, "Read Flash successfully.");
    std::printf("Read Flash after the noise: successful\n");
    return grew ? 1 : 0;
}
