// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "ControllerModel.h"
#include "Descriptor.h"
#include "EventFd.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace morvent {

// A controller on the far end of a pseudo-terminal. The tool opens devicePath() as it would a
// serial port; one worker thread reads requests from the master end, asks the model, and writes
// the replies back.
//
// The speed the tool set on its end decides what the controller hears: a connect request only at
// the model's listening rate, everything else only at 9600 baud, and every reply goes out at 9600
// once the tool's end is there. start(), stop() and hangUp() belong to the owning thread; the
// knobs, withModel() and the counters may be used from any thread while the server runs.
class SimulatedController {
public:
    // How long a reply waits for the tool to switch its line to 9600 baud before it is lost.
    static constexpr std::chrono::milliseconds kDefaultSwitchWait{500};

    explicit SimulatedController(std::uint32_t seed = 1);
    ~SimulatedController();
    SimulatedController(const SimulatedController&) = delete;
    SimulatedController& operator=(const SimulatedController&) = delete;

    // Opens a new pseudo-terminal and serves it until stop(). Throws std::system_error when the
    // terminal cannot be set up, std::logic_error when already running.
    void start();
    // Ends the worker and closes every descriptor; harmless when not running.
    void stop();
    bool isRunning() const { return m_running; }
    // The device end the tool opens, such as "/dev/pts/7"; empty when not running.
    std::string devicePath() const;

    // Takes the tool's requests, and puts reply bytes on the line one at a time, at the line's
    // wire speed (10 bits a byte).
    void setPacing(bool paced) { m_pacing = paced; }
    bool pacing() const { return m_pacing; }

    void setSwitchWait(std::chrono::milliseconds wait) { m_switchWaitMs = wait.count(); }

    // Closes the master end, as when the cable is pulled: the tool's end then reports a hang-up.
    // Returns once it is closed. The server stays hung up until stop().
    void hangUp();
    // Vanishes right after the next reply with this code has gone out, as an adapter pulled at
    // the worst moment: both ends of the pseudo-terminal close, so its device node goes away
    // once the tool lets go of it, while the tool has the reply and is about to reopen the port.
    void setVanishAfterReply(std::optional<Command> code) {
        m_vanishAfter = code ? static_cast<int>(*code) : -1;
    }
    // Hangs up instead of sending the next reply with this code, as a cable pulled while the tool
    // awaits it; the request itself is acted on (a write is stored).
    void setHangUpOnReply(std::optional<Command> code) {
        m_hangUpOn = code ? static_cast<int>(*code) : -1;
    }
    // Puts bytes on the line towards the tool that no request asked for (line noise).
    void injectNoise(Bytes bytes);
    bool hungUp() const;

    // Runs `use` on the model under the server's lock; the way to turn the model's knobs and to
    // look at its state while the server runs. Return values, not references, from `use`.
    template <typename Use> decltype(auto) withModel(Use&& use) {
        std::lock_guard lock(m_modelMutex);
        return std::forward<Use>(use)(m_model);
    }
    template <typename Use> decltype(auto) withModel(Use&& use) const {
        std::lock_guard lock(m_modelMutex);
        return std::forward<Use>(use)(m_model);
    }

    std::size_t requestCount(Command command) const;
    std::vector<ReceivedRequest> receivedRequests() const;
    // Replies written to the line in full since start().
    std::size_t repliesSent() const { return m_repliesSent; }
    // Replies given up because the tool's line never came to 9600 baud.
    std::size_t repliesLost() const { return m_repliesLost; }
    // Bytes on the line towards the tool that it has not read yet. Not once told to vanish.
    int unreadByTool() const;

private:
    enum class Wait { Elapsed, Interrupted };
    enum class LineState { Ready, TimedOut, Interrupted };

    void serve();
    void serveRequests();
    void answer(std::span<const std::uint8_t> chunk);
    bool deliver(const ControllerReply& reply);
    bool send(std::span<const std::uint8_t> bytes, unsigned baud);
    std::optional<std::size_t> writeSome(std::span<const std::uint8_t> bytes);
    Wait pauseUntil(std::chrono::steady_clock::time_point deadline);
    Wait pauseFor(std::chrono::milliseconds duration);
    Wait awaitWritable();
    LineState awaitLineBaud(unsigned baud);
    unsigned lineBaud() const;
    void closeMaster();
    void sendNoise();
    void closeDescriptors();

    mutable std::mutex m_modelMutex;
    ControllerModel m_model;

    // Set by start() before the worker exists; afterwards the master end belongs to the worker.
    Descriptor m_master;
    // Held open for the server's whole life, so the master never sees the line drop while the
    // tool closes and reopens its end; never read from, only asked for the line speed.
    Descriptor m_slave;
    EventFd m_stop{Descriptor()};   // signalled once, never reset
    EventFd m_hangUp{Descriptor()}; // signalled by hangUp(), drained by the worker
    EventFd m_noise{Descriptor()};  // signalled by injectNoise()
    std::mutex m_noiseMutex;
    Bytes m_noiseBytes;
    std::thread m_worker;

    mutable std::mutex m_stateMutex;
    std::condition_variable m_stateChanged;
    std::string m_devicePath;
    bool m_serving = false;
    bool m_hungUp = false;

    std::atomic<bool> m_running{false};
    std::atomic<bool> m_pacing{false};
    std::atomic<std::chrono::milliseconds::rep> m_switchWaitMs{kDefaultSwitchWait.count()};
    std::atomic<std::size_t> m_repliesSent{0};
    std::atomic<std::size_t> m_repliesLost{0};
    std::atomic<int> m_vanishAfter{-1};
    std::atomic<int> m_hangUpOn{-1};
};

} // namespace morvent
