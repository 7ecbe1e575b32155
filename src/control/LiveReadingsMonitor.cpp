// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "LiveReadingsMonitor.h"

#include "LiveReadingsWindow.h"
#include "MessageBoxes.h"
#include "Translations.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>

namespace morvent {

namespace {

QString toQt(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The legend names each reading in the window's language with its unit, and its latest value so the
// number can be read off without leaving the plot.
QString legendText(const LiveReading& reading, std::optional<int> latest) {
    QString text = shownText(reading.name);
    if (!reading.unit.empty()) {
        text += QStringLiteral(" (%1)").arg(toQt(reading.unit));
    }
    if (latest) {
        text += QStringLiteral(": %1").arg(*latest);
    }
    return text;
}

// The smallest of 1, 2 or 5 times a power of ten that is no less than the given step.
double niceStep(double step) {
    const double power = std::pow(10.0, std::floor(std::log10(step)));
    const double mantissa = step / power;
    return power * (mantissa <= 1 ? 1 : mantissa <= 2 ? 2 : mantissa <= 5 ? 5 : 10);
}

// Room above and below the values, so a line never runs along a strip's edge; the ends are
// widened to the marks around them, which stand a round step apart, so both ends are labelled.
void fitValueAxis(QCPAxis& axis, int lowest, int highest, bool level) {
    auto* ticks = dynamic_cast<QCPAxisTickerFixed*>(axis.ticker().data());
    if (level) {
        axis.setRange(-0.25, 1.25);
        ticks->setTickStep(1);
        return;
    }
    const double span = std::max(highest - lowest, 10);
    const double step = niceStep(span * 1.2 / 4);
    ticks->setTickStep(step);
    axis.setRange(std::floor((lowest - span * 0.1) / step) * step,
                  std::ceil((highest + span * 0.1) / step) * step);
}

} // namespace

LiveReadingsMonitor::LiveReadingsMonitor(MessageBoxes& boxes, std::function<QString()> chooseFile)
    : m_boxes(boxes), m_chooseFile(std::move(chooseFile)),
      m_window(std::make_unique<LiveReadingsWindow>()) {
    m_clock.start();
    // Beside the main window, like the About box, but never what keeps the tool running.
    m_window->setAttribute(Qt::WA_QuitOnClose, false);
    connect(m_window->PauseButton, &QPushButton::toggled, this,
            [this](bool paused) { setPaused(paused); });
    connect(m_window->RecordButton, &QPushButton::clicked, this, [this] {
        if (m_recorder.isRecording()) {
            stopRecording();
        } else {
            startRecording();
        }
    });
    redraw();
    showRecording();
}

LiveReadingsMonitor::~LiveReadingsMonitor() = default;

void LiveReadingsMonitor::add(const LiveReadingValues& values) {
    add(std::chrono::milliseconds(m_clock.elapsed()), std::chrono::system_clock::now(), values);
}

void LiveReadingsMonitor::add(std::chrono::milliseconds at,
                              std::chrono::system_clock::time_point time,
                              const LiveReadingValues& values) {
    m_history.add(at, values);
    if (m_recorder.isRecording()) {
        m_recorder.record(time, values);
        showRecording();
    }
    if (!m_paused) {
        redraw();
    }
}

void LiveReadingsMonitor::showWindow() {
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void LiveReadingsMonitor::setPaused(bool paused) {
    m_paused = paused;
    {
        const QSignalBlocker quiet(m_window->PauseButton);
        m_window->PauseButton->setChecked(paused);
    }
    m_window->PauseButton->setText(paused ? tr("Resume") : tr("Pause"));
    if (paused) {
        showHint();
    } else {
        redraw();
    }
}

void LiveReadingsMonitor::showHint() {
    QLabel* hint = m_window->HintLabel;
    if (m_paused) {
        hint->setText(tr("Paused: the plot stands still while readings go on being "
                         "kept for the last minute and recorded."));
    } else if (m_history.empty()) {
        hint->setText(tr("Readings appear here as \"Get\" or \"Continuous Get\" on "
                         "the Torque page brings them in."));
    } else {
        hint->clear();
    }
}

void LiveReadingsMonitor::startRecording() {
    QString path;
    if (m_chooseFile) {
        path = m_chooseFile();
    } else {
        const QString suggested = QDir::home().filePath(QDateTime::currentDateTime().toString(
            QStringLiteral("'torque-'yyyy-MM-dd_HH-mm'.csv'")));
        path = QFileDialog::getSaveFileName(m_window.get(), tr("Record to CSV"), suggested,
                                            tr("CSV files (*.csv)"));
    }
    if (path.isEmpty()) {
        return;
    }
    if (!m_recorder.start(path)) {
        m_boxes.generalError(m_recorder.error());
    }
    showRecording();
}

void LiveReadingsMonitor::stopRecording() {
    m_recorder.stop();
    showRecording();
}

void LiveReadingsMonitor::showRecording() {
    LiveReadingsWindow& w = *m_window;
    w.RecordButton->setText(m_recorder.isRecording() ? tr("Stop Recording")
                                                     : tr("Record to CSV..."));
    const QString name = QFileInfo(m_recorder.path()).fileName();
    const QString count = tr("%n readings", nullptr, static_cast<int>(m_recorder.lineCount()));
    QPalette colours = w.palette();
    if (m_recorder.isRecording()) {
        w.RecordingLabel->setText(tr("Recording to %1: %2").arg(name, count));
    } else if (!m_recorder.error().isEmpty()) {
        w.RecordingLabel->setText(
            tr("Recording stopped: %1 (%2 kept)").arg(m_recorder.error(), count));
        colours.setColor(QPalette::WindowText, QColor(0xb7, 0x1c, 0x1c));
    } else if (!m_recorder.path().isEmpty()) {
        w.RecordingLabel->setText(tr("Recorded %1 to %2").arg(count, name));
    } else {
        w.RecordingLabel->clear();
    }
    w.RecordingLabel->setPalette(colours);
    w.RecordingLabel->setToolTip(m_recorder.path());
}

void LiveReadingsMonitor::redraw() {
    LiveReadingsWindow& w = *m_window;
    const auto& points = m_history.points();
    showHint();
    const std::chrono::milliseconds latest =
        points.empty() ? std::chrono::milliseconds(0) : points.back().at;

    QVector<double> times;
    times.reserve(static_cast<qsizetype>(points.size()));
    for (const ReadingHistory::Point& point : points) {
        times.append(static_cast<double>((point.at - latest).count()) / 1000.0);
    }
    for (std::size_t n = 0; n < kLiveReadingCount; ++n) {
        QVector<double> values;
        values.reserve(times.size());
        for (const ReadingHistory::Point& point : points) {
            values.append(point.values[n]);
        }
        w.series[n]->setData(times, values, true);
        w.series[n]->setName(legendText(
            kLiveReadings[n],
            points.empty() ? std::nullopt : std::optional<int>(points.back().values[n])));
    }

    for (int strip = 0; strip < LiveReadingsWindow::kStripCount; ++strip) {
        int lowest = 0;
        int highest = 0;
        bool any = false;
        bool level = false;
        for (std::size_t n = 0; n < kLiveReadingCount; ++n) {
            if (LiveReadingsWindow::kStripOf[n] != strip) {
                continue;
            }
            level = n == LiveReadingsWindow::kLevelReading;
            for (const ReadingHistory::Point& point : points) {
                lowest = any ? std::min(lowest, point.values[n]) : point.values[n];
                highest = any ? std::max(highest, point.values[n]) : point.values[n];
                any = true;
            }
        }
        fitValueAxis(*w.valueAxes[static_cast<std::size_t>(strip)], lowest, highest, level);
    }
    // Drawn once when the events of the moment are done, however many readings came with them.
    w.Plot->replot(QCustomPlot::rpQueuedReplot);
}

} // namespace morvent
