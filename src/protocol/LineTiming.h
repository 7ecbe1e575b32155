#pragma once

#include <array>
#include <chrono>
#include <cstdint>

namespace morvent {

// How the tool finds the controller's rate and paces its requests; the window and the
// command-line tool both go by these.

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

} // namespace morvent
