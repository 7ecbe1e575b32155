// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "MessageBoxes.h"
#include "SimulatedController.h"
#include "Unit1.h"

#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace morvent::test {

// What the tests, the benchmarks and the picture programs start from: the real main window, shown
// offscreen, with the simulated controller as its only port. Backups and the remembered port go to
// a folder that is removed with the program, never into the user's own.
class SimulatedWindow {
public:
    // `adjust` may change the options further before the window is made.
    explicit SimulatedWindow(MessageBoxes& boxes,
                             const std::function<void(TForm1::Options&)>& adjust = {});

    // Clicks "Connect" and waits for the controller's firmware text; false, with a line on
    // standard error, when it did not come.
    bool connect();

    // In this order, so the window closes its port before the controller goes away.
    SimulatedController sim;
    QTemporaryDir scratch;
    std::unique_ptr<TForm1> form;
};

} // namespace morvent::test
