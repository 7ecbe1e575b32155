#include "Form1Fixture.h"

#include "BlockCodec.h"
#include "StatusReporter.h"
#include "TrafficLog.h"

#include <QFile>

#include <dirent.h>

#include <random>

namespace morvent {
namespace {

using test::Form1Test;

int openDescriptors() {
    int count = 0;
    if (DIR* dir = opendir("/proc/self/fd")) {
        while (readdir(dir)) {
            ++count;
        }
        closedir(dir);
    }
    return count;
}

long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return 0;
}

struct BlockCase {
    const char* name;
    Block block;
    const char* readButton;
    const char* checksumMessage;
};

void PrintTo(const BlockCase& c, std::ostream* os) {
    *os << c.name;
}

const BlockCase kBlocks[] = {
    {"Basic", Block::Basic, "BitBtn5", "Read The Basic Info CheckSum Error"},
    {"PedalAssist", Block::PedalAssist, "BitBtn6", "Read The Pedal Assist Info CheckSum Error"},
    {"ThrottleHandle", Block::ThrottleHandle, "BitBtn8",
     "Read The Throttle Handle Info CheckSum Error"},
    {"Torque", Block::Torque, "BitBtn14", "Read The Torque Info CheckSum Error"},
};

class Faults : public Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        connectController();
        // Every page holds the controller's values, as after a day's work.
        readFlash();
    }
    // Starts the simulated controller again on a new device and connects to it by name.
    void reconnectToANewDevice() {
        sim.stop();
        sim.start();
        boxes.shown.clear();
        find<QComboBox>("ComboBox1")->setEditText(QString::fromStdString(sim.devicePath()));
        find<QLabel>("Label9")->setText("Firmware Ver:");
        button("BitBtn1")->click();
        // Connected once the firmware text, the last reply of connecting, is in.
        ASSERT_TRUE(waitFor([this] { return caption("Label9").contains("FW"); }));
        EXPECT_EQ(form->status()->connectionState(), "Connected: KLMN PQRS");
    }
};

class EachBlockFault : public Faults, public testing::WithParamInterface<BlockCase> {};

TEST_P(EachBlockFault, AReplyWithAWrongChecksumChangesNothing) {
    const BlockCase& c = GetParam();
    sim.withModel(
        [&](ControllerModel& m) { m.setChecksumCorrupted(layout(c.block).command, true); });
    const Bytes before = shown(c.block);
    button(c.readButton)->click();
    ASSERT_TRUE(waitFor([this] { return !boxes.shown.empty(); }));
    EXPECT_EQ(boxes.shown, std::vector<QString>{QString("info: ") + c.checksumMessage});
    EXPECT_EQ(shown(c.block), before);
    EXPECT_EQ(form->PendingRequest, SingleRead);
    EXPECT_NE(form->Comm1->ComHandle(), 0u);

    // The controller mends its ways: the same button works.
    sim.withModel(
        [&](ControllerModel& m) { m.setChecksumCorrupted(layout(c.block).command, false); });
    button(c.readButton)->click();
    ASSERT_TRUE(waitFor([this] { return form->PendingRequest == NothingAwaited; }));
    EXPECT_EQ(shown(c.block), sim.withModel([&](const ControllerModel& m) {
        return m.image(layout(c.block).command);
    }));
}

TEST_P(EachBlockFault, AReplySplitByAPauseIsRefusedNotHalfApplied) {
    const BlockCase& c = GetParam();
    sim.withModel([&](ControllerModel& m) { m.setSplit(layout(c.block).command, 5); });
    const Bytes before = shown(c.block);
    button(c.readButton)->click();
    ASSERT_TRUE(waitFor([this] { return !boxes.shown.empty(); }));
    QTest::qWait(300);
    EXPECT_EQ(boxes.shown, std::vector<QString>{QString("info: ") + c.checksumMessage});
    EXPECT_EQ(shown(c.block), before);
}

INSTANTIATE_TEST_SUITE_P(Blocks, EachBlockFault, testing::ValuesIn(kBlocks),
                         [](const testing::TestParamInfo<BlockCase>& info) {
                             return info.param.name;
                         });

TEST_F(Faults, ADroppedReplyStallsAChainButTheNextActionWorks) {
    sim.withModel([](ControllerModel& m) { m.dropNextReplies(1); });
    button("BitBtn2")->click();
    QTest::qWait(1800);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(form->PendingRequest, FlashReadChain);
    EXPECT_TRUE(form->status()->awaitingText().startsWith("No reply from the controller"));
    button("BitBtn2")->click();
    ASSERT_TRUE(waitFor([this] { return !boxes.shown.empty(); }));
    EXPECT_EQ(boxes.shown, std::vector<QString>{"info: Read Flash successfully."});
}

struct ChainCase {
    const char* name;
    const char* button;
    Command vanishAfter;
};

void PrintTo(const ChainCase& c, std::ostream* os) {
    *os << c.name;
}

class HangUpInAChain : public Faults, public testing::WithParamInterface<ChainCase> {};

// The device goes away right after a reply, while the tool holds it or is reopening the port.
// Whichever it sees first (the hang-up, or an open that fails), the chain ends without a crash,
// the status bar says the connection is lost, an error shown is the open error, and a later
// Connect to the device again works.
TEST_P(HangUpInAChain, EndsItCleanlyAndConnectWorksAgain) {
    sim.setVanishAfterReply(GetParam().vanishAfter);
    button(GetParam().button)->click();
    ASSERT_TRUE(waitFor([this] { return form->status()->connectionState() == "Connection lost"; }))
        << form->trafficLog()->text().toStdString();
    QTest::qWait(300);
    for (const QString& shown : boxes.shown) {
        EXPECT_TRUE(shown.startsWith("error: Error opening serial port.\n\n") ||
                    shown == "plain: Error sending!")
            << shown.toStdString();
    }

    reconnectToANewDevice();
    boxes.shown.clear();
    button("BitBtn2")->click();
    ASSERT_TRUE(waitFor([this] {
        return boxes.shown.size() == 1 && boxes.shown[0].contains("Read Flash successfully");
    }));
}

INSTANTIATE_TEST_SUITE_P(
    Chains, HangUpInAChain,
    testing::Values(ChainCase{"ReadFlashAfterPedalAssist", "BitBtn2", Command::PedalAssist},
                    ChainCase{"ReadFlashAfterTorque", "BitBtn2", Command::Torque},
                    ChainCase{"WriteFlashAfterBasic", "BitBtn3", Command::Basic},
                    ChainCase{"WriteFlashAfterThrottleHandle", "BitBtn3", Command::ThrottleHandle}),
    [](const testing::TestParamInfo<ChainCase>& info) { return info.param.name; });

// Ten seconds of random bytes on the line while the readings are polled: nothing crashes, no
// descriptor or memory is left behind, and the window still works afterwards.
TEST_F(Faults, AStormOfNoiseDuringContinuousGet) {
    const int descriptors = openDescriptors();
    button("BitBtn13")->click();
    QTest::qWait(600);
    const long residentBefore = residentKiB();

    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(1, 120);
    QElapsedTimer storm;
    storm.start();
    while (storm.elapsed() < 10000) {
        Bytes noise(static_cast<std::size_t>(length(random)));
        for (auto& b : noise) {
            b = static_cast<std::uint8_t>(byte(random));
        }
        sim.injectNoise(noise);
        QTest::qWait(15);
    }
    button("BitBtn13")->click();
    QTest::qWait(600);
    const long residentAfter = residentKiB();

    EXPECT_EQ(openDescriptors(), descriptors);
#if !defined(__SANITIZE_ADDRESS__)
    // Recorded message texts and the traffic log (bounded) account for what growth there is.
    // (AddressSanitizer keeps freed memory in quarantine, so the figure means nothing there; its
    // leak check stands in for this one.)
    EXPECT_LT(residentAfter - residentBefore, 32 * 1024)
        << residentBefore << " -> " << residentAfter;
#endif
    std::printf("resident memory %ld KiB -> %ld KiB, %zu messages during the storm\n",
                residentBefore, residentAfter, boxes.shown.size());

    boxes.shown.clear();
    form->PendingRequest = NothingAwaited;
    button("BitBtn2")->click();
    ASSERT_TRUE(waitFor([this] {
        return std::find(boxes.shown.begin(), boxes.shown.end(),
                         "info: Read Flash successfully.") != boxes.shown.end();
    }));
}

} // namespace
} // namespace morvent
