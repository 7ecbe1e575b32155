// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "LineDiscipline.h"

#include <gtest/gtest.h>

namespace morvent {
namespace {

// Each setting with the termios flags it gives, on top of the controller's line: raw, 8N1,
// without flow control.
struct Mapping {
    const char* name;
    void (*change)(LineSettings&);
    tcflag_t termios::*flags;
    tcflag_t mask;
    tcflag_t expected;
};

class LineDiscipline : public testing::TestWithParam<Mapping> {};

TEST_P(LineDiscipline, SetsTheMatchingFlags) {
    LineSettings s;
    s.Outx_CtsFlow = false;
    GetParam().change(s);
    const termios t = lineAttributes(s);
    EXPECT_EQ(t.*GetParam().flags & GetParam().mask, GetParam().expected);
}

using M = Mapping;
constexpr auto C = &termios::c_cflag;
constexpr auto I = &termios::c_iflag;
constexpr tcflag_t kParity = PARENB | PARODD | CMSPAR;
constexpr tcflag_t kFormat = CBAUD | CSIZE | kParity | CSTOPB | CRTSCTS | CLOCAL | CREAD | HUPCL;

INSTANTIATE_TEST_SUITE_P(
    Settings, LineDiscipline,
    testing::Values(
        M{"Controller", [](auto&) {}, C, kFormat, B9600 | CS8 | CLOCAL | CREAD},
        M{"Rate115200", [](auto& s) { s.BaudRate = 115200; }, C, CBAUD, B115200},
        M{"FiveBits", [](auto& s) { s.ByteSize = TByteSize::_5; }, C, CSIZE, CS5},
        M{"SevenBits", [](auto& s) { s.ByteSize = TByteSize::_7; }, C, CSIZE, CS7},
        M{"Odd", [](auto& s) { s.Parity = TParity::Odd; }, C, kParity, PARENB | PARODD},
        M{"Even", [](auto& s) { s.Parity = TParity::Even; }, C, kParity, PARENB},
        M{"Mark", [](auto& s) { s.Parity = TParity::Mark; }, C, kParity, kParity},
        M{"Space", [](auto& s) { s.Parity = TParity::Space; }, C, kParity, PARENB | CMSPAR},
        M{"ParityCheck", [](auto& s) { s.ParityCheck = true; }, I, INPCK, INPCK},
        M{"StopBits1_5", [](auto& s) { s.StopBits = TStopBits::_1_5; }, C, CSTOPB, CSTOPB},
        M{"CtsFlow", [](auto& s) { s.Outx_CtsFlow = true; }, C, CRTSCTS, CRTSCTS},
        M{"RtsHandshake", [](auto& s) { s.RtsControl = TRtsControl::RtsHandshake; }, C, CRTSCTS,
          CRTSCTS},
        M{"XonXoffOut", [](auto& s) { s.Outx_XonXoffFlow = true; }, I, IXON | IXOFF, IXON},
        M{"XonXoffIn", [](auto& s) { s.Inx_XonXoffFlow = true; }, I, IXON | IXOFF, IXOFF}),
    [](const testing::TestParamInfo<Mapping>& info) { return info.param.name; });

} // namespace
} // namespace morvent
