// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "ReadingHistory.h"
#include "ReadingRecorder.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>

namespace morvent {

class LiveReadingsWindow;
class MessageBoxes;

// The live torque view behind "Plot...": every reading the "About Tq" fields take, whether
// "Get", "Continuous Get" or the end of Read Flash brought it, becomes a point of the plot and,
// while a recording runs, a line of its CSV file. Pausing freezes the plot to be looked at;
// readings still arrive, are kept for the last minute and are recorded, and the plot catches up
// on resuming.
class LiveReadingsMonitor : public QObject {
    Q_OBJECT
public:
    // chooseFile asks where to record (an empty answer: not now); empty: a file dialog.
    LiveReadingsMonitor(MessageBoxes& boxes, std::function<QString()> chooseFile);
    ~LiveReadingsMonitor() override;

    // A reading, taken now.
    void add(const LiveReadingValues& values);
    // A reading taken at `at` on a clock that never goes back, and at `time` by the wall clock.
    void add(std::chrono::milliseconds at, std::chrono::system_clock::time_point time,
             const LiveReadingValues& values);

    void showWindow();
    LiveReadingsWindow& window() const { return *m_window; }

    const ReadingHistory& history() const { return m_history; }
    const ReadingRecorder& recorder() const { return m_recorder; }

    void setPaused(bool paused);
    bool isPaused() const { return m_paused; }

    // "Record to CSV...": asks for a file and starts; "Stop Recording" stops.
    void startRecording();
    void stopRecording();

private:
    void redraw();
    void showHint();
    void showRecording();

    MessageBoxes& m_boxes;
    std::function<QString()> m_chooseFile;
    std::unique_ptr<LiveReadingsWindow> m_window;
    ReadingHistory m_history;
    ReadingRecorder m_recorder;
    QElapsedTimer m_clock;
    bool m_paused = false;
};

} // namespace morvent
