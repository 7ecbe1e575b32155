#include "SimOptions.h"

#include "BlockRules.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace morvent {
namespace {

using std::chrono::milliseconds;

SimOptions parse(std::vector<std::string_view> arguments) {
    return parseSimOptions(arguments);
}

TEST(SimOptions, ParsesEveryKnob) {
    SimOptions expected;
    expected.seed = 42;
    expected.listenBaud = 38400;
    expected.pace = true;
    expected.refusals = {{Command::Basic, 23}, {Command::Torque, 0}};
    expected.corruptedCodes = {Command::Identity, Command::PedalAssist};
    expected.corruptNext = true;
    expected.dropNext = 3;
    expected.dropAll = true;
    expected.delay = milliseconds(250);
    expected.splits = {{Command::Basic, 10, ControllerModel::kDefaultSplitPause},
                       {Command::LiveReadings, 4, milliseconds(300)}};
    expected.identity = Bytes{0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48,
                              0x32, 0x31, 0x30, 0x39, 0x38, 0x37, 0x05, 0xFA};
    expected.firmwareText = "FW 2.0";
    expected.identityChecksumLowered = true;
    expected.hangUpAfter = milliseconds(5000);
    expected.hangUpOn = Command::Torque;

    EXPECT_EQ(parse({"--seed",
                     "42",
                     "--listen-baud=38400",
                     "--pace",
                     "--refuse",
                     "basic:23",
                     "--refuse=0x55:0",
                     "--corrupt-checksum",
                     "identity",
                     "--corrupt-checksum",
                     "0x53",
                     "--corrupt-next",
                     "--drop",
                     "3",
                     "--drop-all",
                     "--delay",
                     "250",
                     "--split",
                     "basic:10",
                     "--split=live:4:300",
                     "--identity",
                     "414243444546474832313039383705fa",
                     "--firmware",
                     "FW 2.0",
                     "--identity-checksum-lowered",
                     "--hang-up-after",
                     "5000",
                     "--hang-up-on=torque"}),
              expected);
    EXPECT_EQ(parse({}), SimOptions{});
    EXPECT_TRUE(parse({"--help"}).help);
    EXPECT_TRUE(parse({"-h"}).help);
}

TEST(SimOptions, RejectsWhatItCannotUse) {
    const std::vector<std::vector<std::string_view>> cases = {
        {"--listen-baud", "4800"},
        {"--listen-baud"},
        {"--refuse", "basic:24"},
        {"--refuse", "live:0"},
        {"--refuse", "basic"},
        {"--refuse", "brakes:1"},
        {"--corrupt-checksum", "0x57"},
        {"--drop", "-1"},
        {"--delay", "soon"},
        {"--split", "basic"},
        {"--split", "basic:0"},
        {"--split", "basic:4:5:6"},
        {"--identity", "4B4C"},
        {"--identity", "4B4C4D4E50515253313031323334021G"},
        {"--pace=yes"},
        {"--seed", "4294967296"},
        {"--colour"},
        {"serve"},
    };
    for (const auto& arguments : cases) {
        EXPECT_THROW(parseSimOptions(arguments), std::invalid_argument)
            << testing::PrintToString(arguments);
    }
}

TEST(SimOptions, AppliedOptionsShapeTheModel) {
    ControllerModel model;
    applySimOptions(
        parse({"--listen-baud", "1200", "--refuse", "pedal-assist:4", "--drop", "1", "--delay",
               "20", "--firmware", "X1", "--identity", "4B4C4D4E50515253313031323334033C"}),
        model);
    EXPECT_EQ(model.listenBaud(), 1200u);
    EXPECT_EQ(model.identity()[15], 0x3C);
    EXPECT_EQ(model.firmwareText(), "X1");
    EXPECT_TRUE(model.feed(readRequest(Command::Basic)).empty()); // the dropped one
    const auto refused =
        model.feed(writeFrame(Command::PedalAssist, factoryImage(Command::PedalAssist)));
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_EQ(refused[0].bytes, writeAcknowledgement(Command::PedalAssist, 4));
    EXPECT_EQ(refused[0].delay, milliseconds(20));
}

} // namespace
} // namespace morvent
