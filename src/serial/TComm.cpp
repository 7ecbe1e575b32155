// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "TComm.h"

#include "ConnectionHelp.h"
#include "LineDiscipline.h"
#include "Poll.h"
#include "TReadThread.h"
#include "TWriteThread.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

namespace morvent {

namespace {

// Puts the device back as it was before this program opened it and lets others open it again.
// Runs also inside a signal handler, so it makes only async-signal-safe calls.
void restoreDevice(const void* data) {
    const auto* line = static_cast<const TComm::DeviceLine*>(data);
    ::tcsetattr(line->fd, TCSANOW, &line->attributes);
    ::ioctl(line->fd, TIOCNXCL);
}

} // namespace

TComm::TComm(QObject* owner, const SerialSystem& system)
    : QObject(owner), m_system(system),
      m_notifications(new NotificationQueue(
          [this](const Notification& notification) { deliver(notification); }, this)) {}

TComm::~TComm() {
    // Workers hold pointers into this object; none may outlive it.
    CloseComm();
}

std::string TComm::devicePath(const std::string& commName) {
    if (!commName.empty() && commName.front() == '/') {
        return commName;
    }
    return "/dev/" + commName;
}

void TComm::OpenComm() {
    if (isOpen()) {
        throw ECommsError(QT_TRANSLATE_NOOP("Protocol", "This serial port already opened"));
    }

    const std::string path = devicePath(m_commName);
    // An ending signal's undo waits until the line is set up (or given back), and never has a
    // line changed behind it.
    const UndoGuard changing;
    // Also keeps 0 free to mean "closed".
    m_port.reset(aboveStandardStreams(
        m_system.openDevice(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC)));
    if (!m_port.valid()) {
        failOpen(QT_TRANSLATE_NOOP("Protocol", "Error opening serial port"), errno);
    }
    const int fd = m_port.get();
    // One user at a time: a second component, or another program that locks its ports, is
    // refused here rather than sharing the line and stealing replies.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        failOpen(QT_TRANSLATE_NOOP("Protocol", "Error opening serial port"), errno);
    }
    // A device that went away can linger a moment after its last user let go (an adapter
    // pulled, the far end of a pseudo-terminal closed); it opens, but is hung up already.
    pollfd state{fd, 0, 0};
    if (pollRetrying({&state, 1}, std::chrono::nanoseconds::zero()) > 0 &&
        (state.revents & (POLLHUP | POLLERR)) != 0) {
        failOpen(QT_TRANSLATE_NOOP("Protocol", "Error opening serial port"), EIO);
    }
    if (!::isatty(fd)) {
        failOpen(QT_TRANSLATE_NOOP("Protocol", "File handle is not a comm handle "), ENOTTY);
    }
    // The terminal the program runs in ("tty" typed for a port): raw mode at another speed would
    // leave the user without a usable terminal, and the bytes typed would go to the controller.
    if (isOwnTerminal(fd)) {
        failOpen(QT_TRANSLATE_NOOP("Protocol", "Error opening serial port"), EBUSY);
    }
    // The device's own settings, put back when the port closes, also when a signal ends the
    // program while it is open.
    termios own{};
    if (m_system.getAttributes(fd, &own) != 0) {
        failOpen(QT_TRANSLATE_NOOP("Protocol", "Cannot setup comm buffer"), errno);
    }
    m_device = DeviceLine{fd, own};
    try {
        m_restoreOnSignal = SignalUndo(restoreDevice, &m_device);
    } catch (const std::bad_alloc&) {
        // Nothing of the line has changed yet; without its undo it must not be.
        m_device.fd = -1;
        failOpen("Error opening serial port", ENOMEM);
    }
    // Also keeps out programs that do not lock (unless they run as root).
    ::ioctl(fd, TIOCEXCL);

    ApplyTimeouts();
    // A line the device will not set up as asked would only garble what goes over it.
    if (!ApplyLineSettings()) {
        failOpen(QT_TRANSLATE_NOOP("Protocol", "Cannot setup comm buffer"), errno);
    }
    // After the settings: what arrived under the device's own ones is not the controller's.
    tcflush(fd, TCIOFLUSH);

    m_stopEvent = EventFd(Descriptor(m_system.createEvent()));
    if (!m_stopEvent.valid()) {
        failOpen(QT_TRANSLATE_NOOP("Protocol", "Unable to create event"));
    }
    m_reader = std::make_unique<TReadThread>(fd, m_stopEvent, *m_notifications, m_system);
    m_reader->setTimeouts(m_timeouts);
    m_reader->setIgnoreNullChar(m_line.IgnoreNullChar);
    m_reader->setReplyComplete(m_replyComplete);
    if (!m_reader->start()) {
        failOpen(QT_TRANSLATE_NOOP("Protocol", "Unable to create read thread"));
    }
    m_writer = std::make_unique<TWriteThread>(fd, m_stopEvent, *m_notifications, m_system);
    if (!m_writer->start()) {
        failOpen(QT_TRANSLATE_NOOP("Protocol", "Unable to create write thread"));
    }
}

void TComm::OpenCommAlone() {
    OpenComm();
    // Held now, so nobody else can open it any more; whoever has it open already would take the
    // controller's replies.
    if (!findDeviceHolders(devicePath(m_commName)).empty()) {
        CloseComm();
        throw ECommsError(QT_TRANSLATE_NOOP("Protocol", "Error opening serial port"), EBUSY);
    }
}

void TComm::failOpen(const char* message, int systemError) {
    release();
    throw ECommsError(message, systemError);
}

void TComm::release() {
    const UndoGuard changing;
    // The workers first, while the port they use is still there. The stop event is never reset,
    // so every wait in both of them sees it until they are gone.
    if (m_stopEvent.valid()) {
        m_stopEvent.signal();
    }
    if (m_reader) {
        tcflush(m_port.get(), TCIFLUSH);
        m_reader.reset();
    }
    if (m_writer) {
        // Drops what the writer could not send yet, so closing never waits for a stuck line.
        tcflush(m_port.get(), TCOFLUSH);
        m_writer.reset();
    }
    m_stopEvent = EventFd(Descriptor());
    if (m_device.fd >= 0) {
        restoreDevice(&m_device);
        m_restoreOnSignal.reset();
        m_device.fd = -1;
    }
    // The last descriptor of the device closing lets go of the lock.
    m_port.reset();
}

void TComm::CloseComm() {
    release();
}

void TComm::discardNotifications() {
    m_notifications->discard();
}

std::uint64_t TComm::droppedBytes() const {
    return m_notifications->droppedBytes();
}

bool TComm::SendData(const std::uint8_t* buffer, std::uint16_t size) {
    if (!m_writer || size == 0) {
        return false;
    }
    return m_writer->enqueue(std::vector<std::uint8_t>(buffer, buffer + size));
}

bool TComm::ApplyLineSettings() {
    if (m_reader) {
        m_reader->setIgnoreNullChar(m_line.IgnoreNullChar);
    }
    return applyLineSettings(m_port.get(), m_line);
}

void TComm::ApplyTimeouts() {
    if (m_reader) {
        m_reader->setTimeouts(m_timeouts);
    }
}

void TComm::deliver(const Notification& notification) {
    // Handlers run from copies: a handler may replace itself (or another) while it runs.
    switch (notification.kind) {
    case CommNotification::ReceiveData:
        if (const auto handler = OnReceiveData) {
            handler(this, notification.bytes.get(),
                    static_cast<std::uint16_t>(notification.parameter & 0xFFFF));
        }
        break;
    case CommNotification::ReceiveError:
        if (const auto handler = OnReceiveError) {
            handler(this, notification.parameter);
        }
        break;
    case CommNotification::RequestHangup:
        if (const auto handler = OnRequestHangup) {
            handler(this);
        }
        break;
    case CommNotification::ModemStateChange:
        if (const auto handler = OnModemStateChange) {
            handler(this, notification.parameter);
        }
        break;
    case CommNotification::SendDataEmpty:
        if (const auto handler = OnSendDataEmpty) {
            handler(this);
        }
        break;
    }
}

} // namespace morvent
