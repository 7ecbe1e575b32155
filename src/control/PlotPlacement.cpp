// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "PlotPlacement.h"

#include "Form1Options.h"
#include "Form1Ui.h"
#include "LiveReadingsMonitor.h"
#include "LiveReadingsWindow.h"
#include "WindowPlacement.h"

#include <QMainWindow>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>

#include <utility>

namespace morvent {

namespace {

const QString kPlotGeometry = QStringLiteral("plotWindow/geometry");

} // namespace

PlotPlacement::PlotPlacement(QMainWindow& window, Form1Ui& ui, MessageBoxes& boxes,
                             QSettings& settings, const Form1Options& options)
    : m_window(window), m_ui(ui), m_settings(settings),
      m_liveReadings(std::make_unique<LiveReadingsMonitor>(boxes, options.chooseRecordingFile)) {
    QObject::connect(m_ui.PlotButton, &QPushButton::clicked, &m_window, [this] { showPlot(); });
}

PlotPlacement::~PlotPlacement() = default;

void PlotPlacement::showPlot() {
    LiveReadingsWindow& plot = m_liveReadings->window();
    if (!std::exchange(m_plotPlaced, true)) {
        const QByteArray saved = m_settings.value(kPlotGeometry).toByteArray();
        if (saved.isEmpty() || !plot.restoreGeometry(saved)) {
            // Beside the window, else over its page; never over the button that stops
            // Continuous Get, which is what one presses while watching the plot.
            const QRect button(m_ui.BitBtn13->mapToGlobal(QPoint(0, 0)), m_ui.BitBtn13->size());
            // It needs more room than a page has: the right panel's below the tabs too.
            QRect room = coverableArea(m_window, *m_ui.TabbedNotebook1->currentWidget());
            const int belowTabs = room.top();
            room |= coverableArea(m_window, *m_ui.Panel2);
            room.setTop(belowTabs);
            placeCompanion(plot, m_window, room, button);
        }
    }
    m_liveReadings->showWindow();
}

void PlotPlacement::rememberPlotPlace() {
    m_settings.setValue(kPlotGeometry, m_liveReadings->window().saveGeometry());
}

} // namespace morvent
