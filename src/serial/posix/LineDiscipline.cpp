// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "LineDiscipline.h"

#include <sys/ioctl.h>

#include <array>
#include <cerrno>
#include <utility>

namespace morvent {

speed_t speedConstant(std::uint32_t baudRate) {
    static constexpr std::array<std::pair<std::uint32_t, speed_t>, 30> speeds{{
        {50, B50},           {75, B75},           {110, B110},         {134, B134},
        {150, B150},         {200, B200},         {300, B300},         {600, B600},
        {1200, B1200},       {1800, B1800},       {2400, B2400},       {4800, B4800},
        {9600, B9600},       {19200, B19200},     {38400, B38400},     {57600, B57600},
        {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
        {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000},
        {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000},
        {3500000, B3500000}, {4000000, B4000000},
    }};
    for (const auto& [rate, constant] : speeds) {
        if (rate == baudRate) {
            return constant;
        }
    }
    return B0;
}

termios lineAttributes(const LineSettings& s) {
    // From nothing: whatever the previous program left on the line (input flow control, parity
    // marking, a line discipline of its own) must not survive into ours.
    termios t{};
    t.c_cflag = CLOCAL | CREAD;
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    cfsetispeed(&t, speedConstant(s.BaudRate));
    cfsetospeed(&t, speedConstant(s.BaudRate));

    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE);
    static constexpr std::array<tcflag_t, 4> sizes{CS5, CS6, CS7, CS8};
    t.c_cflag |= sizes[static_cast<size_t>(s.ByteSize)];

    t.c_cflag &= ~static_cast<tcflag_t>(PARENB | PARODD | CMSPAR);
    switch (s.Parity) {
    case TParity::None:
        break;
    case TParity::Odd:
        t.c_cflag |= PARENB | PARODD;
        break;
    case TParity::Even:
        t.c_cflag |= PARENB;
        break;
    case TParity::Mark:
        t.c_cflag |= PARENB | CMSPAR | PARODD;
        break;
    case TParity::Space:
        t.c_cflag |= PARENB | CMSPAR;
        break;
    }
    if (s.ParityCheck) {
        t.c_iflag |= INPCK;
    }

    // UARTs send one and a half stop bits for five data bits when asked for two.
    if (s.StopBits == TStopBits::_1) {
        t.c_cflag &= ~static_cast<tcflag_t>(CSTOPB);
    } else {
        t.c_cflag |= CSTOPB;
    }

    if (s.Outx_CtsFlow || s.RtsControl == TRtsControl::RtsHandshake) {
        t.c_cflag |= CRTSCTS;
    } else {
        t.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS);
    }
    if (s.Outx_XonXoffFlow) {
        t.c_iflag |= IXON;
    }
    if (s.Inx_XonXoffFlow) {
        t.c_iflag |= IXOFF;
    }
    t.c_cc[VSTART] = static_cast<cc_t>(s.XonChar);
    t.c_cc[VSTOP] = static_cast<cc_t>(s.XoffChar);
    return t;
}

bool applyLineSettings(int fd, const LineSettings& settings) {
    // B0 would hang the line up (drop DTR) rather than set a speed.
    if (speedConstant(settings.BaudRate) == B0) {
        errno = EINVAL;
        return false;
    }
    const termios wanted = lineAttributes(settings);
    // tcsetattr succeeds once the device takes any part of the attributes; a driver puts what it
    // cannot do (a rate, five data bits, parity on a pseudo-terminal) back to what it can.
    termios taken{};
    if (tcsetattr(fd, TCSANOW, &wanted) != 0 || tcgetattr(fd, &taken) != 0) {
        return false;
    }
    constexpr tcflag_t kFormat = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS;
    if (cfgetospeed(&taken) != cfgetospeed(&wanted) ||
        cfgetispeed(&taken) != cfgetispeed(&wanted) ||
        (taken.c_cflag & kFormat) != (wanted.c_cflag & kFormat)) {
        errno = EINVAL;
        return false;
    }

    // Devices without modem lines (pseudo-terminals) refuse these; the line works all the same.
    const int dtr = TIOCM_DTR;
    const int rts = TIOCM_RTS;
    ioctl(fd, settings.DtrControl == TDtrControl::DtrDisable ? TIOCMBIC : TIOCMBIS, &dtr);
    if (settings.RtsControl != TRtsControl::RtsHandshake) {
        ioctl(fd, settings.RtsControl == TRtsControl::RtsDisable ? TIOCMBIC : TIOCMBIS, &rts);
    }
    return true;
}

} // namespace morvent
