// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "LiveReadingsWindow.h"

#include <QChart>
#include <QChartView>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <vector>

namespace morvent {

namespace {

// Told apart by hue and by lightness, so that the two pulse times stay distinct in grey too.
const std::array<QColor, kLiveReadingCount> kColours{
    QColor(0x6a, 0x3d, 0x9a), QColor(0xe0, 0x7b, 0x00), QColor(0xc6, 0x28, 0x28),
    QColor(0x2e, 0x7d, 0x32), QColor(0x15, 0x65, 0xc0)};

// The torque voltage is what a calibration watches, so its strip is the tallest; the level's
// strip needs little room for itself but carries the time scale's title as well.
constexpr std::array<int, LiveReadingsWindow::kStripCount> kStripStretch{5, 3, 3, 3};
constexpr std::array<int, LiveReadingsWindow::kStripCount> kStripMinimum{160, 110, 110, 160};
constexpr QMargins kChartMargins(4, 0, 10, 0);

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent) {
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
    PauseButton = makeButton("PauseButton", tr("Pause"), this);
    PauseButton->setCheckable(true);
    RecordButton = makeButton("RecordButton", tr("Record to CSV..."), this);
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

    for (int strip = 0; strip < kStripCount; ++strip) {
        auto* chart = new QChart;
        chart->setObjectName(QStringLiteral("Strip%1").arg(strip));
        chart->setMargins(kChartMargins);
        chart->setBackgroundRoundness(0);
        chart->layout()->setContentsMargins(0, 0, 0, 0);
        chart->legend()->setAlignment(Qt::AlignTop);
        chart->legend()->setShowToolTips(true);

        auto* time = new QValueAxis(chart);
        time->setRange(-60, 0);
        time->setTickCount(7);
        time->setMinorTickCount(1);
        time->setLabelFormat(QStringLiteral("%d"));
        // Every strip carries the scale, which also keeps their plot areas of one width.
        if (strip == kStripCount - 1) {
            time->setTitleText(tr("seconds before the latest reading"));
        }
        auto* value = new QValueAxis(chart);
        value->setLabelFormat(QStringLiteral("%d"));
        chart->addAxis(time, Qt::AlignBottom);
        chart->addAxis(value, Qt::AlignLeft);

        auto* view = new QChartView(chart, this);
        view->setObjectName(QStringLiteral("StripView%1").arg(strip));
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumHeight(kStripMinimum[static_cast<std::size_t>(strip)]);
        layout->addWidget(view, kStripStretch[static_cast<std::size_t>(strip)]);

        charts[static_cast<std::size_t>(strip)] = chart;
        views[static_cast<std::size_t>(strip)] = view;
        timeAxes[static_cast<std::size_t>(strip)] = time;
        valueAxes[static_cast<std::size_t>(strip)] = value;
    }

    for (std::size_t n = 0; n < series.size(); ++n) {
        QChart* chart = charts[static_cast<std::size_t>(kStripOf[n])];
        auto* line = new QLineSeries(chart);
        line->setObjectName(QStringLiteral("Series%1").arg(92 + static_cast<int>(n)));
        QPen pen(kColours[n]);
        pen.setWidthF(2.0);
        line->setPen(pen);
        chart->addSeries(line);
        line->attachAxis(timeAxes[static_cast<std::size_t>(kStripOf[n])]);
        line->attachAxis(valueAxes[static_cast<std::size_t>(kStripOf[n])]);
        series[n] = line;
    }
}

void LiveReadingsWindow::alignStrips() {
    std::array<qreal, kStripCount> widths{};
    for (std::size_t strip = 0; strip < valueAxes.size(); ++strip) {
        const QValueAxis& axis = *valueAxes[strip];
        const QFontMetricsF metrics(axis.labelsFont());
        std::vector<double> values;
        if (axis.tickType() == QValueAxis::TicksDynamic) {
            const double first = axis.tickAnchor() +
                                 std::ceil((axis.min() - axis.tickAnchor()) / axis.tickInterval()) *
                                     axis.tickInterval();
            for (double v = first; v <= axis.max(); v += axis.tickInterval()) {
                values.push_back(v);
            }
        } else {
            for (int tick = 0; tick < axis.tickCount(); ++tick) {
                values.push_back(axis.min() + tick * (axis.max() - axis.min()) /
                                                  std::max(1, axis.tickCount() - 1));
            }
        }
        for (double v : values) {
            widths[strip] =
                std::max(widths[strip],
                         metrics.boundingRect(QString::number(static_cast<qint64>(v))).width());
        }
    }
    const qreal widest = *std::max_element(widths.begin(), widths.end());
    for (std::size_t strip = 0; strip < charts.size(); ++strip) {
        charts[strip]->setMargins(kChartMargins +
                                  QMargins(qRound(widest - widths[strip]), 0, 0, 0));
    }
}

} // namespace morvent
