// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "CommPort.h"

#include "SerialSystem.h"
#include "SimulatedLine.h"
#include "SimulatedPort.h"
#include "TReadThread.h"
#include "TWriteThread.h"
#include "WinHandle.h"

#include <QString>

#include <windows.h>

#include <cstdint>
#include <mutex>
#include <set>

namespace morvent {

namespace {

constexpr DWORD kInputQueue = 2048;
constexpr DWORD kOutputQueue = 1024;
constexpr DWORD kPurgeAll = PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR;
// A read that returns once the bytes that came pause for a moment, and waits for the first
// byte without limit: for a reader that times its chunks itself. The documented "return at
// once with what has come" settings (an interval and multiplier of all ones) are not kept by
// every implementation (Wine never completes such a read).
constexpr DWORD kArrivalInterval = 1;

const std::string kDevicePrefix = "\\\\.\\";

// The ports this program has open, by device path in capitals: a second component on one of them
// is refused, as Windows refuses a second program. Windows' own serial drivers refuse it by
// themselves, but not every COM port is such a driver (Wine's are Unix devices, which any number
// may open). Only within the program: across programs the driver's own refusal is the rule, and a
// port kept open after its adapter was pulled must not keep the adapter plugged in again from
// another program.
class PortClaims {
public:
    // False when the port is claimed already.
    bool claim(const std::string& path) {
        const std::lock_guard lock(m_mutex);
        return m_claimed.insert(key(path)).second;
    }
    void release(const std::string& path) {
        const std::lock_guard lock(m_mutex);
        m_claimed.erase(key(path));
    }

private:
    static std::string key(const std::string& path) {
        return QString::fromStdString(path).toUpper().toStdString();
    }

    std::mutex m_mutex;
    std::set<std::string> m_claimed;
};

PortClaims& portClaims() {
    static PortClaims claims;
    return claims;
}

DWORD dtrControl(TDtrControl control) {
    switch (control) {
    case TDtrControl::DtrEnable:
        return DTR_CONTROL_ENABLE;
    case TDtrControl::DtrDisable:
        return DTR_CONTROL_DISABLE;
    case TDtrControl::DtrHandshake:
        return DTR_CONTROL_HANDSHAKE;
    }
    return DTR_CONTROL_ENABLE;
}

DWORD rtsControl(TRtsControl control) {
    switch (control) {
    case TRtsControl::RtsEnable:
        return RTS_CONTROL_ENABLE;
    case TRtsControl::RtsDisable:
        return RTS_CONTROL_DISABLE;
    case TRtsControl::RtsHandshake:
        return RTS_CONTROL_HANDSHAKE;
    case TRtsControl::RtsTransmissionAvailable:
        return RTS_CONTROL_TOGGLE;
    }
    return RTS_CONTROL_ENABLE;
}

// Reads that the device would complete at once, empty or not, would keep the reader spinning;
// it times those chunks itself.
bool completesAtOnce(const CommTimeouts& t) {
    return t.ReadIntervalTimeout == MAXDWORD && t.ReadTotalTimeoutMultiplier == 0 &&
           t.ReadTotalTimeoutConstant == 0;
}

int lastError() {
    const DWORD error = ::GetLastError();
    return error != 0 ? static_cast<int>(error) : ERROR_GEN_FAILURE;
}

// A comm handle opened for overlapped I/O and this program alone, with a reader and a writer
// that wait on their overlapped operations together with a manual-reset stop event.
class Win32CommPort final : public CommPort {
public:
    Win32CommPort(const std::string& path, const PortSetup& setup)
        : m_system(setup.system), m_replyComplete(static_cast<bool>(setup.replyComplete)) {
        open(path, setup);
    }
    ~Win32CommPort() override { release(); }
    Win32CommPort(const Win32CommPort&) = delete;
    Win32CommPort& operator=(const Win32CommPort&) = delete;

    std::uint32_t handle() const override {
        // Handles are small numbers: the low 32 bits are the whole of them.
        return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(m_port.get()));
    }

    int applyLineSettings(const LineSettings& line) override;
    void applyTimeouts(const CommTimeouts& timeouts) override;

    bool send(std::vector<std::uint8_t> bytes) override {
        return m_writer && m_writer->enqueue(std::move(bytes));
    }

    void startReply(const ReplyComplete& complete) override {
        if (!m_reader) {
            return;
        }
        // A rule makes the reader time its chunks itself, the device handing bytes over as they
        // come; without one the device's own timeouts end them again.
        m_replyComplete = static_cast<bool>(complete);
        applyTimeouts(m_timeouts);
        m_reader->startReply(complete);
    }

    // Nobody can have it: the open shares it with nobody.
    int usedElsewhere() const override { return 0; }

private:
    void open(const std::string& path, const PortSetup& setup);
    [[noreturn]] void failOpen(CommsFailure failure, int systemError = 0);
    void release();

    const SerialSystem& m_system;
    // Whether the awaited reply has a rule that ends it, and the component's timeouts: together
    // they make the device's own.
    bool m_replyComplete;
    CommTimeouts m_timeouts{};
    // What an open port holds; release() lets go of all of it, whether the port was open or an
    // open failed halfway.
    WinHandle m_port;
    std::string m_claimed; // the path this port claimed, empty until it has
    WinHandle m_stopEvent;
    std::unique_ptr<TReadThread> m_reader;
    std::unique_ptr<TWriteThread> m_writer;
};

void Win32CommPort::open(const std::string& path, const PortSetup& setup) {
    const std::wstring device = QString::fromStdString(path).toStdWString();
    m_port.reset(m_system.openDevice(device.c_str()));
    if (!m_port.valid()) {
        failOpen(CommsFailure::Opening, lastError());
    }
    if (!portClaims().claim(path)) {
        failOpen(CommsFailure::Opening, ERROR_ACCESS_DENIED);
    }
    m_claimed = path;
    const HANDLE port = m_port.get();
    if (::GetFileType(port) != FILE_TYPE_CHAR) {
        failOpen(CommsFailure::NotACommHandle, ERROR_INVALID_FUNCTION);
    }
    if (!::SetupComm(port, kInputQueue, kOutputQueue)) {
        failOpen(CommsFailure::Setup, lastError());
    }
    applyTimeouts(setup.timeouts);
    // A line the device will not set up as asked would only garble what goes over it.
    if (const int refused = applyLineSettings(setup.line); refused != 0) {
        failOpen(CommsFailure::Setup, refused);
    }
    // After the settings: what arrived under the device's own ones is not the controller's.
    ::PurgeComm(port, kPurgeAll);

    m_stopEvent.reset(m_system.createEvent(true, false));
    if (!m_stopEvent.valid()) {
        failOpen(CommsFailure::Event, lastError());
    }
    m_reader =
        std::make_unique<TReadThread>(port, m_stopEvent.get(), setup.notifications, m_system);
    m_reader->setTimeouts(setup.timeouts);
    m_reader->setTimesChunks(m_replyComplete || completesAtOnce(setup.timeouts));
    m_reader->setReplyComplete(setup.replyComplete);
    if (!m_reader->start()) {
        failOpen(CommsFailure::ReadThread, lastError());
    }
    m_writer =
        std::make_unique<TWriteThread>(port, m_stopEvent.get(), setup.notifications, m_system);
    if (!m_writer->start()) {
        failOpen(CommsFailure::WriteThread, lastError());
    }
}

void Win32CommPort::failOpen(CommsFailure failure, int systemError) {
    release();
    throw commsError(failure, systemError);
}

void Win32CommPort::release() {
    // The workers first, while the port they use is still there. The stop event is never reset,
    // so every wait in both of them sees it until they are gone.
    if (m_stopEvent.valid()) {
        ::SetEvent(m_stopEvent.get());
    }
    if (m_reader) {
        ::PurgeComm(m_port.get(), PURGE_RXABORT | PURGE_RXCLEAR);
        m_reader.reset();
    }
    if (m_writer) {
        // Drops what the writer could not send yet, so closing never waits for a stuck line.
        ::PurgeComm(m_port.get(), PURGE_TXABORT | PURGE_TXCLEAR);
        m_writer.reset();
    }
    m_stopEvent.reset();
    if (m_port.valid()) {
        ::PurgeComm(m_port.get(), kPurgeAll);
    }
    m_port.reset();
    if (!m_claimed.empty()) {
        portClaims().release(m_claimed);
        m_claimed.clear();
    }
}

int Win32CommPort::applyLineSettings(const LineSettings& line) {
    // The device's own DCB keeps what is not set here (its length, EofChar, EvtChar); the flag
    // word is built from nothing.
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!::GetCommState(m_port.get(), &dcb)) {
        return lastError();
    }
    dcb.BaudRate = line.BaudRate;
    dcb.fBinary = 1;
    dcb.fParity = line.ParityCheck;
    dcb.fOutxCtsFlow = line.Outx_CtsFlow;
    dcb.fOutxDsrFlow = line.Outx_DsrFlow;
    dcb.fDtrControl = dtrControl(line.DtrControl);
    dcb.fDsrSensitivity = line.DsrSensitivity;
    dcb.fTXContinueOnXoff = line.TxContinueOnXoff;
    dcb.fOutX = line.Outx_XonXoffFlow;
    dcb.fInX = line.Inx_XonXoffFlow;
    dcb.fErrorChar = line.ReplaceWhenParityError;
    dcb.fNull = line.IgnoreNullChar;
    dcb.fRtsControl = rtsControl(line.RtsControl);
    dcb.fAbortOnError = 0;
    dcb.fDummy2 = 0;
    dcb.XonLim = line.XonLimit;
    dcb.XoffLim = line.XoffLimit;
    dcb.ByteSize = static_cast<BYTE>(static_cast<int>(line.ByteSize) + 5);
    dcb.Parity = static_cast<BYTE>(line.Parity);
    dcb.StopBits = static_cast<BYTE>(line.StopBits);
    dcb.XonChar = line.XonChar;
    dcb.XoffChar = line.XoffChar;
    dcb.ErrorChar = line.ReplacedChar;
    return ::SetCommState(m_port.get(), &dcb) ? 0 : lastError();
}

void Win32CommPort::applyTimeouts(const CommTimeouts& timeouts) {
    m_timeouts = timeouts;
    const bool itself = m_replyComplete || completesAtOnce(timeouts);
    if (m_reader) {
        m_reader->setTimeouts(timeouts);
        m_reader->setTimesChunks(itself);
    }
    COMMTIMEOUTS device{};
    ::GetCommTimeouts(m_port.get(), &device);
    device.ReadIntervalTimeout = itself ? kArrivalInterval : timeouts.ReadIntervalTimeout;
    device.ReadTotalTimeoutMultiplier = itself ? 0 : timeouts.ReadTotalTimeoutMultiplier;
    device.ReadTotalTimeoutConstant = itself ? 0 : timeouts.ReadTotalTimeoutConstant;
    device.WriteTotalTimeoutMultiplier = timeouts.WriteTotalTimeoutMultiplier;
    device.WriteTotalTimeoutConstant = timeouts.WriteTotalTimeoutConstant;
    // A device that refuses timeouts keeps its own; the line works all the same.
    ::SetCommTimeouts(m_port.get(), &device);
}

} // namespace

std::unique_ptr<CommPort> openCommPort(const std::string& path, const PortSetup& setup) {
    // Names no COM port has: the built-in simulated controller's line.
    if (SimulatedLine::isLineName(path)) {
        return openSimulatedPort(path, setup);
    }
    return std::make_unique<Win32CommPort>(path, setup);
}

std::string commDevicePath(const std::string& commName) {
    if (commName.starts_with(kDevicePrefix)) {
        return commName;
    }
    return kDevicePrefix + commName;
}

} // namespace morvent
