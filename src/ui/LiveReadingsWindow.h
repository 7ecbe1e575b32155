// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "LiveReadingsReply.h"

#include <QWidget>

#include <array>

class QCPAxis;
class QCPAxisRect;
class QCPGraph;
class QCPLegend;
class QCustomPlot;
class QLabel;
class QPushButton;

namespace morvent {

// The live torque readings plotted over the last minute, in a window of its own opened from the
// "About Tq" group. The five readings differ in unit and in size (a voltage in the thousands,
// pulse times in tens of milliseconds, a level of 0 or 1), so each kind has a strip of its own,
// stacked over one time scale: seconds before the latest reading. Above them, the buttons that
// pause the plot and record the readings to a file, and a line on the recording.
//
// Only the layout: the graphs are filled, the value axes ranged, the plot redrawn and the buttons
// answered by the window's behaviour (control/).
class LiveReadingsWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 880;
    static constexpr int kHeight = 760;
    static constexpr int kStripCount = 4;

    explicit LiveReadingsWindow(QWidget* parent = nullptr);

    // The strip of each reading, in the order of the fields Edit92 .. Edit96.
    static constexpr std::array<int, kLiveReadingCount> kStripOf{2, 3, 1, 1, 0};
    // The level, 0 or 1, held between readings and so drawn as steps; the others are
    // measurements and are joined straight.
    static constexpr std::size_t kLevelReading = 1;

    QPushButton* PauseButton = nullptr;  // checkable: "Pause", "Resume" while paused
    QPushButton* RecordButton = nullptr; // "Record to CSV...", "Stop Recording" while recording
    QLabel* RecordingLabel = nullptr;
    // What to do for readings to come, until they do; that the plot is paused. Its line is
    // kept when empty, so the strips do not jump as it comes and goes.
    QLabel* HintLabel = nullptr;

    // The strips are the axis rects of one plot, each under a line of its own legend. Values of
    // different sizes have labels of different widths; the rects share their side margins, so
    // the plot areas line up over the one time scale whatever the labels.
    QCustomPlot* Plot = nullptr;
    // By reading, Edit92 .. Edit96.
    std::array<QCPGraph*, kLiveReadingCount> series{};
    // By strip, top to bottom: the torque voltage, the pulse times, the counter, the level.
    std::array<QCPAxisRect*, kStripCount> strips{};
    std::array<QCPLegend*, kStripCount> legends{};
    std::array<QCPAxis*, kStripCount> valueAxes{};
    std::array<QCPAxis*, kStripCount> timeAxes{};
};

} // namespace morvent
