// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "ControllerEnd.h"
#include "ControllerModel.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace morvent {

// A controller on the far end of a line: a pseudo-terminal on POSIX, an in-process line on
// Windows (ControllerEnd.h). The tool opens devicePath() as it would a serial port; one worker
// thread reads requests from the controller's end, asks the model, and writes the replies back.
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

    // Opens a new line of the system's own kind (openControllerEnd()) and serves it until stop().
    // Throws std::system_error when the line cannot be set up, std::logic_error when already
    // running.
    void start();
    // The same on a line made elsewhere, such as openSimulatedLineEnd().
    void start(std::unique_ptr<ControllerEnd> end);
    // Ends the worker and closes the line; harmless when not running.
    void stop();
    bool isRunning() const { return m_running; }
    // What the tool opens: the device end of a pseudo-terminal, such as "/dev/pts/7", or the name
    // of an in-process line, such as "SIMULATED"; empty when not running.
    std::string devicePath() const;

    // Takes the tool's requests, and puts reply bytes on the line one at a time, at the line's
    // wire speed (10 bits a byte).
    void setPacing(bool paced) { m_pacing = paced; }
    bool pacing() const { return m_pacing; }

    void setSwitchWait(std::chrono::milliseconds wait) { m_switchWaitMs = wait.count(); }

    // Drops the line, as when the cable is pulled: the tool's end then reports a hang-up.
    // Returns once it is dropped. The server stays hung up until stop().
    void hangUp();
    // Vanishes right after the next reply with this code has gone out, as an adapter pulled at
    // the worst moment: the whole line closes, so its port goes away once the tool lets go of
    // it, while the tool has the reply and is about to reopen the port.
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
    void answer(std::span<const std::uint8_t> chunk, unsigned baud);
    bool deliver(const ControllerReply& reply);
    bool send(std::span<const std::uint8_t> bytes, unsigned baud);
    std::optional<std::size_t> writeSome(std::span<const std::uint8_t> bytes);
    bool interrupted() const { return m_stopAsked || m_hangUpAsked; }
    Wait pauseUntil(std::chrono::steady_clock::time_point deadline);
    Wait pauseFor(std::chrono::milliseconds duration);
    Wait awaitWritable();
    LineState awaitLineBaud(unsigned baud);
    void dropLine();
    void sendNoise();
    void ask(std::atomic<bool>& flag);

    mutable std::mutex m_modelMutex;
    ControllerModel m_model;

    // Set by start() before the worker exists and reset by stop() after it ended; in between the
    // worker alone uses it, but for nudges.
    std::unique_ptr<ControllerEnd> m_end;
    std::atomic<bool> m_stopAsked{false};   // set once, never taken back
    std::atomic<bool> m_hangUpAsked{false}; // set by hangUp(), taken by the worker
    std::atomic<bool> m_noiseAsked{false};  // set by injectNoise(), taken by the worker
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
