#include "KeepingFixture.h"

#include "LiveReadingsMonitor.h"
#include "LiveReadingsWindow.h"
#include "ReadingHistory.h"
#include "ReadingRecorder.h"

#include <chrono>

#include <QDateTime>
#include <QFile>
#include <QGroupBox>
#include <QLineSeries>

namespace morvent {
namespace {

using namespace std::chrono_literals;
using test::KeepingTest;

LiveReadingValues valuesFor(int n) {
    return {n, n % 2, 40 + n, 38 + n, 1100 + n};
}

TEST(ReadingHistory, HoldsTheLastMinuteOfReadings) {
    ReadingHistory history;
    for (int n = 0; n <= 180; ++n) { // 90 s of readings every 500 ms
        history.add(std::chrono::milliseconds(500 * n), valuesFor(n));
    }
    ASSERT_EQ(history.points().size(), 121u);
    EXPECT_EQ(history.points().front().at, 30s);
    EXPECT_EQ(history.points().back().at, 90s);
    EXPECT_EQ(history.points().front().values, valuesFor(60));
    EXPECT_EQ(history.points().back().values, valuesFor(180));
}

TEST(ReadingHistory, KeepsAReadingAMinuteOldAndDropsOneAMillisecondOlder) {
    struct Case {
        std::chrono::milliseconds first;
        std::size_t held;
    };
    for (const Case& c : {Case{0ms, 2}, Case{1ms, 2}, Case{-1ms, 1}}) {
        ReadingHistory history;
        history.add(60s + c.first, valuesFor(1));
        history.add(120s, valuesFor(2));
        EXPECT_EQ(history.points().size(), c.held) << c.first.count();
    }
}

TEST(ReadingHistory, AClockStartedAfreshDropsWhatCameBefore) {
    ReadingHistory history;
    history.add(5000ms, valuesFor(1));
    history.add(5500ms, valuesFor(2));
    history.add(100ms, valuesFor(3));
    ASSERT_EQ(history.points().size(), 1u);
    EXPECT_EQ(history.points().front().values, valuesFor(3));
}

TEST(ReadingRecorder, WritesTheSameColumnsAsTheCommandLineTool) {
    EXPECT_EQ(liveReadingsCsvHeader(),
              "time,SpeedSignalACC,SpeedSigLevel,LevelHTime(ms),LevelLTime(ms),TqVoltate(mV)\n");
    const auto time = std::chrono::system_clock::from_time_t(
                          QDateTime(QDate(2024, 5, 1), QTime(14, 3, 22)).toSecsSinceEpoch()) +
                      std::chrono::milliseconds(7);
    EXPECT_EQ(liveReadingsCsvLine(time, {300, 1, 100, 200, 1000}),
              "2024-05-01T14:03:22.007,300,1,100,200,1000\n");
    EXPECT_EQ(liveReadingsCsvLine(time, {65535, 0, 0, 0, 0}),
              "2024-05-01T14:03:22.007,65535,0,0,0,0\n");
}

QString contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(ReadingRecorder, EveryLineIsInTheFileAsSoonAsItIsRecorded) {
    QTemporaryDir dir;
    const QString path = dir.filePath("pedal.csv");
    ReadingRecorder recorder;
    ASSERT_TRUE(recorder.start(path));
    const auto time = std::chrono::system_clock::now();
    ASSERT_TRUE(recorder.record(time, valuesFor(1)));
    // Read by another handle while the recording still runs, as after a crash.
    EXPECT_EQ(contentOf(path), QString::fromStdString(liveReadingsCsvHeader() +
                                                      liveReadingsCsvLine(time, valuesFor(1))));
    ASSERT_TRUE(recorder.record(time, valuesFor(2)));
    EXPECT_TRUE(
        contentOf(path).endsWith(QString::fromStdString(liveReadingsCsvLine(time, valuesFor(2)))));
    EXPECT_EQ(recorder.lineCount(), 2);
}

TEST(ReadingRecorder, AFileThatCannotBeWrittenRecordsNothing) {
    // A folder that is not there; a device that refuses every byte, as a full disk does.
    for (const QString& path :
         {QStringLiteral("/nonexistent-folder/pedal.csv"), QStringLiteral("/dev/full")}) {
        ReadingRecorder recorder;
        EXPECT_FALSE(recorder.start(path));
        EXPECT_FALSE(recorder.isRecording());
        EXPECT_EQ(recorder.error(), "Unable to write to " + path);
        EXPECT_FALSE(recorder.record(std::chrono::system_clock::now(), valuesFor(1)));
    }
}

class LiveReadings : public KeepingTest {
protected:
    LiveReadingsMonitor& monitor() { return form->liveReadings(); }
    LiveReadingsWindow& plot() { return monitor().window(); }
    // "Get", then the five fields once the reply has filled them.
    QStringList get() {
        button("BitBtn12")->click();
        awaitReply();
        QStringList shown;
        for (int n = 92; n <= 96; ++n) {
            shown << form->ui().edit(n)->text();
        }
        return shown;
    }
};

TEST_F(LiveReadings, ThePlotButtonInTheAboutTqGroupOpensThePlot) {
    QPushButton* plotButton = form->extras().PlotButton;
    EXPECT_TRUE(form->ui().GroupBoxAboutTq->isAncestorOf(plotButton));
    EXPECT_TRUE(plotButton->isEnabled()); // nothing to do with the controller
    plotButton->click();
    EXPECT_TRUE(plot().isVisible());
    EXPECT_TRUE(plot().HintLabel->text().startsWith("Readings appear here"));
}

TEST_F(LiveReadings, EachReadingIsOnePointOfEveryLine) {
    connectController();
    EXPECT_TRUE(monitor().history().empty());
    for (int n = 1; n <= 3; ++n) {
        const QStringList shown = get();
        ASSERT_EQ(monitor().history().points().size(), static_cast<std::size_t>(n));
        const LiveReadingValues& latest = monitor().history().points().back().values;
        for (std::size_t c = 0; c < kLiveReadingCount; ++c) {
            EXPECT_EQ(QString::number(latest[c]), shown[static_cast<int>(c)]);
        }
    }
    // The level is drawn in steps: a point more for each reading after the first.
    const std::array<int, 5> drawn{3, 5, 3, 3, 3};
    for (std::size_t c = 0; c < kLiveReadingCount; ++c) {
        EXPECT_EQ(plot().series[c]->count(), drawn[c]) << c;
        EXPECT_EQ(plot().series[c]->points().back().x(), 0.0);
    }
    EXPECT_EQ(plot().series[4]->name(), "TqVoltate (mV): " + form->ui().edit(96)->text());
    EXPECT_EQ(plot().series[2]->name(), "LevelHTime (ms): " + form->ui().edit(94)->text());
    EXPECT_EQ(plot().series[0]->name(), "SpeedSignalACC: " + form->ui().edit(92)->text());
    EXPECT_EQ(plot().HintLabel->text(), "");
}

TEST_F(LiveReadings, ContinuousGetAddsAPointForEveryReplyAndTheEndOfReadFlashOneMore) {
    connectController();
    button("BitBtn13")->click();
    ASSERT_TRUE(waitFor([this] { return monitor().history().points().size() >= 3; }));
    button("BitBtn13")->click();
    awaitReply();
    EXPECT_EQ(monitor().history().points().size(), requests(Command::LiveReadings));
    readFlash();
    EXPECT_EQ(monitor().history().points().size(), requests(Command::LiveReadings));
}

TEST_F(LiveReadings, ThePausedPlotStandsStillWhileReadingsAreKeptAndRecorded) {
    connectController();
    recordingFile = dir.filePath("pedal.csv");
    get();
    plot().RecordButton->click();
    plot().PauseButton->click();
    EXPECT_EQ(plot().PauseButton->text(), "Resume");
    EXPECT_TRUE(plot().HintLabel->text().startsWith("Paused"));
    get();
    get();
    EXPECT_EQ(plot().series[4]->count(), 1);
    EXPECT_EQ(monitor().history().points().size(), 3u);
    EXPECT_EQ(monitor().recorder().lineCount(), 2);
    plot().PauseButton->click();
    EXPECT_EQ(plot().PauseButton->text(), "Pause");
    EXPECT_EQ(plot().series[4]->count(), 3);
}

TEST_F(LiveReadings, TheRecordingHoldsExactlyTheReadingsShownWhileItRan) {
    connectController();
    recordingFile = dir.filePath("pedal.csv");
    get(); // before the recording: not in the file
    plot().RecordButton->click();
    EXPECT_EQ(plot().RecordButton->text(), "Stop Recording");
    std::vector<QStringList> shown;
    for (int n = 0; n < 3; ++n) {
        shown.push_back(get());
    }
    EXPECT_EQ(plot().RecordingLabel->text(), "Recording to pedal.csv: 3 readings");
    plot().RecordButton->click();
    EXPECT_EQ(plot().RecordButton->text(), "Record to CSV...");
    get(); // after it: not in the file either

    const QStringList lines = contentOf(recordingFile).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0] + '\n', QString::fromStdString(liveReadingsCsvHeader()));
    for (int n = 0; n < 3; ++n) {
        QStringList columns = lines[n + 1].split(',');
        ASSERT_EQ(columns.size(), 6) << lines[n + 1].toStdString();
        EXPECT_TRUE(QDateTime::fromString(columns.takeFirst(), Qt::ISODateWithMs).isValid());
        EXPECT_EQ(columns, shown[static_cast<std::size_t>(n)]);
    }
}

TEST_F(LiveReadings, NoFileChosenRecordsNothingAndAnUnwritableOneIsReported) {
    connectController();
    plot().RecordButton->click(); // the chooser answers nothing
    EXPECT_FALSE(monitor().recorder().isRecording());
    EXPECT_TRUE(boxes.shown.empty());

    recordingFile = dir.filePath("no-such-folder/pedal.csv");
    plot().RecordButton->click();
    EXPECT_FALSE(monitor().recorder().isRecording());
    EXPECT_EQ(boxes.shown,
              std::vector<QString>{"error: Unable to write to " + recordingFile + "."});
    EXPECT_EQ(plot().RecordButton->text(), "Record to CSV...");
}

} // namespace
} // namespace morvent
