// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <memory>

class QMainWindow;
class QSettings;

namespace morvent {

class Form1Ui;
class LiveReadingsMonitor;
class MessageBoxes;
struct Form1Options;

// The live readings and their plot window: where it opens first (beside the main window, never
// over the button that stops Continuous Get) and where it was last, which is remembered.
class PlotPlacement {
public:
    PlotPlacement(QMainWindow& window, Form1Ui& ui, MessageBoxes& boxes, QSettings& settings,
                  const Form1Options& options);
    ~PlotPlacement();

    LiveReadingsMonitor& liveReadings() const { return *m_liveReadings; }
    // The plot window, where it was last, or first beside the window.
    void showPlot();
    // Where the plot is when it hides or the window goes: it opens there next time.
    void rememberPlotPlace();

private:
    QMainWindow& m_window;
    Form1Ui& m_ui;
    QSettings& m_settings;
    std::unique_ptr<LiveReadingsMonitor> m_liveReadings;
    bool m_plotPlaced = false;
};

} // namespace morvent
