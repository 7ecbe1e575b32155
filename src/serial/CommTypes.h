// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>

namespace morvent {

// Says whether the bytes in hand make a whole reply, so the reader can hand them over without
// waiting for the interval's silence.
using ReplyComplete = std::function<bool(std::span<const std::uint8_t> received)>;

// The serial component's own error: every way OpenComm can fail raises one with a fixed text.
// Where the system said why (no permission, in use, no such device), its error number comes
// along, so the user can be told the cause and the fix as well.
class ECommsError : public std::runtime_error {
public:
    explicit ECommsError(const std::string& message, int systemError = 0)
        : std::runtime_error(message), m_systemError(systemError) {}
    int systemError() const { return m_systemError; }

private:
    int m_systemError;
};

// The ways OpenComm can fail, each with its fixed text, the same on every system.
enum class CommsFailure {
    AlreadyOpen,
    Opening,
    NotACommHandle,
    Setup,
    Event,
    ReadThread,
    WriteThread,
};

// The error for a failure, with the system's own error number where it said why (errno, or
// GetLastError() on Windows).
ECommsError commsError(CommsFailure failure, int systemError = 0);

// Line setting types; their order is their ordinal, which is what a stored layout keeps.
enum class TByteSize { _5, _6, _7, _8 };
enum class TParity { None, Odd, Even, Mark, Space };
enum class TStopBits { _1, _1_5, _2 };
enum class TDtrControl { DtrEnable, DtrDisable, DtrHandshake };
enum class TRtsControl { RtsEnable, RtsDisable, RtsHandshake, RtsTransmissionAvailable };

// Everything that goes into the line's format, flow control and modem lines.
struct LineSettings {
    std::uint32_t BaudRate = 9600;
    bool ParityCheck = false;
    bool Outx_CtsFlow = true;
    bool Outx_DsrFlow = true;
    TDtrControl DtrControl = TDtrControl::DtrEnable;
    bool DsrSensitivity = false;
    bool TxContinueOnXoff = true;
    bool Outx_XonXoffFlow = false;
    bool Inx_XonXoffFlow = false;
    bool ReplaceWhenParityError = false;
    bool IgnoreNullChar = false;
    TRtsControl RtsControl = TRtsControl::RtsEnable;
    std::uint16_t XonLimit = 10;
    std::uint16_t XoffLimit = 10;
    TByteSize ByteSize = TByteSize::_8;
    TParity Parity = TParity::None;
    TStopBits StopBits = TStopBits::_1;
    char XonChar = 0x11;
    char XoffChar = 0x13;
    char ReplacedChar = 0x00;
};

// Read and write timeouts in milliseconds. A read completes when its buffer is full, when
// ReadIntervalTimeout passes after a byte without a further one, or when the total timeout
// (multiplier per requested byte plus constant, both 0 = none) runs out with bytes in hand.
// POSIX: writes are never cut short by time, a write is abandoned only when the port closes.
// Windows: the write timeouts go to the device; a write they cut short is a hang-up.
struct CommTimeouts {
    std::uint32_t ReadIntervalTimeout = 10;
    std::uint32_t ReadTotalTimeoutMultiplier = 0;
    std::uint32_t ReadTotalTimeoutConstant = 0;
    std::uint32_t WriteTotalTimeoutMultiplier = 0;
    std::uint32_t WriteTotalTimeoutConstant = 0;
};

// An interval of all ones with no total timeout means: hand over whatever has arrived at once.
constexpr std::uint32_t kMaxTimeout = 0xFFFFFFFFu;

// What the worker threads tell the component, numbered as the component's notifications always
// have been, so logs and tests speak of the same numbers.
enum class CommNotification : int {
    ReceiveData = 1025,
    ReceiveError = 1026,
    RequestHangup = 1027,
    ModemStateChange = 1028,
    SendDataEmpty = 1029,
};

// Line-error flags of OnReceiveError.
namespace LineError {
constexpr std::uint32_t ReceiveQueueOverflow = 0x0001;
constexpr std::uint32_t Overrun = 0x0002;
constexpr std::uint32_t Parity = 0x0004;
constexpr std::uint32_t Framing = 0x0008;
constexpr std::uint32_t Break = 0x0010;
} // namespace LineError

// Bits of OnModemStateChange.
namespace ModemEvent {
constexpr std::uint32_t Ring = 4;
constexpr std::uint32_t CarrierDetect = 8;
} // namespace ModemEvent

} // namespace morvent
