// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "CommTypes.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace morvent {

class CommPort;
class NotificationQueue;
class TComm;
struct Notification;
struct SerialSystem;

using TReceiveDataEvent =
    std::function<void(TComm* Sender, const std::uint8_t* Buffer, std::uint16_t BufferLength)>;
using TReceiveErrorEvent = std::function<void(TComm* Sender, std::uint32_t EventMask)>;
using TModemStateChangeEvent = std::function<void(TComm* Sender, std::uint32_t ModemEvent)>;
using TNotifyEvent = std::function<void(TComm* Sender)>;
using TSendDataEmptyEvent = std::function<void(TComm* Sender)>;

// One serial port: its line settings and timeouts, a reader and a writer thread while it is
// open, and events that run on the thread the component lives on (the main thread), in the order
// the workers posted them. Closing the port does not discard notifications already posted; they
// are delivered like any others, also after the port has been opened again.
class TComm : public QObject {
    Q_OBJECT

public:
    explicit TComm(QObject* owner = nullptr);
    // With system calls that a test makes fail on demand (SerialSystem.h of each system).
    TComm(QObject* owner, const SerialSystem& system);
    ~TComm() override;

    // Opens CommName with the current settings for this program alone; raises ECommsError and
    // stays closed on failure, also when the device refuses a line setting. On POSIX the
    // program's own terminal is refused with the open error.
    void OpenComm();
    // OpenComm for a new connection: also refuses with the open error a device that another
    // process has open without a lock (a terminal program, a logger), where the system lets a
    // second user in (POSIX; Windows refuses it at the open). That takes a look at every
    // process, too slow for each reopen after a reply.
    void OpenCommAlone();
    // Stops both workers, puts back the device's own settings and lets other programs open it
    // again; nothing happens when it is closed already.
    void CloseComm();
    // Forgets every notification the workers posted and the component has not delivered yet:
    // for a user who closed the port, replies to the session he ended are no longer wanted.
    void discardNotifications();
    // Received bytes dropped, since this component was made, because more were waiting for
    // this thread than any reply holds (a device flooding the line).
    std::uint64_t droppedBytes() const;
    // Queues a copy of the bytes for the writer; false when the port is closed, size is 0 or
    // the writer has ended. Never waits for the bytes to leave.
    bool SendData(const std::uint8_t* buffer, std::uint16_t size);

    // The open port's file descriptor (POSIX) or handle (Windows); 0 while closed.
    std::uint32_t ComHandle() const;
    bool isOpen() const { return m_port != nullptr; }

    // POSIX: a bare name ("ttyUSB0") is a device in /dev, a name starting with "/" a path as
    // typed. Windows: a port name ("COM7") is the device \\.\COM7, a name starting with \\.\ is
    // opened as typed. Takes effect at the next OpenComm.
    const std::string& CommName() const { return m_commName; }
    void setCommName(const std::string& name) { m_commName = name; }
    static std::string devicePath(const std::string& commName);

    // Line settings. A new value is applied to an open port at once; Parity waits for the next
    // open or the next time another setting is applied. A value the open device refuses raises
    // ECommsError and leaves the setting and the line as they were.
    const LineSettings& lineSettings() const { return m_line; }
    std::uint32_t BaudRate() const { return m_line.BaudRate; }
    void setBaudRate(std::uint32_t value) { updateLine(m_line.BaudRate, value); }
    bool ParityCheck() const { return m_line.ParityCheck; }
    void setParityCheck(bool value) { updateLine(m_line.ParityCheck, value); }
    bool Outx_CtsFlow() const { return m_line.Outx_CtsFlow; }
    void setOutx_CtsFlow(bool value) { updateLine(m_line.Outx_CtsFlow, value); }
    bool Outx_DsrFlow() const { return m_line.Outx_DsrFlow; }
    void setOutx_DsrFlow(bool value) { updateLine(m_line.Outx_DsrFlow, value); }
    TDtrControl DtrControl() const { return m_line.DtrControl; }
    void setDtrControl(TDtrControl value) { updateLine(m_line.DtrControl, value); }
    bool DsrSensitivity() const { return m_line.DsrSensitivity; }
    void setDsrSensitivity(bool value) { updateLine(m_line.DsrSensitivity, value); }
    bool TxContinueOnXoff() const { return m_line.TxContinueOnXoff; }
    void setTxContinueOnXoff(bool value) { updateLine(m_line.TxContinueOnXoff, value); }
    bool Outx_XonXoffFlow() const { return m_line.Outx_XonXoffFlow; }
    void setOutx_XonXoffFlow(bool value) { updateLine(m_line.Outx_XonXoffFlow, value); }
    bool Inx_XonXoffFlow() const { return m_line.Inx_XonXoffFlow; }
    void setInx_XonXoffFlow(bool value) { updateLine(m_line.Inx_XonXoffFlow, value); }
    bool ReplaceWhenParityError() const { return m_line.ReplaceWhenParityError; }
    void setReplaceWhenParityError(bool value) { updateLine(m_line.ReplaceWhenParityError, value); }
    bool IgnoreNullChar() const { return m_line.IgnoreNullChar; }
    void setIgnoreNullChar(bool value) { updateLine(m_line.IgnoreNullChar, value); }
    TRtsControl RtsControl() const { return m_line.RtsControl; }
    void setRtsControl(TRtsControl value) { updateLine(m_line.RtsControl, value); }
    std::uint16_t XonLimit() const { return m_line.XonLimit; }
    void setXonLimit(std::uint16_t value) { updateLine(m_line.XonLimit, value); }
    std::uint16_t XoffLimit() const { return m_line.XoffLimit; }
    void setXoffLimit(std::uint16_t value) { updateLine(m_line.XoffLimit, value); }
    TByteSize ByteSize() const { return m_line.ByteSize; }
    void setByteSize(TByteSize value) { updateLine(m_line.ByteSize, value); }
    TParity Parity() const { return m_line.Parity; }
    void setParity(TParity value) { m_line.Parity = value; }
    TStopBits StopBits() const { return m_line.StopBits; }
    void setStopBits(TStopBits value) { updateLine(m_line.StopBits, value); }
    char XonChar() const { return m_line.XonChar; }
    void setXonChar(char value) { updateLine(m_line.XonChar, value); }
    char XoffChar() const { return m_line.XoffChar; }
    void setXoffChar(char value) { updateLine(m_line.XoffChar, value); }
    char ReplacedChar() const { return m_line.ReplacedChar; }
    void setReplacedChar(char value) { updateLine(m_line.ReplacedChar, value); }

    // Lets a reply end the moment it is whole instead of after the interval's silence; a reply
    // that stops short still ends by the interval. Empty (the default): only the timeouts end a
    // reply, as the device's own read timeouts where it has them (Windows). Takes effect at the
    // next OpenComm.
    void setReplyComplete(ReplyComplete complete) { m_replyComplete = std::move(complete); }
    // The reply awaited next starts here, before its request goes out, and ends as `complete`
    // says, on the open port at once (where its system's reader can take that up while it runs;
    // POSIX) and on every port opened later. Nothing received before becomes part of it: bytes
    // still in the device or in the reader's hands, and those not delivered yet, are dropped.
    void startReply(ReplyComplete complete);

    // Timeouts, applied to an open port at once.
    const CommTimeouts& timeouts() const { return m_timeouts; }
    std::uint32_t ReadIntervalTimeout() const { return m_timeouts.ReadIntervalTimeout; }
    void setReadIntervalTimeout(std::uint32_t value) {
        updateTimeout(m_timeouts.ReadIntervalTimeout, value);
    }
    std::uint32_t ReadTotalTimeoutMultiplier() const {
        return m_timeouts.ReadTotalTimeoutMultiplier;
    }
    void setReadTotalTimeoutMultiplier(std::uint32_t value) {
        updateTimeout(m_timeouts.ReadTotalTimeoutMultiplier, value);
    }
    std::uint32_t ReadTotalTimeoutConstant() const { return m_timeouts.ReadTotalTimeoutConstant; }
    void setReadTotalTimeoutConstant(std::uint32_t value) {
        updateTimeout(m_timeouts.ReadTotalTimeoutConstant, value);
    }
    std::uint32_t WriteTotalTimeoutMultiplier() const {
        return m_timeouts.WriteTotalTimeoutMultiplier;
    }
    void setWriteTotalTimeoutMultiplier(std::uint32_t value) {
        updateTimeout(m_timeouts.WriteTotalTimeoutMultiplier, value);
    }
    std::uint32_t WriteTotalTimeoutConstant() const { return m_timeouts.WriteTotalTimeoutConstant; }
    void setWriteTotalTimeoutConstant(std::uint32_t value) {
        updateTimeout(m_timeouts.WriteTotalTimeoutConstant, value);
    }

    // Events; an empty one means no handler. The Buffer of OnReceiveData is valid only during
    // the call: a handler keeps the bytes by copying them.
    TReceiveDataEvent OnReceiveData;
    TReceiveErrorEvent OnReceiveError;
    TModemStateChangeEvent OnModemStateChange;
    TNotifyEvent OnRequestHangup;
    TSendDataEmptyEvent OnSendDataEmpty;

private:
    template <typename T> void updateLine(T& field, T value) {
        if (field == value) {
            return;
        }
        const T before = std::exchange(field, value);
        applyChangedLine([&field, before] { field = before; });
    }
    void updateTimeout(std::uint32_t& field, std::uint32_t value) {
        if (field == value) {
            return;
        }
        field = value;
        if (isOpen()) {
            ApplyTimeouts();
        }
    }
    // Applies a changed line setting to an open port; when the device refuses it, puts the
    // setting back (restore) and the line as it was, and raises ECommsError.
    void applyChangedLine(const std::function<void()>& restore);
    // 0, or the system's error number when the device refused the settings.
    int ApplyLineSettings();
    void ApplyTimeouts();
    void deliver(const Notification& notification);

    std::unique_ptr<const SerialSystem> m_system;
    std::string m_commName = "COM2";
    LineSettings m_line;
    CommTimeouts m_timeouts;
    ReplyComplete m_replyComplete;
    NotificationQueue* m_notifications;
    // Everything an open port holds; none while closed.
    std::unique_ptr<CommPort> m_port;
};

} // namespace morvent
