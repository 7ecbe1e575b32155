// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "SimulatedPort.h"

#include "NotificationQueue.h"
#include "ReadTiming.h"
#include "SerialSystem.h"
#include "SimulatedLine.h"

#include <atomic>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>

namespace morvent {

namespace {

constexpr std::size_t kChunkSize = 1024;

// The reader and the writer over the line's tool end, as over a COM port: the reader times its
// chunks itself by the read timeouts (the line has none of its own), the writer takes its own
// queue in order and tells when it has run empty. There are no line errors or modem lines.
class SimulatedCommPort final : public CommPort {
public:
    SimulatedCommPort(std::unique_ptr<SimulatedLine::ToolEnd> end, const PortSetup& setup)
        : m_end(std::move(end)), m_notifications(setup.notifications) {
        m_timing.setTimeouts(setup.timeouts);
        m_timing.setReplyComplete(setup.replyComplete);
        m_end->setBaud(setup.line.BaudRate);
        if (!setup.system.startThread(
                m_reader, [this] { read(); }, "comm-reader")) {
            throw commsError(CommsFailure::ReadThread);
        }
        if (!setup.system.startThread(
                m_writer, [this] { write(); }, "comm-writer")) {
            stop();
            throw commsError(CommsFailure::WriteThread);
        }
    }
    ~SimulatedCommPort() override {
        stop();
        // Unread replies go with the port, as a purge drops them from a driver's buffer.
        m_end->purge();
    }
    SimulatedCommPort(const SimulatedCommPort&) = delete;
    SimulatedCommPort& operator=(const SimulatedCommPort&) = delete;

    std::uint32_t handle() const override {
        return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(m_end.get())) | 1u;
    }
    int applyLineSettings(const LineSettings& line) override {
        // The line carries bytes at a speed; the character format is the controller's own.
        m_end->setBaud(line.BaudRate);
        return 0;
    }
    void applyTimeouts(const CommTimeouts& timeouts) override { m_timing.setTimeouts(timeouts); }
    bool send(std::vector<std::uint8_t> bytes) override {
        {
            const std::lock_guard lock(m_mutex);
            if (m_ended) {
                return false;
            }
            m_queue.push_back(std::move(bytes));
        }
        m_queued.notify_one();
        return true;
    }
    int usedElsewhere() const override { return 0; }

private:
    void stop() {
        m_end->stop();
        {
            const std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_queued.notify_one();
        for (std::thread* worker : {&m_reader, &m_writer}) {
            if (worker->joinable()) {
                worker->join();
            }
        }
    }

    void read() {
        std::uint8_t chunk[kChunkSize];
        std::size_t count = 0;
        auto deliver = [&] {
            auto block = std::make_unique<std::uint8_t[]>(count + 1);
            std::memcpy(block.get(), chunk, count);
            m_notifications.post(CommNotification::ReceiveData, static_cast<std::uint32_t>(count),
                                 std::move(block));
            count = 0;
        };
        for (;;) {
            const auto due = m_timing.untilDue(count);
            switch (m_end->wait(due.count() < 0 ? SimulatedLine::kForever : due)) {
            case SimulatedLine::ToolEnd::Wait::Stopped:
                return;
            case SimulatedLine::ToolEnd::Wait::HungUp:
                if (count > 0) {
                    deliver();
                }
                m_notifications.post(CommNotification::RequestHangup);
                return;
            case SimulatedLine::ToolEnd::Wait::Readable:
                if (const std::size_t got = m_end->read({chunk + count, kChunkSize - count})) {
                    count += got;
                    m_timing.arrived();
                }
                break;
            case SimulatedLine::ToolEnd::Wait::TimedOut:
                break;
            }
            if (m_timing.due({chunk, count})) {
                deliver();
            }
        }
    }

    void write() {
        bool announceEmpty = true;
        std::unique_lock lock(m_mutex);
        for (;;) {
            if (m_stopping) {
                break;
            }
            if (!m_queue.empty()) {
                const std::vector<std::uint8_t> bytes = std::move(m_queue.front());
                m_queue.pop_front();
                lock.unlock();
                // A line that hung up takes nothing more; its reader reports it.
                const bool written = m_end->write(bytes);
                lock.lock();
                if (!written) {
                    break;
                }
                announceEmpty = true;
                continue;
            }
            if (announceEmpty) {
                m_notifications.post(CommNotification::SendDataEmpty);
                announceEmpty = false;
            }
            m_queued.wait(lock);
        }
        m_ended = true;
        m_queue.clear();
    }

    const std::unique_ptr<SimulatedLine::ToolEnd> m_end;
    NotificationQueue& m_notifications;
    ReadTiming m_timing{kChunkSize};

    std::mutex m_mutex;
    std::condition_variable m_queued;
    std::deque<std::vector<std::uint8_t>> m_queue;
    bool m_stopping = false;
    bool m_ended = false;

    std::thread m_reader;
    std::thread m_writer;
};

} // namespace

std::unique_ptr<CommPort> openSimulatedPort(const std::string& path, const PortSetup& setup) {
    std::unique_ptr<SimulatedLine::ToolEnd> end = SimulatedLine::open(path);
    if (!end) {
        throw commsError(CommsFailure::Opening);
    }
    return std::make_unique<SimulatedCommPort>(std::move(end), setup);
}

} // namespace morvent
