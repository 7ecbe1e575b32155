// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "LinuxSimulator.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <array>

using namespace morvent::test;

TEST(Harness, AComLinkReachesTheLinuxSimulator) {
    if (const QString why = LinuxSimulator::unavailable(); !why.isEmpty()) {
        GTEST_SKIP() << why.toStdString();
    }
    LinuxSimulator sim;
    ASSERT_FALSE(sim.port().isEmpty()) << sim.error().toStdString();
    const std::wstring name = L"\\\\.\\" + sim.port().toStdWString();
    HANDLE port = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(port, INVALID_HANDLE_VALUE) << GetLastError();
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    ASSERT_TRUE(GetCommState(port, &dcb));
    dcb.BaudRate = 9600;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    ASSERT_TRUE(SetCommState(port, &dcb));
    COMMTIMEOUTS timeouts{100, 0, 2000, 0, 0};
    ASSERT_TRUE(SetCommTimeouts(port, &timeouts));
    const std::array<unsigned char, 5> connect{0x11, 0x51, 0x25, 0x80, 0xF6};
    DWORD moved = 0;
    ASSERT_TRUE(WriteFile(port, connect.data(), connect.size(), &moved, nullptr));
    std::array<unsigned char, 64> reply{};
    ASSERT_TRUE(ReadFile(port, reply.data(), reply.size(), &moved, nullptr));
    CloseHandle(port);
    ASSERT_GT(moved, 2u);
    EXPECT_EQ(reply[0], 0x51);
}
