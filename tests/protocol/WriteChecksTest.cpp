#include "WriteChecks.h"
#include "BlockCodec.h"
#include "NumberConversion.h"
#include "TestFields.h"

#include <gtest/gtest.h>

namespace morvent {
namespace {

enum class Check { Basic, PedalAssist, ThrottleHandle, Torque, WriteFlash };

std::optional<Refusal> run(Check check, const Fields& fields, int maxCurrent) {
    switch (check) {
    case Check::Basic:
        return checkBasicWrite(fields, maxCurrent);
    case Check::PedalAssist:
        return checkPedalAssistWrite(fields);
    case Check::ThrottleHandle:
        return checkThrottleHandleWrite(fields);
    case Check::Torque:
        return checkTorqueWrite(fields);
    case Check::WriteFlash:
        return checkWriteFlash(fields, maxCurrent);
    }
    return std::nullopt;
}

struct RangeCase {
    Check check;
    const char* values;
    int maxCurrent;
    const char* message = nullptr; // nullptr: passes
    const char* control = "";
    int page = 0;
};

class WriteRangeCheck : public testing::TestWithParam<RangeCase> {};

TEST_P(WriteRangeCheck, RefusesTheFirstFieldOutOfRange) {
    const RangeCase& c = GetParam();
    FieldStore fields = test::validFields();
    test::set(fields, test::values(c.values));
    const auto refusal = run(c.check, fields, c.maxCurrent);
    if (c.message == nullptr) {
        EXPECT_EQ(refusal, std::nullopt) << refusal->message;
    } else {
        EXPECT_EQ(refusal, (Refusal{c.message, c.control, c.page}));
    }
}

constexpr const char* kLimitedCurrent = "The Limited Current is out of range,Please input again.";
constexpr const char* kSignal = "The SpdMeter Signal is out of range,Please input again.";
constexpr const char* kStartCurrent = "The Start Current is out of range,Please input again.";

INSTANTIATE_TEST_SUITE_P(
    Pages, WriteRangeCheck,
    testing::Values(
        RangeCase{Check::Basic, "Edit1=25 Edit22=36", 25},
        RangeCase{Check::Basic, "Edit1=-1000 Edit22=1", 0},
        RangeCase{Check::Basic, "Edit1=26 Edit22=0", 25, kLimitedCurrent, "Edit1"},
        RangeCase{Check::Basic, "Edit1=1", 0, kLimitedCurrent, "Edit1"},
        RangeCase{Check::Basic, "Edit22=37", 25, kSignal, "Edit22"},
        RangeCase{Check::PedalAssist, "Edit24=20 Edit25=0 Edit27=255", 0},
        RangeCase{Check::PedalAssist, "Edit24=21", 0,
                  "The Startup Dgree is out of range,Please input again.", "Edit24", 1},
        RangeCase{Check::PedalAssist, "Edit25=256 Edit31=0", 0,
                  "The Time of stop is out of range,Please input again.", "Edit25", 1},
        RangeCase{Check::ThrottleHandle, "Edit28=0 Edit29=50 Edit30=100", 0},
        RangeCase{Check::ThrottleHandle, "Edit29=51", 0,
                  "The End Voltage is out of range,Please input again.", "Edit29", 2},
        RangeCase{Check::ThrottleHandle, "Edit30=0", 0, kStartCurrent, "Edit30", 2},
        RangeCase{Check::Torque, "Edit32=5000 Edit33=0 Edit34=6000", 0},
        RangeCase{Check::Torque, "Edit32=5001 Edit33=-1", 0,
                  "The BaseVoltage of  is out of range,Please input again.", "Edit32", 3},
        RangeCase{Check::Torque, "Edit33=-1", 0,
                  "The ErrorVoltage of Min is out of range,Please input again.", "Edit33", 3},
        // Write Flash: an order of its own, and nothing of the Torque page.
        RangeCase{Check::WriteFlash, "Edit1=0 Edit32=6000", 0},
        RangeCase{Check::WriteFlash, "Edit22=37 Edit23=0", 25, kSignal, "Edit22"},
        RangeCase{Check::WriteFlash, "Edit30=101 Edit31=0", 25, kStartCurrent, "Edit30", 2},
        RangeCase{Check::WriteFlash, "Edit31=0", 25,
                  "The Keep Current is out of range,Please input again.", "Edit31", 1}));

TEST(WriteRangeCheck, BadTextRaisesTheConversionError) {
    FieldStore fields = test::validFields();
    fields.setText("Edit22", "");
    EXPECT_THROW(checkBasicWrite(fields, 25), ConversionError);
    EXPECT_THROW(checkWriteFlash(fields, 25), ConversionError);
}

struct WidthCase {
    Block block;
    const char* value;
    const char* message; // nullptr: fits
};

class WidthCheck : public testing::TestWithParam<WidthCase> {};

TEST_P(WidthCheck, RefusesValuesWiderThanTheirWireField) {
    const WidthCase& c = GetParam();
    FieldStore fields = test::validFields();
    const auto value = test::values(c.value);
    test::set(fields, value);
    const auto refusal = checkFieldWidths(c.block, fields);
    if (c.message == nullptr) {
        EXPECT_EQ(refusal, std::nullopt) << refusal->message;
    } else {
        EXPECT_EQ(refusal, (Refusal{c.message, value.front().control, layout(c.block).page}));
    }
    // Write Flash runs the same check over all four blocks.
    EXPECT_EQ(checkFieldWidthsForFlash(fields), refusal);
}

constexpr const char* kCurrent0 = "The Limit Current0 is out of range,Please input again.";
constexpr const char* kWheel = "The SpdMT is out of range,Please input again.";
constexpr const char* kErrorVhigh = "The ErrorVhigh Voltage is out of range,Please input again.";

INSTANTIATE_TEST_SUITE_P(
    Bounds, WidthCheck,
    testing::Values(WidthCase{Block::Basic, "edit2=255", nullptr},
                    WidthCase{Block::Basic, "edit2=256", kCurrent0},
                    WidthCase{Block::Basic, "edit2=-1", kCurrent0},
                    WidthCase{Block::Basic, "edit2=$FFFFFFFF", kCurrent0},
                    WidthCase{Block::Basic, "Edit14=256",
                              "The Limit SPDt2 is out of range,Please input again."},
                    WidthCase{Block::Basic, "Edit1=-1",
                              "The Limited Current is out of range,Please input again."},
                    WidthCase{Block::Basic, "ComboBox3=256",
                              "The Limit Volt is out of range,Please input again."},
                    WidthCase{Block::Basic, "ComboBox4=127", nullptr},
                    WidthCase{Block::Basic, "ComboBox4=128", kWheel},
                    WidthCase{Block::Basic, "ComboBox4=-1", kWheel},
                    WidthCase{Block::Basic, "ComboBox4#12", nullptr},
                    WidthCase{Block::Basic, "Edit22=64",
                              "The SpdMeter Signal is out of range,Please input again."},
                    WidthCase{Block::PedalAssist, "Edit23=256", kStartCurrent},
                    WidthCase{Block::Torque, "Edit34=65535", nullptr},
                    WidthCase{Block::Torque, "Edit34=65536", kErrorVhigh},
                    WidthCase{Block::Torque, "Edit34=70000", kErrorVhigh},
                    WidthCase{Block::Torque, "Edit34=-1", kErrorVhigh},
                    WidthCase{Block::Torque, "Edit45=300",
                              "The StartKgS5 is out of range,Please input again."}));

TEST(WidthCheck, ComboIndexFieldsAlwaysFitAndFlashReportsTheEarliestBlock) {
    FieldStore fields = test::validFields();
    for (const std::string_view combo : kParameterCombos) {
        if (combo != "ComboBox3" && combo != "ComboBox4") {
            fields.setSelectedIndex(combo, -1);
        }
    }
    EXPECT_EQ(checkFieldWidthsForFlash(fields), std::nullopt);
    test::set(fields, test::values("Edit91=256 Edit30=256 Edit21=256"));
    EXPECT_EQ(checkFieldWidthsForFlash(fields)->control, "Edit21");
}

} // namespace
} // namespace morvent
