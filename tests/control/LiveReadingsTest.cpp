// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Form1Fixture.h"
#include "KeyboardNavigation.h"

#include "LiveReadingsMonitor.h"
#include "LiveReadingsWindow.h"
#include "ReadingHistory.h"

#include <QAccessible>
#include <QDateTime>
#include <QFile>
#include <QGroupBox>

#include <qcustomplot.h>

#include <algorithm>

namespace morvent {
namespace {

using test::Form1Test;

QStringList linesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
               ? QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)
               : QStringList();
}

class LiveReadings : public Form1Test {
protected:
    void SetUp() override { connectController(); }
    LiveReadingsMonitor& monitor() { return form->liveReadings(); }
    LiveReadingsWindow& plot() { return monitor().window(); }
    // "Get", then the five fields once the reply has filled them.
    QStringList get() {
        button("BitBtn12")->click();
        EXPECT_FALSE(form->Timer2->isActive());
        awaitReply();
        EXPECT_EQ(sim.receivedRequests().back().request.raw, (Bytes{0x11, 0x56}));
        QStringList shown;
        for (int n = 92; n <= 96; ++n) {
            shown << form->ui().edit(n)->text();
        }
        return shown;
    }
};

// With the line's own waits: Continuous Get's interval.
using RealTimingLiveReadings = LiveReadings;

TEST_F(RealTimingLiveReadings, GetAndContinuousGetMakeEachReadingOnePointOfEveryLineOfThePlot) {
    button("PlotButton")->click();
    EXPECT_TRUE(plot().isVisible());
    for (int n = 1; n <= 3; ++n) {
        const QStringList shown = get();
        ASSERT_EQ(monitor().history().points().size(), static_cast<std::size_t>(n));
        const LiveReadingValues& latest = monitor().history().points().back().values;
        for (std::size_t c = 0; c < kLiveReadingCount; ++c) {
            EXPECT_EQ(QString::number(latest[c]), shown[static_cast<int>(c)]);
        }
    }
    // The level alone is drawn in steps.
    for (std::size_t c = 0; c < kLiveReadingCount; ++c) {
        EXPECT_EQ(plot().series[c]->dataCount(), 3) << c;
        EXPECT_EQ((plot().series[c]->data()->constEnd() - 1)->key, 0.0);
        EXPECT_EQ(plot().series[c]->lineStyle() == QCPGraph::lsStepLeft, c == 1) << c;
    }
    EXPECT_EQ(plot().series[4]->name(), "TqVoltate (mV): " + form->ui().edit(96)->text());
    // The time scale is named once, under the lowest strip.
    for (std::size_t s = 0; s < plot().timeAxes.size(); ++s) {
        EXPECT_EQ(plot().timeAxes[s]->label().isEmpty(), s + 1 < plot().timeAxes.size()) << s;
    }
    // Its values fill the strip, however far from 0: the axis runs little beyond them.
    const auto [low, high] =
        std::ranges::minmax(*plot().series[4]->data(), {}, &QCPGraphData::value);
    const QCPRange range = plot().valueAxes[LiveReadingsWindow::kStripOf[4]]->range();
    EXPECT_TRUE(range.contains(low.value) && range.contains(high.value));
    EXPECT_LE(range.size(), 4 * std::max(high.value - low.value, 10.0));

    // Continuous Get locks the other buttons and sends nothing at once; each tick asks once and
    // flips the caption; pressed again, it gives them back at once. Each reply is a point, and
    // the end of Read Flash one more.
    const std::size_t before = requests(Command::LiveReadings);
    button("BitBtn13")->click();
    EXPECT_TRUE(form->Timer2->isActive());
    EXPECT_EQ(form->pollingLockedButtons().size(), 13);
    EXPECT_EQ(enabledCount(form->pollingLockedButtons()), 0);
    EXPECT_TRUE(button("BitBtn13")->isEnabled());
    EXPECT_EQ(requests(Command::LiveReadings), before);
    ASSERT_TRUE(test::waitFor([&] { return requests(Command::LiveReadings) == before + 1; }));
    EXPECT_EQ(withoutAccessKey(button("BitBtn13")->text()), "Continuous Get");
    ASSERT_TRUE(test::waitFor([&] { return requests(Command::LiveReadings) == before + 2; }));
    EXPECT_EQ(button("BitBtn13")->text(), "");
    // Assistive tools go on calling it by its name while its caption is blank.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(button("BitBtn13"))->text(QAccessible::Name),
              "Continuous Get");
    button("BitBtn13")->click();
    EXPECT_FALSE(form->Timer2->isActive());
    EXPECT_EQ(withoutAccessKey(button("BitBtn13")->text()), "Continuous Get");
    EXPECT_EQ(enabledCount(form->pollingLockedButtons()), 13);
    // The last tick's reply is taken; then Read Flash outlasts a tick: one that still came would
    // be a request more than its own.
    ASSERT_TRUE(test::waitFor([&] { return monitor().history().points().size() == before + 2; }));
    readFlash();
    EXPECT_EQ(requests(Command::LiveReadings), before + 3);
    EXPECT_EQ(monitor().history().points().size(), requests(Command::LiveReadings));
}

// The file holds the readings taken while the recording ran, each line in the file the moment
// it is taken, in the columns of the command-line tool's recording; pausing the plot does not
// pause the recording. No file chosen records nothing; one that cannot be written is reported.
TEST_F(LiveReadings, TheRecordingHoldsExactlyTheReadingsTakenWhileItRan) {
    plot().RecordButton->click(); // the chooser answers nothing
    EXPECT_FALSE(monitor().recorder().isRecording());
    // A folder that is not there; a device that refuses every byte, as a full disk does.
    for (const QString& path : {scratchFile("no-such-folder/pedal.csv"), QString("/dev/full")}) {
        recordingFile = path;
        plot().RecordButton->click();
        EXPECT_FALSE(monitor().recorder().isRecording());
        EXPECT_EQ(boxes.shown.back(), "error: Unable to write to " + path + ".");
    }
    EXPECT_EQ(boxes.shown.size(), 2u);

    recordingFile = scratchFile("pedal.csv");
    get(); // before the recording: not in the file
    plot().RecordButton->click();
    EXPECT_EQ(plot().RecordButton->text(), "Stop Recording");
    plot().PauseButton->click();
    EXPECT_TRUE(plot().HintLabel->text().startsWith("Paused"));
    std::vector<QStringList> shown;
    for (int n = 0; n < 3; ++n) {
        shown.push_back(get());
        EXPECT_EQ(linesOf(recordingFile).size(), n + 2);
    }
    EXPECT_EQ(plot().series[4]->dataCount(), 1);
    EXPECT_EQ(plot().RecordingLabel->text(), "Recording to pedal.csv: 3 readings");
    plot().RecordButton->click();
    EXPECT_EQ(plot().RecordButton->text(), "Record to CSV...");
    plot().PauseButton->click();
    EXPECT_EQ(plot().series[4]->dataCount(), 4);
    get(); // after it: not in the file either

    const QStringList lines = linesOf(recordingFile);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0] + '\n', QString::fromStdString(liveReadingsCsvHeader()));
    for (int n = 0; n < 3; ++n) {
        QStringList columns = lines[n + 1].split(',');
        ASSERT_EQ(columns.size(), 6) << lines[n + 1].toStdString();
        const QString time = columns.takeFirst(); // local time, to the millisecond
        EXPECT_EQ(QDateTime::fromString(time, Qt::ISODateWithMs).toString(Qt::ISODateWithMs), time);
        EXPECT_EQ(columns, shown[static_cast<std::size_t>(n)]);
    }
}

// The plot keeps the readings of the last minute, the one exactly a minute old included, and
// starts again when the clock it is given does.
TEST(ReadingHistoryTest, KeepsTheLastMinuteAndStartsAgainWithItsClock) {
    using std::chrono::milliseconds;
    const struct {
        long long at;
        std::vector<long long> kept;
    } steps[] = {{0, {0}},
                 {30000, {0, 30000}},
                 {60000, {0, 30000, 60000}},
                 {60001, {30000, 60000, 60001}},
                 {5, {5}}};
    ReadingHistory history;
    for (const auto& step : steps) {
        history.add(milliseconds(step.at), LiveReadingValues{});
        std::vector<long long> kept;
        for (const ReadingHistory::Point& point : history.points()) {
            kept.push_back(point.at.count());
        }
        EXPECT_EQ(kept, step.kept) << "after " << step.at;
    }
}

} // namespace
} // namespace morvent
