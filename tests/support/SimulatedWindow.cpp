// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "SimulatedWindow.h"

#include "StatusReporter.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cstdio>

namespace morvent::test {

SimulatedWindow::SimulatedWindow(MessageBoxes& boxes,
                                 const std::function<void(TForm1::Options&)>& adjust) {
    sim.start();
    TForm1::Options options;
    options.ports = [] { return std::vector<PortEntry>{}; };
    options.simulatedDevice = QString::fromStdString(sim.devicePath());
    options.backupsDirectory = scratch.filePath(QStringLiteral("backups"));
    options.settingsFile = scratch.filePath(QStringLiteral("settings.ini"));
    if (adjust) {
        adjust(options);
    }
    form = std::make_unique<TForm1>(boxes, options);
    form->show();
}

bool SimulatedWindow::connect() {
    // The caption ends with whatever firmware text the simulated controller was given, shown as
    // this controller's (not greyed as the last one's), and its reply is in.
    const QString firmware = QString::fromStdString(
        sim.withModel([](const ControllerModel& m) { return m.firmwareText(); }));
    form->ui().BitBtn1->click();
    const QLabel* caption = form->ui().Label9;
    if (!QTest::qWaitFor(
            [&] {
                return caption->isEnabled() && caption->text().endsWith(firmware) &&
                       form->status()->awaitingText().isEmpty();
            },
            10000)) {
        std::fprintf(stderr, "the simulated controller did not answer\n");
        return false;
    }
    return true;
}

} // namespace morvent::test
