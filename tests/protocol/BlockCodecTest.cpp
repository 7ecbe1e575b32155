#include "BlockCodec.h"
#include "NumberConversion.h"
#include "TestFields.h"

#include <gtest/gtest.h>

namespace morvent {
namespace {

using test::hex;
using test::Value;

std::vector<Value> torqueAll(const std::string& text) {
    std::vector<Value> values;
    for (int n = 32; n <= 91; ++n) {
        values.push_back({"Edit" + std::to_string(n), text});
    }
    return values;
}

Bytes torqueZeroFrame() {
    Bytes frame{0x16, 0x55, 0x47};
    frame.insert(frame.end(), kTorqueLength, 0x00);
    frame.push_back(0x9C);
    return frame;
}

struct WorkedExample {
    const char* name;
    Block block;
    std::vector<Value> values;
    Bytes frame;
};

class BlockWorkedExample : public testing::TestWithParam<WorkedExample> {};

TEST_P(BlockWorkedExample, WriteFrameIsByteForByte) {
    FieldStore fields = test::windowFields();
    test::set(fields, GetParam().values);
    EXPECT_EQ(buildWriteFrame(GetParam().block, fields), GetParam().frame);
}

TEST_P(BlockWorkedExample, ReadReplyOfTheSameBytesGivesTheValuesBack) {
    // A read reply carries the write frame's bytes without the lead 0x16.
    const Bytes reply(GetParam().frame.begin() + 1, GetParam().frame.end());
    ASSERT_TRUE(readReplyChecksumValid(reply));
    FieldStore fields = test::windowFields();
    applyReadReply(GetParam().block, reply, fields);
    for (const Value& v : GetParam().values) {
        if (v.index == Value::kTextOnly) {
            EXPECT_EQ(fields.text(v.control), v.text) << v.control;
        } else {
            EXPECT_EQ(fields.selectedIndex(v.control), v.index) << v.control;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, BlockWorkedExample,
    testing::Values(
        WorkedExample{"Basic", Block::Basic,
                      test::values("ComboBox3=42 Edit1=25 edit2=30 Edit3=40 Edit4=50 Edit5=60 "
                                   "Edit6=70 Edit7=80 Edit8=90 Edit9=100 Edit10=100 Edit11=100 "
                                   "Edit12=50 Edit13=55 Edit14=60 Edit15=65 Edit16=70 Edit17=75 "
                                   "Edit18=80 Edit19=85 Edit20=90 Edit21=100 ComboBox4=26 "
                                   "ComboBox5#1 Edit22=6"),
                      hex("16 52 18 2A 19 1E 28 32 3C 46 50 5A 64 64 64 32 37 3C 41 46 4B 50 55 "
                          "5A 64 34 46 D1")},
        WorkedExample{"PedalAssist", Block::PedalAssist,
                      test::values("ComboBox6#2 ComboBox7#0 ComboBox8#11 Edit23=30 ComboBox9#2 "
                                   "Edit24=2 ComboBox10#0 Edit25=10 Edit26=4 Edit27=20 Edit31=50"),
                      hex("16 53 0B 02 FF 19 1E 03 02 FF 0A 04 14 32 EE")},
        WorkedExample{"ThrottleHandle", Block::ThrottleHandle,
                      test::values("Edit28=11 Edit29=42 ComboBox11#0 ComboBox12#4 ComboBox13#0 "
                                   "Edit30=20"),
                      hex("16 54 06 0B 2A 00 03 FF 14 A5")},
        WorkedExample{"TorqueAllZero", Block::Torque, torqueAll("0"), torqueZeroFrame()}),
    [](const auto& info) { return std::string(info.param.name); });

// Where a Torque value lands: 16-bit values high byte first, the delta voltages in band order,
// the grid column by column.
struct Placement {
    Value value;
    std::size_t index;
    Bytes bytes;
};

class TorquePlacement : public testing::TestWithParam<Placement> {};

TEST_P(TorquePlacement, WritesAndReadsAtItsPayloadIndex) {
    const Placement& p = GetParam();
    FieldStore fields;
    test::set(fields, torqueAll("0"));
    test::set(fields, {p.value});
    const Bytes payload = buildPayload(Block::Torque, fields);
    EXPECT_EQ(Bytes(&payload.at(p.index), &payload.at(p.index) + p.bytes.size()), p.bytes);

    Bytes reply(2 + p.index, 0);
    reply.insert(reply.end(), p.bytes.begin(), p.bytes.end());
    FieldStore back;
    applyReadReply(Block::Torque, reply, back);
    EXPECT_EQ(back.text(p.value.control), p.value.text);
}

INSTANTIATE_TEST_SUITE_P(Fields, TorquePlacement,
                         testing::Values(Placement{{"Edit32", "1500"}, 0, {0x05, 0xDC}},
                                         Placement{{"Edit39", "258"}, 8, {0x01, 0x02}},
                                         Placement{{"Edit43", "255"}, 22, {0xFF}},
                                         Placement{{"Edit86", "8"}, 30, {0x08}},
                                         Placement{{"Edit45", "7"}, 31, {0x07}},
                                         Placement{{"Edit91", "9"}, 70, {0x09}}));

// Combo boxes used by their index, and the wheel size: what a selection sends and what a byte
// selects. With no item selected a combo box counts as index -1 and travels as its formula gives.
enum class Way { Both, ReadOnly };

struct ComboCode {
    Block block;
    std::string control;
    std::size_t index;
    int selected;
    std::uint8_t wire;
    Way way = Way::Both;
};

class BlockCombo : public testing::TestWithParam<ComboCode> {};

TEST_P(BlockCombo, SelectionAndCodeCorrespond) {
    const ComboCode& c = GetParam();
    if (c.way == Way::Both) {
        FieldStore fields = test::validFields();
        fields.setSelectedIndex(c.control, c.selected);
        EXPECT_EQ(buildPayload(c.block, fields).at(c.index), c.wire);
    }
    Bytes reply(2 + c.index, 0);
    reply.push_back(c.wire);
    FieldStore fields = test::windowFields();
    applyReadReply(c.block, reply, fields);
    EXPECT_EQ(fields.selectedIndex(c.control), c.selected);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, BlockCombo,
    testing::Values(ComboCode{Block::Basic, "ComboBox4", 22, k700CIndex, 0x37},
                    ComboCode{Block::Basic, "ComboBox4", 22, 11, 0x36},
                    ComboCode{Block::Basic, "ComboBox4", 22, 13, 0x38},
                    ComboCode{Block::Basic, "ComboBox4", 22, 1, 0x21, Way::ReadOnly},
                    ComboCode{Block::Basic, "ComboBox4", 22, 14, 0x39, Way::ReadOnly},
                    ComboCode{Block::Basic, "ComboBox4", 22, 0, 0x1F, Way::ReadOnly},
                    ComboCode{Block::Basic, "ComboBox4", 22, -1, 0x3D, Way::ReadOnly},
                    ComboCode{Block::Basic, "ComboBox4", 22, -1, 0x1E, Way::ReadOnly},
                    ComboCode{Block::PedalAssist, "ComboBox6", 0, -1, 0xFF},
                    ComboCode{Block::PedalAssist, "ComboBox7", 1, 0, 0xFF},
                    ComboCode{Block::PedalAssist, "ComboBox7", 1, -1, 0xFE},
                    ComboCode{Block::PedalAssist, "ComboBox8", 2, -1, 0x0D},
                    ComboCode{Block::PedalAssist, "ComboBox8", 2, 0, 0x0E, Way::ReadOnly},
                    ComboCode{Block::PedalAssist, "ComboBox9", 4, -1, 0x00},
                    ComboCode{Block::PedalAssist, "ComboBox10", 6, -1, 0x08},
                    ComboCode{Block::PedalAssist, "ComboBox10", 6, 0, 0x09, Way::ReadOnly},
                    ComboCode{Block::PedalAssist, "ComboBox10", 6, 71, 0x50},
                    ComboCode{Block::ThrottleHandle, "ComboBox11", 2, -1, 0xFF},
                    ComboCode{Block::ThrottleHandle, "ComboBox11", 2, -1, 0x02, Way::ReadOnly},
                    ComboCode{Block::ThrottleHandle, "ComboBox12", 3, 0, 0xFF},
                    ComboCode{Block::ThrottleHandle, "ComboBox13", 4, 26, 0x28}));

TEST(BasicCodec, SpeedMeterByteCarriesModelAndSignalCount) {
    FieldStore fields = test::windowFields();
    applyReadReply(Block::Basic,
                   hex("52 18 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                       "00 00 00 00 00 38 85"),
                   fields);
    EXPECT_EQ(fields.selectedIndex("ComboBox5"), 2);
    EXPECT_EQ(fields.text("Edit22"), "5");
    // Model code 2 is never sent back: it goes out as "By Motor Phase".
    EXPECT_EQ(buildPayload(Block::Basic, fields).at(23), 0xC5);
    // No model selected gives the same bits.
    fields.setSelectedIndex("ComboBox5", -1);
    EXPECT_EQ(buildPayload(Block::Basic, fields).at(23), 0xC5);
}

TEST(BasicCodec, WheelSizeNotInTheListTravelsDoubledByItsText) {
    FieldStore fields = test::validFields();
    test::set(fields, {{"ComboBox4", "31"}});
    EXPECT_EQ(buildPayload(Block::Basic, fields).at(22), 62);
    test::set(fields, {{"ComboBox4", ""}});
    EXPECT_THROW(buildPayload(Block::Basic, fields), ConversionError);
}

TEST(BasicCodec, ShortReplyReadsMissingBytesAsZeroWhateverItsLength) {
    FieldStore fields = test::windowFields();
    test::set(fields, {{"Edit1", "9"}, {"Edit21", "9"}, {"Edit22", "9"}});
    fields.setSelectedIndex("ComboBox4", 3);
    // The length byte claims 2, yet the payload is taken from its fixed offsets.
    applyReadReply(Block::Basic, hex("52 02 30 1F 11"), fields);
    EXPECT_EQ(fields.text("ComboBox3"), "48");
    EXPECT_EQ(fields.text("Edit1"), "31");
    EXPECT_EQ(fields.text("edit2"), "17");
    EXPECT_EQ(fields.text("Edit21"), "0");
    EXPECT_EQ(fields.selectedIndex("ComboBox4"), -1);
    EXPECT_EQ(fields.text("Edit22"), "0");
}

TEST(TorqueCodec, AllOnesReplyShowsFieldMaximums) {
    Bytes payload(kTorqueLength, 0xFF);
    FieldStore fields;
    applyReadReply(Block::Torque, readReply(Command::Torque, payload), fields);
    for (int n = 32; n <= 91; ++n) {
        EXPECT_EQ(fields.text("Edit" + std::to_string(n)), n <= 42 ? "65535" : "255") << n;
    }
}

TEST(TorqueCodec, ConversionStopsAtTheFirstBadFieldInPayloadOrder) {
    FieldStore fields;
    test::set(fields, torqueAll("0"));
    // Edit39 precedes Edit36 in the payload although it follows it on the page.
    test::set(fields, {{"Edit36", "1 "}, {"Edit39", ""}, {"Edit91", "x"}});
    try {
        buildPayload(Block::Torque, fields);
        FAIL() << "built a payload from an empty field";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid integer value");
    }
}

} // namespace
} // namespace morvent
