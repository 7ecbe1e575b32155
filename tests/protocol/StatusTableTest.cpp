#include "StatusTable.h"
#include "BlockLayout.h"

#include <gtest/gtest.h>

#include <set>

namespace morvent {
namespace {

TEST(BlockLayoutTable, FieldsCoverEveryPayloadByteOnceInOrder) {
    for (const Block block : kAllBlocks) {
        const BlockLayout& b = layout(block);
        std::size_t next = 0;
        std::set<std::string> controls;
        for (const FieldSpec& f : b.fields) {
            EXPECT_EQ(f.index, next) << b.title << " " << f.control;
            EXPECT_TRUE(controls.insert(f.control).second) << b.title << " " << f.control;
            next += f.width;
        }
        EXPECT_EQ(next, b.length) << b.title;
    }
}

struct Status {
    Block block;
    std::uint8_t status;
    const char* control;
    const char* message;
};

class BlockStatus : public testing::TestWithParam<Status> {};

TEST_P(BlockStatus, RefusedByteGivesItsMessageControlAndPage) {
    const Status& s = GetParam();
    const StatusOutcome outcome = interpretStatus(s.block, s.status);
    ASSERT_EQ(outcome.kind, StatusKind::FieldRefused);
    EXPECT_EQ(outcome.refusal, (Refusal{s.message, s.control, layout(s.block).page}));
}

// The firmware's texts, irregular blanks, spellings and missing full stops included.
INSTANTIATE_TEST_SUITE_P(
    Messages, BlockStatus,
    testing::Values(
        Status{Block::Basic, 0, "ComboBox3", "The Limit Volt setting error,Please reset."},
        Status{Block::Basic, 4, "Edit4", "The Limit Current2 setting error,Please reset"},
        Status{Block::Basic, 14, "Edit14", "The Limit SPDt2 setting error,Please reset."},
        Status{Block::Basic, 22, "ComboBox4", "The SpdMT setting error,Please reset."},
        Status{Block::Basic, 23, "Edit22", "The SpdMeter Signal setting error,Please reset."},
        Status{Block::PedalAssist, 1, "ComboBox7",
               "The Disignated Assist setting error,Please reset."},
        Status{Block::PedalAssist, 3, "Edit23", "The Start Current setting error,Please reset."},
        Status{Block::ThrottleHandle, 2, "ComboBox11", "The Mode setting error,Please reset."},
        Status{Block::ThrottleHandle, 3, "ComboBox12",
               "The Designated Assist setting error,Please reset."},
        Status{Block::ThrottleHandle, 5, "Edit30", "The Start Current setting error,Please reset."},
        Status{Block::Torque, 0, "Edit32", "The BaseVH Voltage setting error,Please reset."},
        Status{Block::Torque, 1, "Edit32", "The BaseVL Voltage setting error,Please reset."},
        Status{Block::Torque, 8, "Edit39", "The DeltaV10KgH Voltage setting error,Please reset."},
        Status{Block::Torque, 11, "Edit36", "The DeltaV15KgL Voltage setting error,Please reset."},
        Status{Block::Torque, 22, "Edit43", "The 0BootTime setting error,Please reset."},
        Status{Block::Torque, 23, "Edit44", "The StartKgS0 setting error,Please reset."},
        Status{Block::Torque, 31, "Edit45", "The StartKgS5  setting error,Please reset."},
        Status{Block::Torque, 35, "Edit69", "The maxCurS5  setting error,Please reset."},
        Status{Block::Torque, 59, "Edit72", "The maxCurS20  setting error,Please reset."},
        Status{Block::Torque, 61, "Edit84", "The CurDecayS20 setting error,Please reset."},
        Status{Block::Torque, 68, "Edit79", "The KeepCurS25 setting error,Please reset."},
        Status{Block::Torque, 70, "Edit91", "The StartDegreeS25 setting error,Please reset."}));

TEST(BlockStatus, LengthMeansAcceptedAndAboveMeansNothing) {
    for (const Block block : kAllBlocks) {
        const auto n = static_cast<std::uint8_t>(layout(block).length);
        EXPECT_EQ(interpretStatus(block, n - 1).kind, StatusKind::FieldRefused);
        EXPECT_EQ(interpretStatus(block, n).kind, StatusKind::Accepted);
        EXPECT_EQ(interpretStatus(block, n + 1).kind, StatusKind::NothingShown);
        EXPECT_EQ(interpretStatus(block, 255).kind, StatusKind::NothingShown);
    }
}

TEST(BlockLayoutTable, RepliesFindTheirBlockByCode) {
    EXPECT_EQ(blockForCode(0x52), Block::Basic);
    EXPECT_EQ(blockForCode(0x55), Block::Torque);
    EXPECT_EQ(blockForCode(0x56), std::nullopt);
    EXPECT_EQ(blockForCode(0x16), std::nullopt);
}

} // namespace
} // namespace morvent
