#include "Form1Fixture.h"

#include "BlockCodec.h"
#include "Frames.h"
#include "NumberConversion.h"
#include "StatusTable.h"

#include <random>

namespace morvent {
namespace {

using test::Form1Test;

// Replies handed to the dispatcher directly, as one receive event each, on a connected window.
class Dispatcher : public Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        connectController();
    }
    void receive(const Bytes& bytes) {
        form->Comm1ReceiveData(form->Comm1, bytes.data(), static_cast<std::uint16_t>(bytes.size()));
    }
    Bytes lastRequestFrame() const {
        const auto all = sim.receivedRequests();
        return all.empty() ? Bytes{} : all.back().request.raw;
    }
};

Bytes reply(Command block, Bytes payload) {
    return readReply(block, payload);
}

Bytes withBadChecksum(Bytes frame) {
    frame.back() = static_cast<std::uint8_t>(frame.back() + 1);
    return frame;
}

TEST_F(Dispatcher, ABlockReadReplyIsTakenOnlyWhileAReadIsAwaited) {
    Bytes basic = sim.withModel([](ControllerModel& m) { return m.image(Command::Basic); });
    basic[1] = 17; // Edit1, the current limit
    const auto before = snapshot();

    form->PendingRequest = NothingAwaited;
    receive(reply(Command::Basic, basic));
    EXPECT_EQ(snapshot(), before);

    form->PendingRequest = SingleRead;
    receive(reply(Command::Basic, basic));
    EXPECT_EQ(form->ui().edit(1)->text(), "17");
    EXPECT_EQ(form->PendingRequest, NothingAwaited);
    EXPECT_NE(form->Comm1->ComHandle(), 0u);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Dispatcher, AReadReplyWithABadChecksumChangesNothing) {
    struct Case {
        Command code;
        const char* message;
    };
    for (const Case c :
         {Case{Command::Basic, "Read The Basic Info CheckSum Error"},
          Case{Command::PedalAssist, "Read The Pedal Assist Info CheckSum Error"},
          Case{Command::ThrottleHandle, "Read The Throttle Handle Info CheckSum Error"},
          Case{Command::Torque, "Read The Torque Info CheckSum Error"},
          Case{Command::LiveReadings, "Read The Tq Info CheckSum Error"}}) {
        for (const int pending : {SingleRead, FlashReadChain}) {
            const Bytes payload(c.code == Command::LiveReadings ? kLiveReadingsLength : 71, 9);
            const auto before = snapshot();
            boxes.shown.clear();
            form->PendingRequest = pending;
            receive(withBadChecksum(reply(c.code, payload)));
            EXPECT_EQ(boxes.shown, std::vector<QString>{QString("info: ") + c.message});
            EXPECT_EQ(snapshot(), before) << c.message;
            EXPECT_EQ(form->PendingRequest, pending) << c.message;
        }
    }
}

struct AckCase {
    const char* name;
    Block block;
    std::uint8_t status;
    std::vector<QString> shown;
    int pendingAfter;
    const char* focused; // nullptr: no field is pointed at
};

void PrintTo(const AckCase& c, std::ostream* os) {
    *os << c.name;
}

class DispatcherAcknowledgement : public Dispatcher, public testing::WithParamInterface<AckCase> {};

TEST_P(DispatcherAcknowledgement, OfASingleWrite) {
    const AckCase& c = GetParam();
    form->PendingRequest = SingleWrite;
    receive(writeAcknowledgement(layout(c.block).command, c.status));
    EXPECT_EQ(boxes.shown, c.shown);
    EXPECT_EQ(form->PendingRequest, c.pendingAfter);
    if (c.focused) {
        EXPECT_EQ(find<QTabWidget>("TabbedNotebook1")->currentIndex(), layout(c.block).page);
        EXPECT_EQ(QApplication::focusWidget(), find<QWidget>(c.focused));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, DispatcherAcknowledgement,
    testing::Values(
        AckCase{"BasicAccepted", Block::Basic, 24, {"info: Basic Set successfully."}, 0, nullptr},
        AckCase{"BasicAboveLength", Block::Basic, 30, {}, 0, nullptr},
        AckCase{"BasicRefused",
                Block::Basic,
                4,
                {"info: The Limit Current2 setting error,Please reset"},
                0,
                "Edit4"},
        AckCase{"PedalAssistRefused",
                Block::PedalAssist,
                3,
                {"info: The Start Current setting error,Please reset."},
                0,
                "Edit23"},
        AckCase{"PedalAssistAccepted",
                Block::PedalAssist,
                11,
                {"info: Pedal Assist Set successfully."},
                0,
                nullptr},
        AckCase{"ThrottleAccepted",
                Block::ThrottleHandle,
                6,
                {"info: Throttle Handle Set successfully."},
                0,
                nullptr},
        // Throttle Handle and Torque keep awaiting after a refusal until the next button.
        AckCase{"ThrottleRefused",
                Block::ThrottleHandle,
                0,
                {"info: " + QString::fromStdString(refusedByteMessage(Block::ThrottleHandle, 0))},
                2,
                "Edit28"},
        AckCase{
            "TorqueAccepted", Block::Torque, 71, {"info: Torque Set successfully."}, 0, nullptr},
        AckCase{"TorqueRefused",
                Block::Torque,
                0,
                {"info: " + QString::fromStdString(refusedByteMessage(Block::Torque, 0))},
                2,
                "Edit32"}),
    [](const testing::TestParamInfo<AckCase>& info) { return info.param.name; });

TEST_F(Dispatcher, AnAcknowledgementWithABadChecksumChangesNothing) {
    form->PendingRequest = SingleWrite;
    receive(withBadChecksum(writeAcknowledgement(Command::Basic, 24)));
    EXPECT_EQ(boxes.shown, std::vector<QString>{"info: Write The Basic Info CheckSum Error"});
    EXPECT_EQ(form->PendingRequest, SingleWrite);
}

TEST_F(Dispatcher, AnAcceptedBlockInWriteFlashSendsTheNextAndTheChainRunsToTheEnd) {
    // Values the controller accepts, from the controller itself.
    form->PendingRequest = FlashReadChain;
    form->SendReadCommand(0x52);
    ASSERT_TRUE(waitFor([this] { return !boxes.shown.empty(); }));
    boxes.shown.clear();

    form->PendingRequest = FlashWriteChain;
    receive({0x53, 0x0B, 0x5E});
    EXPECT_EQ(form->PendingRequest, FlashWriteChain);
    ASSERT_TRUE(waitFor([this] { return lastRequestFrame().size() == 10; }));
    EXPECT_EQ(lastRequestFrame()[1], 0x54); // the Throttle Handle write frame
    ASSERT_TRUE(waitFor([this] { return !boxes.shown.empty(); }));
    EXPECT_EQ(boxes.shown, std::vector<QString>{"info: Write Flash successfully."});
    EXPECT_EQ(form->PendingRequest, NothingAwaited);
}

TEST_F(Dispatcher, AnAcknowledgementWhileAReadIsAwaitedFailsTheReadChecksum) {
    form->PendingRequest = SingleRead;
    receive({0x53, 0x0B, 0x5E});
    EXPECT_EQ(boxes.shown, std::vector<QString>{"info: Read The Pedal Assist Info CheckSum Error"});
    EXPECT_EQ(form->PendingRequest, SingleRead);
}

TEST_F(Dispatcher, AReadFlashChainFillsEveryPageFromTheController) {
    Bytes torque = sim.withModel([](ControllerModel& m) { return m.image(Command::Torque); });
    torque[0] = 0x01;
    torque[1] = 0x2C; // Base voltage 300
    sim.withModel([&](ControllerModel& m) { m.setImage(Command::Torque, torque); });

    form->PendingRequest = FlashReadChain;
    form->SendReadCommand(0x52);
    ASSERT_TRUE(waitFor([this] { return !boxes.shown.empty(); }));
    EXPECT_EQ(boxes.shown, std::vector<QString>{"info: Read Flash successfully."});
    EXPECT_EQ(form->PendingRequest, NothingAwaited);
    EXPECT_EQ(form->ui().edit(32)->text(), "300");
    EXPECT_EQ(find<QComboBox>("ComboBox3")->currentText(), "42");
    EXPECT_EQ(find<QComboBox>("ComboBox4")->currentText(), "26");
    for (const Command c : {Command::Basic, Command::PedalAssist, Command::ThrottleHandle,
                            Command::Torque, Command::LiveReadings}) {
        EXPECT_EQ(requests(c), 1u);
    }
}

TEST_F(Dispatcher, OnlyTheFirstOfTwoRepliesInOneEventIsTaken) {
    Bytes basic = sim.withModel([](ControllerModel& m) { return m.image(Command::Basic); });
    basic[1] = 11;
    Bytes pedal = sim.withModel([](ControllerModel& m) { return m.image(Command::PedalAssist); });
    pedal[3] = 77; // Edit23
    Bytes both = reply(Command::Basic, basic);
    const Bytes second = reply(Command::PedalAssist, pedal);
    both.insert(both.end(), second.begin(), second.end());

    form->PendingRequest = SingleRead;
    receive(both);
    EXPECT_EQ(form->ui().edit(1)->text(), "11");
    EXPECT_NE(form->ui().edit(23)->text(), "77");
}

TEST_F(Dispatcher, AFirmwareTextIsShownAfterABadChecksumButOnlyInAnswerToItsRequest) {
    sim.withModel([](ControllerModel& m) {
        m.setFirmwareText("ABC");
        m.setChecksumCorrupted(Command::FirmwareText, true);
    });
    form->SendReadCommand(0x50);
    ASSERT_TRUE(waitFor([this] { return !boxes.shown.empty(); }));
    EXPECT_EQ(boxes.shown, std::vector<QString>{"info: Read The Software Version Error"});
    EXPECT_EQ(caption("Label9"), "Firmware Ver:ABC");

    const std::string text = "XYZ";
    receive(readReply(Command::FirmwareText, Bytes(text.begin(), text.end())));
    EXPECT_EQ(caption("Label9"), "Firmware Ver:ABC");
}

TEST_F(Dispatcher, LiveReadingsOfASingleReadEndTheRead) {
    form->PendingRequest = SingleRead;
    receive(reply(Command::LiveReadings, {0x01, 0x02, 0x03, 0x00, 0x10, 0x00, 0x20, 0x01, 0x2C}));
    EXPECT_EQ(form->PendingRequest, NothingAwaited);
    EXPECT_TRUE(boxes.shown.empty());
    form->PendingRequest = NothingAwaited;
    const auto before = snapshot();
    receive(reply(Command::LiveReadings, Bytes(9, 0x44)));
    EXPECT_EQ(snapshot(), before);
}

// Whatever arrives — echoes of requests, noise, a chunk far longer than any reply — nothing
// changes unless it is a reply with a valid checksum, and nothing crashes.
TEST_F(Dispatcher, NoiseChangesNothing) {
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::vector<std::uint8_t> leads{0x00, 0x11, 0x16, 0x50, 0x51, 0x52,
                                          0x53, 0x54, 0x55, 0x56, 0x57, 0xFF};
    for (int pending = 0; pending <= 4; ++pending) {
        for (const std::uint8_t lead : leads) {
            Bytes chunk(1024);
            for (auto& b : chunk) {
                b = static_cast<std::uint8_t>(byte(random));
            }
            chunk[0] = lead;
            // Make sure no checksum form matches, wherever the length byte places it.
            const std::size_t at =
                lead >= 0x52 && lead <= 0x55 && (pending == 2 || pending == 4) ? 2 : 2 + chunk[1];
            const std::uint8_t sum = checksum(std::span(chunk).first(at));
            chunk[at] = static_cast<std::uint8_t>(sum + 7);

            const auto before = snapshot();
            form->PendingRequest = pending;
            receive(chunk);
            EXPECT_EQ(snapshot(), before) << "lead " << int(lead) << " pending " << pending;
            EXPECT_EQ(form->PendingRequest, pending);
            EXPECT_NE(form->Comm1->ComHandle(), 0u);
        }
    }
}

TEST_F(Dispatcher, AFieldThatIsNotANumberStopsAWriteBeforeAnythingIsSent) {
    const std::size_t before = sim.receivedRequests().size();
    form->ui().edit(2)->setText("12 ");
    EXPECT_THROW(form->SendBasicWrite(), ConversionError);
    QTest::qWait(200);
    EXPECT_EQ(sim.receivedRequests().size(), before);
}

} // namespace
} // namespace morvent
