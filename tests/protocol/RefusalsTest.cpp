// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// Which field a write is refused at and why: the tool's own checks before anything is sent, and
// the controller's status byte after.

#include "BlockCodec.h"
#include "ParameterTable.h"
#include "StatusTable.h"
#include "TestFields.h"
#include "WriteChecks.h"

#include <gtest/gtest.h>

namespace morvent {
namespace {

using Check = std::optional<Refusal> (*)(const Fields&, int maxCurrent);

std::optional<Refusal> pedalAssist(const Fields& f, int) {
    return checkPedalAssistWrite(f);
}
std::optional<Refusal> throttleHandle(const Fields& f, int) {
    return checkThrottleHandleWrite(f);
}
std::optional<Refusal> torque(const Fields& f, int) {
    return checkTorqueWrite(f);
}
// Write Flash runs the width check over the four blocks in turn, as each page over its own.
std::optional<Refusal> widths(const Fields& f, int) {
    std::optional<Refusal> first;
    for (const Block block : kAllBlocks) {
        first = first ? first : checkFieldWidths(block, f);
    }
    EXPECT_EQ(checkFieldWidthsForFlash(f), first);
    return first;
}

struct Case {
    Check check;
    const char* values; // over valid values in every field
    int maxCurrent;
    const char* control = nullptr; // refused; nullptr: passes
    const char* name = nullptr;    // as the message names the field
};

class WriteCheck : public testing::TestWithParam<Case> {};

TEST_P(WriteCheck, RefusesTheFirstFieldOutOfRangeInItsOrder) {
    const Case& c = GetParam();
    FieldStore fields = test::windowFields(true);
    test::set(fields, c.values);
    const auto refusal = c.check(fields, c.maxCurrent);
    if (c.control == nullptr) {
        EXPECT_EQ(refusal, std::nullopt) << refusal->message;
    } else {
        const std::string message =
            "The " + std::string(c.name) + " is out of range,Please input again.";
        EXPECT_EQ(refusal, (Refusal{message, c.control, layout(parameter(c.control)->block).page}));
    }
}

// Each page's range checks at their bounds, Write Flash's order (none of the Torque page), and
// the width check: a value must fit the bits its wire field carries.
INSTANTIATE_TEST_SUITE_P(
    Bounds, WriteCheck,
    testing::Values(Case{checkBasicWrite, "Edit1=25 Edit22=36", 25},
                    Case{checkBasicWrite, "Edit1=-1000 Edit22=1", 0},
                    Case{checkBasicWrite, "Edit1=26 Edit22=0", 25, "Edit1", "Limited Current"},
                    Case{checkBasicWrite, "Edit1=1", 0, "Edit1", "Limited Current"},
                    Case{checkBasicWrite, "Edit22=37", 25, "Edit22", "SpdMeter Signal"},
                    Case{pedalAssist, "Edit24=20 Edit25=0 Edit27=255", 0},
                    Case{pedalAssist, "Edit25=256 Edit31=0", 0, "Edit25", "Time of stop"},
                    Case{throttleHandle, "Edit28=0 Edit29=50 Edit30=100", 0},
                    Case{throttleHandle, "Edit29=51", 0, "Edit29", "End Voltage"},
                    Case{torque, "Edit32=5000 Edit33=0 Edit34=6000", 0},
                    Case{torque, "Edit32=5001 Edit33=-1", 0, "Edit32", "BaseVoltage of "},
                    Case{torque, "Edit33=-1", 0, "Edit33", "ErrorVoltage of Min"},
                    Case{checkWriteFlash, "Edit1=0 Edit32=6000", 0},
                    Case{checkWriteFlash, "Edit30=101 Edit31=0", 25, "Edit30", "Start Current"},
                    Case{checkWriteFlash, "Edit31=0", 25, "Edit31", "Keep Current"},
                    Case{widths, "edit2=0 Edit14=255 Edit34=65535 Edit22=63 ComboBox4=127", 0},
                    Case{widths, "ComboBox4#12 ComboBox7#-1 ComboBox11#-1", 0},
                    Case{widths, "edit2=256", 0, "edit2", "Limit Current0"},
                    Case{widths, "Edit12=$FFFFFFFF", 0, "Edit12", "Limit SPD0"},
                    Case{widths, "ComboBox3=256", 0, "ComboBox3", "Limit Volt"},
                    Case{widths, "ComboBox4=128", 0, "ComboBox4", "SpdMT"},
                    Case{widths, "ComboBox4=-1", 0, "ComboBox4", "SpdMT"},
                    Case{widths, "Edit22=64", 0, "Edit22", "SpdMeter Signal"},
                    Case{widths, "Edit22=-1", 0, "Edit22", "SpdMeter Signal"},
                    Case{widths, "Edit34=65536", 0, "Edit34", "ErrorVhigh Voltage"},
                    Case{widths, "Edit34=-1", 0, "Edit34", "ErrorVhigh Voltage"},
                    Case{widths, "Edit91=256 Edit30=256 Edit21=256", 0, "Edit21", "Limit SPD9"}));

struct Status {
    Block block;
    std::uint8_t status;
    const char* control;
    const char* name; // all the message says before "setting error,Please reset"
    const char* end = ".";
};

class BlockStatus : public testing::TestWithParam<Status> {};

TEST_P(BlockStatus, RefusedByteGivesItsMessageControlAndPage) {
    const Status& s = GetParam();
    const StatusOutcome outcome = interpretStatus(s.block, s.status);
    ASSERT_EQ(outcome.kind, StatusKind::FieldRefused);
    const std::string message = "The " + std::string(s.name) + "setting error,Please reset" + s.end;
    EXPECT_EQ(outcome.refusal, (Refusal{message, s.control, layout(s.block).page}));
}

// The firmware's texts, irregular blanks, spellings and missing full stops included; a 16-bit
// field's two bytes are told apart.
INSTANTIATE_TEST_SUITE_P(
    Messages, BlockStatus,
    testing::Values(Status{Block::Basic, 0, "ComboBox3", "Limit Volt "},
                    Status{Block::Basic, 2, "edit2", "Limit Current0 "},
                    Status{Block::Basic, 4, "Edit4", "Limit Current2 ", ""},
                    Status{Block::Basic, 14, "Edit14", "Limit SPDt2 "},
                    Status{Block::Basic, 23, "Edit22", "SpdMeter Signal "},
                    Status{Block::PedalAssist, 1, "ComboBox7", "Disignated Assist "},
                    Status{Block::ThrottleHandle, 5, "Edit30", "Start Current "},
                    Status{Block::Torque, 0, "Edit32", "BaseVH Voltage "},
                    Status{Block::Torque, 1, "Edit32", "BaseVL Voltage "},
                    Status{Block::Torque, 8, "Edit39", "DeltaV10KgH Voltage "},
                    Status{Block::Torque, 11, "Edit36", "DeltaV15KgL Voltage "},
                    Status{Block::Torque, 22, "Edit43", "0BootTime "},
                    Status{Block::Torque, 31, "Edit45", "StartKgS5  "},
                    Status{Block::Torque, 59, "Edit72", "maxCurS20  "},
                    Status{Block::Torque, 70, "Edit91", "StartDegreeS25 "}));

} // namespace
} // namespace morvent
