#include "LineDiscipline.h"

#include <gtest/gtest.h>

namespace morvent {
namespace {

LineSettings controllerLine() {
    LineSettings s;
    s.Outx_CtsFlow = false;
    s.Outx_DsrFlow = false;
    return s;
}

termios cookedLine() {
    termios t{};
    // As a previous program may leave it, with input flow control and parity marking on.
    t.c_iflag = ICRNL | IXON | BRKINT | IXOFF | INPCK | IGNPAR | IXANY;
    t.c_oflag = OPOST | ONLCR;
    t.c_lflag = ECHO | ICANON | ISIG | IEXTEN | ECHOE | NOFLSH;
    t.c_cflag = CS7 | PARENB | HUPCL;
    cfsetispeed(&t, B38400);
    cfsetospeed(&t, B38400);
    return t;
}

TEST(LineDiscipline, TheControllerLineIsRaw8N1WithoutFlowControl) {
    const termios t = lineAttributes(controllerLine(), cookedLine());
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB | CRTSCTS | HUPCL), 0u);
    EXPECT_EQ(t.c_cflag & (CLOCAL | CREAD), static_cast<tcflag_t>(CLOCAL | CREAD));
    EXPECT_EQ(t.c_lflag, 0u);
    EXPECT_EQ(t.c_iflag, 0u);
    EXPECT_EQ(t.c_oflag, 0u);
    EXPECT_EQ(cfgetospeed(&t), B9600);
    EXPECT_EQ(cfgetispeed(&t), B9600);
}

struct Mapping {
    const char* name;
    void (*change)(LineSettings&);
    tcflag_t termios::*flags;
    tcflag_t mask;
    tcflag_t expected;
};

void PrintTo(const Mapping& m, std::ostream* os) {
    *os << m.name;
}

class LineDisciplineMapping : public testing::TestWithParam<Mapping> {};

TEST_P(LineDisciplineMapping, SetsTheMatchingFlags) {
    LineSettings s = controllerLine();
    GetParam().change(s);
    const termios t = lineAttributes(s, cookedLine());
    EXPECT_EQ(t.*GetParam().flags & GetParam().mask, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, LineDisciplineMapping,
    testing::Values(Mapping{"FiveBits", [](LineSettings& s) { s.ByteSize = TByteSize::_5; },
                            &termios::c_cflag, CSIZE, CS5},
                    Mapping{"SevenBits", [](LineSettings& s) { s.ByteSize = TByteSize::_7; },
                            &termios::c_cflag, CSIZE, CS7},
                    Mapping{"Odd", [](LineSettings& s) { s.Parity = TParity::Odd; },
                            &termios::c_cflag, PARENB | PARODD | CMSPAR, PARENB | PARODD},
                    Mapping{"Even", [](LineSettings& s) { s.Parity = TParity::Even; },
                            &termios::c_cflag, PARENB | PARODD | CMSPAR, PARENB},
                    Mapping{"Mark", [](LineSettings& s) { s.Parity = TParity::Mark; },
                            &termios::c_cflag, PARENB | PARODD | CMSPAR, PARENB | PARODD | CMSPAR},
                    Mapping{"Space", [](LineSettings& s) { s.Parity = TParity::Space; },
                            &termios::c_cflag, PARENB | PARODD | CMSPAR, PARENB | CMSPAR},
                    Mapping{"ParityCheck", [](LineSettings& s) { s.ParityCheck = true; },
                            &termios::c_iflag, INPCK, INPCK},
                    Mapping{"TwoStopBits", [](LineSettings& s) { s.StopBits = TStopBits::_2; },
                            &termios::c_cflag, CSTOPB, CSTOPB},
                    Mapping{"OneAndAHalfStopBits",
                            [](LineSettings& s) { s.StopBits = TStopBits::_1_5; },
                            &termios::c_cflag, CSTOPB, CSTOPB},
                    Mapping{"CtsFlow", [](LineSettings& s) { s.Outx_CtsFlow = true; },
                            &termios::c_cflag, CRTSCTS, CRTSCTS},
                    Mapping{"RtsHandshake",
                            [](LineSettings& s) { s.RtsControl = TRtsControl::RtsHandshake; },
                            &termios::c_cflag, CRTSCTS, CRTSCTS},
                    Mapping{"XonXoffOut", [](LineSettings& s) { s.Outx_XonXoffFlow = true; },
                            &termios::c_iflag, IXON | IXOFF, IXON},
                    Mapping{"XonXoffIn", [](LineSettings& s) { s.Inx_XonXoffFlow = true; },
                            &termios::c_iflag, IXON | IXOFF, IXOFF}),
    [](const testing::TestParamInfo<Mapping>& info) { return info.param.name; });

TEST(LineDiscipline, BaudRates) {
    struct Case {
        std::uint32_t baud;
        speed_t speed;
    };
    for (const Case c : {Case{1200, B1200}, Case{9600, B9600}, Case{19200, B19200},
                         Case{38400, B38400}, Case{115200, B115200}, Case{4000000, B4000000}}) {
        LineSettings s = controllerLine();
        s.BaudRate = c.baud;
        const termios t = lineAttributes(s, cookedLine());
        EXPECT_EQ(cfgetospeed(&t), c.speed) << c.baud;
        EXPECT_EQ(cfgetispeed(&t), c.speed) << c.baud;
    }
}

TEST(LineDiscipline, AnUnknownRateKeepsTheLinesSpeedInsteadOfHangingUp) {
    LineSettings s = controllerLine();
    for (const std::uint32_t odd : {0u, 12345u, 9601u}) {
        s.BaudRate = odd;
        const termios t = lineAttributes(s, cookedLine());
        EXPECT_EQ(cfgetospeed(&t), B38400) << odd;
    }
}

TEST(LineDiscipline, FlowControlCharacters) {
    LineSettings s = controllerLine();
    s.XonChar = 0x21;
    s.XoffChar = 0x22;
    const termios t = lineAttributes(s, cookedLine());
    EXPECT_EQ(t.c_cc[VSTART], 0x21);
    EXPECT_EQ(t.c_cc[VSTOP], 0x22);
}

} // namespace
} // namespace morvent
