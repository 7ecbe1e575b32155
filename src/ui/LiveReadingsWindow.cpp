// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "LiveReadingsWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <qcustomplot.h>

namespace morvent {

namespace {

// Told apart by hue and by lightness, so that the two pulse times stay distinct in grey too.
const std::array<QColor, kLiveReadingCount> kColours{
    QColor(0x6a, 0x3d, 0x9a), QColor(0xe0, 0x7b, 0x00), QColor(0xc6, 0x28, 0x28),
    QColor(0x2e, 0x7d, 0x32), QColor(0x15, 0x65, 0xc0)};

// The torque voltage is what a calibration watches, so its strip is the tallest. The heights are
// of the plot areas, without the legends, labels and the time scale's title; the smallest are
// low enough for the window to fit over the main window's page on a 1280x720 screen, between
// its tabs and its status bar.
constexpr std::array<int, LiveReadingsWindow::kStripCount> kStripStretch{5, 3, 3, 3};
constexpr std::array<int, LiveReadingsWindow::kStripCount> kStripMinimum{76, 44, 44, 44};

// A mark every ten seconds, and one between at five.
class TimeTicker : public QCPAxisTickerFixed {
public:
    TimeTicker() {
        setTickStep(10);
        setScaleStrategy(ssNone);
    }

protected:
    int getSubTickCount(double) override { return 1; }
};

QPushButton* makeReadingsButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setMinimumWidth(130);
    button->setAutoDefault(false);
    return button;
}

} // namespace

LiveReadingsWindow::LiveReadingsWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("LiveReadingsWindow"));
    // Closed by Esc as a dialog is; the readings go on being gathered behind it.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);
    setWindowTitle(tr("Live Torque Readings"));
    resize(kWidth, kHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 6);
    layout->setSpacing(4);

    auto* bar = new QHBoxLayout;
    bar->setSpacing(10);
    PauseButton = makeReadingsButton("PauseButton", tr("Pause"), this);
    PauseButton->setCheckable(true);
    RecordButton = makeReadingsButton("RecordButton", tr("Record to CSV..."), this);
    RecordingLabel = new QLabel(this);
    RecordingLabel->setObjectName(QStringLiteral("RecordingLabel"));
    RecordingLabel->setTextFormat(Qt::PlainText);
    RecordingLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bar->addWidget(PauseButton);
    bar->addWidget(RecordButton);
    bar->addWidget(RecordingLabel, 1);
    layout->addLayout(bar);

    HintLabel = new QLabel(this);
    HintLabel->setObjectName(QStringLiteral("HintLabel"));
    HintLabel->setTextFormat(Qt::PlainText);
    HintLabel->setMinimumHeight(HintLabel->fontMetrics().height());
    layout->addWidget(HintLabel);

    Plot = new QCustomPlot(this);
    Plot->setObjectName(QStringLiteral("StripsPlot"));
    Plot->setAutoAddPlottableToLegend(false);
    // Rows of the plot's layout: each strip's legend, then the strip itself. A legend row takes
    // no more than its line; the strips share the rest.
    QCPLayoutGrid& rows = *Plot->plotLayout();
    rows.clear();
    rows.setRowSpacing(0);
    auto* sides = new QCPMarginGroup(Plot);
    for (int strip = 0; strip < kStripCount; ++strip) {
        const auto s = static_cast<std::size_t>(strip);
        // Centred over its strip: empty columns either side take the room the legend leaves.
        auto* line = new QCPLayoutGrid;
        rows.addElement(2 * strip, 0, line);
        auto* legend = new QCPLegend;
        line->addElement(0, 1, legend);
        line->expandTo(1, 3);
        line->setColumnStretchFactors({1, 0.001, 1});
        legend->setLayer(QStringLiteral("legend"));
        legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
        legend->setBorderPen(Qt::NoPen);
        legend->setBrush(Qt::NoBrush);
        legend->setFont(font());
        legend->setColumnSpacing(16);
        legend->setMargins(QMargins(7, 8, 7, 2));

        auto* rect = new QCPAxisRect(Plot);
        rect->setObjectName(QStringLiteral("Strip%1").arg(strip));
        rect->setMarginGroup(QCP::msLeft | QCP::msRight, sides);
        rect->setMinimumSize(0, kStripMinimum[s]);
        rows.addElement(2 * strip + 1, 0, rect);
        rows.setRowStretchFactor(2 * strip, 0.001);
        rows.setRowStretchFactor(2 * strip + 1, kStripStretch[s]);

        QCPAxis* time = rect->axis(QCPAxis::atBottom);
        time->setTicker(QSharedPointer<QCPAxisTicker>(new TimeTicker));
        time->setRange(-60, 0);
        time->setNumberFormat(QStringLiteral("f"));
        time->setNumberPrecision(0);
        time->grid()->setSubGridVisible(true);
        // Every strip carries the scale, to be read without looking down the whole window.
        if (strip == kStripCount - 1) {
            time->setLabel(tr("seconds before the latest reading"));
        }
        QCPAxis* value = rect->axis(QCPAxis::atLeft);
        auto ticks = QSharedPointer<QCPAxisTickerFixed>::create();
        ticks->setScaleStrategy(QCPAxisTickerFixed::ssNone);
        value->setTicker(ticks);
        value->setNumberFormat(QStringLiteral("f"));
        value->setNumberPrecision(0);
        value->setSubTicks(false);

        strips[s] = rect;
        legends[s] = legend;
        timeAxes[s] = time;
        valueAxes[s] = value;
    }
    layout->addWidget(Plot, 1);

    for (std::size_t n = 0; n < series.size(); ++n) {
        const auto strip = static_cast<std::size_t>(kStripOf[n]);
        QCPGraph* graph = Plot->addGraph(timeAxes[strip], valueAxes[strip]);
        graph->setObjectName(QStringLiteral("Series%1").arg(92 + static_cast<int>(n)));
        QPen pen(kColours[n]);
        pen.setWidthF(2.0);
        graph->setPen(pen);
        if (n == kLevelReading) {
            graph->setLineStyle(QCPGraph::lsStepLeft);
        }
        graph->addToLegend(legends[strip]);
        series[n] = graph;
    }
}

} // namespace morvent
