// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "CommTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace morvent {

class NotificationQueue;
struct SerialSystem;

// One open serial device with its reader and writer thread: the part of the serial component
// that each system does its own way (posix/: termios, poll and eventfd; win32/: a comm handle
// with overlapped I/O and events). The component keeps the properties, the events and the rules
// around them. Destroying an open port stops both workers, abandoning a pending write and what
// is queued behind it, puts the device back as this program found it and closes it.
class CommPort {
public:
    virtual ~CommPort() = default;

    // The device's descriptor or handle, as ComHandle shows it.
    virtual std::uint32_t handle() const = 0;
    // Applies the line settings to the open device at once: 0 when it took them, else the
    // system's error number.
    virtual int applyLineSettings(const LineSettings& settings) = 0;
    // The read and write timeouts, for the next read and write.
    virtual void applyTimeouts(const CommTimeouts& timeouts) = 0;
    // Queues the bytes for the writer; false once the writer has ended.
    virtual bool send(std::vector<std::uint8_t> bytes) = 0;
    // The reply awaited next starts with the next byte to come and ends as `complete` says:
    // what came before, in the device or in the reader's hands, is dropped. A port whose reader
    // cannot take this up while it runs keeps the rule it was opened with.
    virtual void startReply(const ReplyComplete& complete) { static_cast<void>(complete); }
    // The system's error number for "in use" when another process has the device open too
    // (without a lock that kept this open out), 0 when nobody has.
    virtual int usedElsewhere() const = 0;
};

// What an open needs besides the device.
struct PortSetup {
    const LineSettings& line;
    const CommTimeouts& timeouts;
    // Empty: only the timeouts end a chunk of received bytes.
    const ReplyComplete& replyComplete;
    NotificationQueue& notifications;
    const SerialSystem& system;
};

// Opens the device at path for this program alone, sets it up and starts its reader and
// writer; raises ECommsError and leaves nothing open or changed on failure.
std::unique_ptr<CommPort> openCommPort(const std::string& path, const PortSetup& setup);

// The device a port name stands for, as the users of each system write port names.
std::string commDevicePath(const std::string& commName);

} // namespace morvent
