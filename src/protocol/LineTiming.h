// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <array>
#include <chrono>
#include <cstdint>

namespace morvent {

// The controller's line, how the tool finds its rate and how it paces its requests; the window
// and the command-line tool both go by these.

// What the controller's serial line is like besides its rate.
struct LineFormat {
    unsigned dataBits;
    bool parityBit; // an even parity bit after the data bits
    unsigned stopBits;
    // RTS/CTS, DTR/DSR or XON/XOFF.
    bool flowControl;
    // A reply is taken whole once no byte has come for this long; a longer pause splits it.
    std::chrono::milliseconds readInterval;
};

// 8N1 without flow control of any kind: the controller has no handshake lines, and 0x11, the
// lead byte of every request, is the XON character.
inline constexpr LineFormat kControllerLine{8, false, 1, false, std::chrono::milliseconds(100)};

// The connect request goes out at each of these in turn; the index is the Bandrate list's.
inline constexpr std::array<std::uint32_t, 5> kProbeRates{1200, 9600, 19200, 38400, 115200};
// Every exchange after the connect request runs at this rate.
inline constexpr std::uint32_t kLineRate = 9600;

// The controller needs the line quiet before a request; the connect request also needs time to
// leave at the probed rate before the line is switched back to 9600.
inline constexpr std::chrono::milliseconds kRequestPause{50};
inline constexpr std::chrono::milliseconds kConnectPause{80};
// How long one probing attempt listens for the identity reply before the next rate is tried.
inline constexpr std::chrono::milliseconds kProbeListen{200};
// Continuous Get asks this often.
inline constexpr std::chrono::milliseconds kPollInterval{500};

// The line's waits together, so that one value paces a whole front end. The programs go by
// kControllerTiming alone; tests give shorter ones, in proportion, so that what depends on how
// the waits compare (a reply split by a pause longer than the silence) holds as it does on the
// line.
struct LineTiming {
    // The quiet before a read request or a write frame.
    std::chrono::milliseconds requestPause;
    // The quiet before the connect request, and the time it is given to leave afterwards.
    std::chrono::milliseconds connectPause;
    std::chrono::milliseconds probeListen;
    // The silence that ends a reply (LineFormat::readInterval).
    std::chrono::milliseconds readInterval;
    std::chrono::milliseconds pollInterval;
};

inline constexpr LineTiming kControllerTiming{kRequestPause, kConnectPause, kProbeListen,
                                              kControllerLine.readInterval, kPollInterval};

} // namespace morvent
