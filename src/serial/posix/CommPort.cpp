// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "CommPort.h"

#include "Descriptor.h"
#include "DeviceHolders.h"
#include "EventFd.h"
#include "LineDiscipline.h"
#include "Poll.h"
#include "SignalUndo.h"
#include "TReadThread.h"
#include "TWriteThread.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <new>

namespace morvent {

namespace {

// An open device and its terminal settings from before this program opened it.
struct DeviceLine {
    int fd = -1;
    termios attributes{};
};

// Puts the device back as it was before this program opened it and lets others open it again.
// Runs also inside a signal handler, so it makes only async-signal-safe calls.
void restoreDevice(const void* data) {
    const auto* line = static_cast<const DeviceLine*>(data);
    ::tcsetattr(line->fd, TCSANOW, &line->attributes);
    ::ioctl(line->fd, TIOCNXCL);
}

// A terminal device: the descriptor, locked and exclusive for this process, in raw mode, with a
// reader and a writer that wait with poll() on it and on a stop eventfd.
class PosixCommPort final : public CommPort {
public:
    PosixCommPort(const std::string& path, const PortSetup& setup)
        : m_path(path), m_system(setup.system) {
        open(setup);
    }
    ~PosixCommPort() override { release(); }
    PosixCommPort(const PosixCommPort&) = delete;
    PosixCommPort& operator=(const PosixCommPort&) = delete;

    std::uint32_t handle() const override { return static_cast<std::uint32_t>(m_port.get()); }

    int applyLineSettings(const LineSettings& line) override {
        if (m_reader) {
            m_reader->setIgnoreNullChar(line.IgnoreNullChar);
        }
        if (morvent::applyLineSettings(m_port.get(), line)) {
            return 0;
        }
        return errno != 0 ? errno : EINVAL;
    }

    void applyTimeouts(const CommTimeouts& timeouts) override {
        if (m_reader) {
            m_reader->setTimeouts(timeouts);
        }
    }

    bool send(std::vector<std::uint8_t> bytes) override {
        return m_writer && m_writer->enqueue(std::move(bytes));
    }

    void startReply(const ReplyComplete& complete) override {
        if (m_reader) {
            m_reader->startReply(complete);
        }
    }

    int usedElsewhere() const override { return findDeviceHolders(m_path).empty() ? 0 : EBUSY; }

private:
    void open(const PortSetup& setup);
    [[noreturn]] void failOpen(CommsFailure failure, int systemError = 0);
    void release();

    const std::string m_path;
    const SerialSystem& m_system;
    // What an open port holds; release() lets go of all of it, whether the port was open or an
    // open failed halfway.
    Descriptor m_port;
    DeviceLine m_device; // fd -1 until the device's own settings are known
    SignalUndo m_restoreOnSignal;
    EventFd m_stopEvent{Descriptor()};
    std::unique_ptr<TReadThread> m_reader;
    std::unique_ptr<TWriteThread> m_writer;
};

void PosixCommPort::open(const PortSetup& setup) {
    // An ending signal's undo waits until the line is set up (or given back), and never has a
    // line changed behind it.
    const UndoGuard changing;
    // Also keeps 0 free to mean "closed".
    m_port.reset(aboveStandardStreams(
        m_system.openDevice(m_path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC)));
    if (!m_port.valid()) {
        failOpen(CommsFailure::Opening, errno);
    }
    const int fd = m_port.get();
    // One user at a time: a second component, or another program that locks its ports, is
    // refused here rather than sharing the line and stealing replies.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        failOpen(CommsFailure::Opening, errno);
    }
    // A device that went away can linger a moment after its last user let go (an adapter
    // pulled, the far end of a pseudo-terminal closed); it opens, but is hung up already.
    pollfd state{fd, 0, 0};
    if (pollRetrying({&state, 1}, std::chrono::nanoseconds::zero()) > 0 &&
        (state.revents & (POLLHUP | POLLERR)) != 0) {
        failOpen(CommsFailure::Opening, EIO);
    }
    if (!::isatty(fd)) {
        failOpen(CommsFailure::NotACommHandle, ENOTTY);
    }
    // The terminal the program runs in ("tty" typed for a port): raw mode at another speed would
    // leave the user without a usable terminal, and the bytes typed would go to the controller.
    if (isOwnTerminal(fd)) {
        failOpen(CommsFailure::Opening, EBUSY);
    }
    // The device's own settings, put back when the port closes, also when a signal ends the
    // program while it is open.
    termios own{};
    if (m_system.getAttributes(fd, &own) != 0) {
        failOpen(CommsFailure::Setup, errno);
    }
    m_device = DeviceLine{fd, own};
    try {
        m_restoreOnSignal = SignalUndo(restoreDevice, &m_device);
    } catch (const std::bad_alloc&) {
        // Nothing of the line has changed yet; without its undo it must not be.
        m_device.fd = -1;
        failOpen(CommsFailure::Opening, ENOMEM);
    }
    // Also keeps out programs that do not lock (unless they run as root).
    ::ioctl(fd, TIOCEXCL);

    applyTimeouts(setup.timeouts);
    // A line the device will not set up as asked would only garble what goes over it.
    if (const int refused = applyLineSettings(setup.line); refused != 0) {
        failOpen(CommsFailure::Setup, refused);
    }
    // After the settings: what arrived under the device's own ones is not the controller's.
    tcflush(fd, TCIOFLUSH);

    m_stopEvent = EventFd(Descriptor(m_system.createEvent()));
    if (!m_stopEvent.valid()) {
        failOpen(CommsFailure::Event);
    }
    m_reader = std::make_unique<TReadThread>(fd, m_stopEvent, setup.notifications, m_system);
    m_reader->setTimeouts(setup.timeouts);
    m_reader->setIgnoreNullChar(setup.line.IgnoreNullChar);
    m_reader->setReplyComplete(setup.replyComplete);
    if (!m_reader->start()) {
        failOpen(CommsFailure::ReadThread);
    }
    m_writer = std::make_unique<TWriteThread>(fd, m_stopEvent, setup.notifications, m_system);
    if (!m_writer->start()) {
        failOpen(CommsFailure::WriteThread);
    }
}

void PosixCommPort::failOpen(CommsFailure failure, int systemError) {
    release();
    throw commsError(failure, systemError);
}

void PosixCommPort::release() {
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

} // namespace

std::unique_ptr<CommPort> openCommPort(const std::string& path, const PortSetup& setup) {
    return std::make_unique<PosixCommPort>(path, setup);
}

std::string commDevicePath(const std::string& commName) {
    if (!commName.empty() && commName.front() == '/') {
        return commName;
    }
    return "/dev/" + commName;
}

} // namespace morvent
