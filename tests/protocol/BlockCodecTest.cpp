// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "BlockCodec.h"
#include "NumberConversion.h"
#include "TestFields.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace morvent {
namespace {

using test::hex;

struct WorkedExample {
    const char* name;
    Block block;
    const char* values;
    const char* frame;
};

class BlockWorkedExample : public testing::TestWithParam<WorkedExample> {};

// The write frame carries the values byte for byte; a read reply of the same bytes (the frame
// without its lead 0x16) gives them back.
TEST_P(BlockWorkedExample, WriteFrameAndReadReplyCarryTheValues) {
    const WorkedExample& example = GetParam();
    FieldStore fields = test::windowFields();
    test::set(fields, example.values);
    const Bytes frame = hex(example.frame);
    EXPECT_EQ(buildWriteFrame(example.block, fields), frame);

    FieldStore read = test::windowFields();
    applyReadReply(example.block, Bytes(frame.begin() + 1, frame.end()), read);
    test::expectHolds(read, example.values);
}

// Combo boxes used by their index travel as index plus an offset, the first item of some as
// 0xFF, nothing selected as index -1. Torque: 16-bit values high byte first, the delta voltages
// by ascending band (alternating between the page's columns), then the grid column by column;
// each grid field here holds the index of the payload byte it travels in.
INSTANTIATE_TEST_SUITE_P(
    Blocks, BlockWorkedExample,
    testing::Values(
        WorkedExample{"Basic", Block::Basic,
                      "ComboBox3=42 Edit1=25 edit2=30 Edit3=40 Edit4=50 Edit5=60 Edit6=70 Edit7=80 "
                      "Edit8=90 Edit9=100 Edit10=100 Edit11=0 Edit12=50 Edit13=55 Edit14=60 "
                      "Edit15=65 Edit16=70 Edit17=75 Edit18=80 Edit19=85 Edit20=90 Edit21=255 "
                      "ComboBox4=700C ComboBox5#1 Edit22=6",
                      "16 52 18 2A 19 1E 28 32 3C 46 50 5A 64 64 00 32 37 3C 41 46 4B 50 55 5A FF "
                      "37 46 0B"},
        WorkedExample{"PedalAssist", Block::PedalAssist,
                      "ComboBox6#-1 ComboBox7#0 ComboBox8#0 Edit23=100 ComboBox9#7 Edit24=20 "
                      "ComboBox10#0 Edit25=0 Edit26=8 Edit27=255 Edit31=100",
                      "16 53 0B FF FF FF 64 08 14 FF 00 08 FF 64 45"},
        WorkedExample{"ThrottleHandle", Block::ThrottleHandle,
                      "Edit28=11 Edit29=42 ComboBox11#0 ComboBox12#-1 ComboBox13#26 Edit30=20",
                      "16 54 06 0B 2A 00 FE 28 14 C9"},
        WorkedExample{"ThrottleHandleEdges", Block::ThrottleHandle,
                      "Edit28=0 Edit29=50 ComboBox11#1 ComboBox12#0 ComboBox13#0 Edit30=255",
                      "16 54 06 00 32 01 FF FF FF 8A"},
        WorkedExample{
            "Torque", Block::Torque,
            "Edit32=1500 Edit33=0 Edit34=65535 Edit35=1 Edit39=258 Edit36=3 Edit40=4 Edit37=5 "
            "Edit41=6 Edit38=7 Edit42=8 Edit43=255 Edit44=23 Edit45=31 Edit46=39 Edit47=47 "
            "Edit48=55 Edit49=63 Edit50=24 Edit51=32 Edit52=40 Edit53=48 Edit54=56 Edit55=64 "
            "Edit56=25 Edit57=33 Edit58=41 Edit59=49 Edit60=57 Edit61=65 Edit62=26 Edit63=34 "
            "Edit64=42 Edit65=50 Edit66=58 Edit67=66 Edit68=27 Edit69=35 Edit70=43 Edit71=51 "
            "Edit72=59 Edit73=67 Edit74=28 Edit75=36 Edit76=44 Edit77=52 Edit78=60 Edit79=68 "
            "Edit80=29 Edit81=37 Edit82=45 Edit83=53 Edit84=61 Edit85=69 Edit86=30 Edit87=38 "
            "Edit88=46 Edit89=54 Edit90=62 Edit91=70",
            "16 55 47 05 DC 00 00 FF FF 00 01 01 02 00 03 00 04 00 05 00 06 00 07 00 08 FF 17 18 "
            "19 1A 1B 1C 1D 1E 1F 20 21 22 23 24 25 26 27 28 29 2A 2B 2C 2D 2E 2F 30 31 32 33 34 "
            "35 36 37 38 39 3A 3B 3C 3D 3E 3F 40 41 42 43 44 45 46 57"}),
    [](const auto& info) { return std::string(info.param.name); });

// Codes a controller may hold that the tool never sends: odd wheel codes round up ("700C" has
// 0x37 of its own), and a code beyond the list selects nothing.
TEST(BlockCodec, CodesOnlyEverReadSelectTheirItemOrNothing) {
    const std::tuple<Block, std::size_t, std::uint8_t, const char*, int> codes[] = {
        {Block::Basic, 22, 0x1E, "ComboBox4", -1},
        {Block::Basic, 22, 0x1F, "ComboBox4", 0},
        {Block::Basic, 22, 0x21, "ComboBox4", 1},
        {Block::Basic, 22, 0x36, "ComboBox4", 11},
        {Block::Basic, 22, 0x38, "ComboBox4", 13},
        {Block::Basic, 22, 0x39, "ComboBox4", 14},
        {Block::Basic, 22, 0x3D, "ComboBox4", -1},
        {Block::PedalAssist, 2, 0x0E, "ComboBox8", 0},
        {Block::PedalAssist, 6, 0x09, "ComboBox10", 0},
        {Block::ThrottleHandle, 2, 0x02, "ComboBox11", -1},
    };
    for (const auto& [block, index, code, control, selected] : codes) {
        Bytes reply(2 + index, 0);
        reply.push_back(code);
        FieldStore fields = test::windowFields();
        applyReadReply(block, reply, fields);
        EXPECT_EQ(fields.selectedIndex(control), selected) << control << " " << int{code};
    }
}

TEST(BlockCodec, SpeedMeterByteCarriesModelAndSignalCount) {
    FieldStore fields = test::windowFields();
    Bytes reply(2 + 22, 0);
    reply.insert(reply.end(), {0x38, 0x85}); // payload bytes 22, 23: 28 inch; model 2, 5 signals
    applyReadReply(Block::Basic, reply, fields);
    test::expectHolds(fields, "ComboBox5#2 Edit22=5");
    // Model code 2 is never sent back: it goes out as "By Motor Phase", as does no model.
    EXPECT_EQ(buildPayload(Block::Basic, fields).at(23), 0xC5);
    fields.setSelectedIndex("ComboBox5", -1);
    EXPECT_EQ(buildPayload(Block::Basic, fields).at(23), 0xC5);
}

// A wheel size is sent by its text (doubled where it is no item), so an empty one is no number.
TEST(BlockCodec, ConversionStopsAtTheFirstBadFieldInPayloadOrder) {
    FieldStore fields = test::windowFields(true);
    test::set(fields, "ComboBox4=");
    EXPECT_THROW(buildPayload(Block::Basic, fields), ConversionError);
    // Edit39 precedes Edit36 in the payload although it follows it on the page.
    test::set(fields, "Edit39= Edit91=x");
    fields.setText("Edit36", "1 ");
    EXPECT_THAT([&] { buildPayload(Block::Torque, fields); },
                testing::ThrowsMessage<ConversionError>("'' is not a valid integer value"));
}

} // namespace
} // namespace morvent
