#include "Form1Fixture.h"

#include "TComm.h"

namespace morvent {
namespace {

using test::Form1Test;

std::vector<unsigned> connectRates(const SimulatedController& sim) {
    std::vector<unsigned> rates;
    for (const ReceivedRequest& r : sim.receivedRequests()) {
        if (r.request.kind == ControllerRequest::Kind::Connect) {
            rates.push_back(r.lineBaud);
        }
    }
    return rates;
}

TEST_F(Form1Test, ConnectProbesUntilTheControllerAnswersAndShowsWhoItIs) {
    connectController();

    // Sent at 1200 first, unheard by a controller listening at 9600, then again at 9600.
    EXPECT_EQ(connectRates(sim), (std::vector<unsigned>{1200, 9600}));
    EXPECT_EQ(caption("Label6"), "Manufacturer:KLMN");
    EXPECT_EQ(caption("Label7"), "Model:PQRS");
    EXPECT_EQ(caption("Label8"), "Harware Ver: V1.0");
    EXPECT_EQ(caption("Label10"), "Nominal Voltage: 48V");
    EXPECT_EQ(caption("Label11"), "Max.Current: 25A");
    const std::string firmware = sim.withModel([](ControllerModel& m) { return m.firmwareText(); });
    EXPECT_EQ(caption("Label9"), "Firmware Ver:" + QString::fromStdString(firmware));
    EXPECT_EQ(requests(Command::FirmwareText), 1u);
    EXPECT_EQ(form->MaxCurrent, 25);

    auto* voltages = find<QComboBox>("ComboBox3");
    ASSERT_EQ(voltages->count(), 6);
    EXPECT_EQ(voltages->itemText(0), "38");
    EXPECT_EQ(voltages->itemText(5), "43");
    EXPECT_EQ(find<QComboBox>("ComboBox2")->currentText(), "9600");
    for (QPushButton* b : form->controllerButtons()) {
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    }
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(form->ConnectFlag, 1);
    EXPECT_EQ(form->Comm1->BaudRate(), 9600u);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Form1Test, ProbingWalksTheWholeBaudListFromTheStart) {
    sim.withModel([](ControllerModel& m) { m.setListenBaud(115200); });
    // The list's own selection does not matter: probing always starts at 1200.
    find<QComboBox>("ComboBox2")->setCurrentIndex(3);
    connectController();
    EXPECT_EQ(connectRates(sim), (std::vector<unsigned>{1200, 9600, 19200, 38400, 115200}));
    EXPECT_EQ(find<QComboBox>("ComboBox2")->currentIndex(), 1);
}

TEST_F(Form1Test, ProbingWrapsAroundAfterTheFastestRate) {
    sim.withModel([](ControllerModel& m) { m.setListenBaud(1200); });
    // The first attempt at 1200 goes unanswered while the line is still switching.
    sim.withModel([](ControllerModel& m) { m.dropNextReplies(1); });
    connectController();
    EXPECT_EQ(connectRates(sim), (std::vector<unsigned>{1200, 9600, 19200, 38400, 115200, 1200}));
}

TEST_F(Form1Test, CloseStopsProbingAtOnce) {
    sim.withModel([](ControllerModel& m) { m.setDropAllReplies(true); });
    button("BitBtn1")->click();
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_TRUE(button("BitBtn11")->isEnabled());
    ASSERT_TRUE(waitFor([this] { return connectRates(sim).size() >= 2; }));

    button("BitBtn11")->click();
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(form->Comm1->ComHandle(), 0u);
    EXPECT_EQ(form->ConnectFlag, 0);
    for (QPushButton* b : form->controllerButtons()) {
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    }
    const std::size_t sent = connectRates(sim).size();
    QTest::qWait(600);
    EXPECT_EQ(connectRates(sim).size(), sent);
    EXPECT_TRUE(button("BitBtn1")->isEnabled());
}

TEST_F(Form1Test, ReconnectingProbesAgainAndKeepsTheOldIdentityUntilTheNewOne) {
    connectController();
    sim.withModel([](ControllerModel& m) {
        Bytes identity = m.identity();
        identity[0] = 'A'; // manufacturer "ALMN"
        m.setIdentity(identity);
    });
    button("BitBtn1")->click();
    // Right after the click the port is probing again and the old captions still stand.
    EXPECT_EQ(caption("Label6"), "Manufacturer:KLMN");
    EXPECT_EQ(form->Comm1->BaudRate(), 9600u);
    ASSERT_TRUE(waitFor([this] { return caption("Label6") == "Manufacturer:ALMN"; }));
    EXPECT_EQ(connectRates(sim), (std::vector<unsigned>{1200, 9600, 1200, 9600}));
    EXPECT_TRUE(waitFor([this] { return requests(Command::FirmwareText) == 2; }));
}

TEST_F(Form1Test, AnIdentityWithABadChecksumStopsProbingAndEnablesNothing) {
    sim.withModel([](ControllerModel& m) { m.setChecksumCorrupted(Command::Identity, true); });
    button("BitBtn1")->click();
    ASSERT_TRUE(waitFor([this] { return !boxes.shown.empty(); }));
    EXPECT_EQ(boxes.shown, std::vector<QString>{"info: Read The Controller Info CheckSum Error"});
    EXPECT_FALSE(form->Timer1->isActive());
    QTest::qWait(500);
    EXPECT_EQ(connectRates(sim).size(), 2u);
    EXPECT_EQ(requests(Command::FirmwareText), 0u);
    EXPECT_EQ(caption("Label6"), "Manufacturer:");
    EXPECT_TRUE(button("BitBtn11")->isEnabled());
    EXPECT_FALSE(button("BitBtn2")->isEnabled());
}

TEST_F(Form1Test, TheLowerIdentityChecksumIsAcceptedToo) {
    sim.withModel([](ControllerModel& m) { m.setIdentityChecksumLowered(true); });
    connectController();
    EXPECT_EQ(caption("Label11"), "Max.Current: 25A");
}

class Form1ConnectFailure : public Form1Test, public testing::WithParamInterface<const char*> {};

TEST_P(Form1ConnectFailure, ShowsTheOpenErrorAndStaysDisconnected) {
    TComm holder;
    const std::string which = GetParam();
    if (which == "missing") {
        find<QComboBox>("ComboBox1")->setEditText("/dev/morvent-no-such-port");
    } else {
        holder.setCommName(sim.devicePath());
        holder.OpenComm();
    }
    button("BitBtn1")->click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    // The message of old first, then the cause and the fix.
    EXPECT_TRUE(boxes.shown[0].startsWith("error: Error opening serial port.\n\n"))
        << boxes.shown[0].toStdString();
    EXPECT_TRUE(boxes.shown[0].contains(which == "missing" ? "No such device" : "in use"))
        << boxes.shown[0].toStdString();
    EXPECT_EQ(form->ConnectFlag, 0);
    EXPECT_EQ(form->Comm1->ComHandle(), 0u);
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_FALSE(button("BitBtn11")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Ports, Form1ConnectFailure, testing::Values("missing", "inUse"));

TEST_F(Form1Test, AnOpenErrorMessageKeepsItsOwnEnding) {
    find<QComboBox>("ComboBox1")->setEditText("/dev/null");
    button("BitBtn1")->click();
    // The text ends in a blank, which sorts before the full stop: nothing is appended.
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].startsWith("error: File handle is not a comm handle \n\n"));
    EXPECT_TRUE(boxes.shown[0].contains("/dev/null is not a serial port"));
}

} // namespace
} // namespace morvent
