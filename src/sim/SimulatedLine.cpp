// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "SimulatedLine.h"

#include <algorithm>
#include <map>

namespace morvent {

namespace {

// The lines open in this process by name. An entry keeps a line's address to tell whose it is:
// a line that is going away must not take out a newer line's entry of the same name.
struct Registry {
    struct Entry {
        const SimulatedLine* line = nullptr;
        std::weak_ptr<SimulatedLine> handle;
    };
    std::mutex mutex;
    std::map<std::string, Entry, std::less<>> lines;
};

// Never destroyed, so that a line in a static object may still leave it at exit.
Registry& registry() {
    static Registry* const lines = new Registry;
    return *lines;
}

// A port name as the registry keys it: without the device prefix, in capitals.
std::string registryKey(std::string_view port) {
    constexpr std::string_view kDevicePrefix = "\\\\.\\";
    if (port.starts_with(kDevicePrefix)) {
        port.remove_prefix(kDevicePrefix.size());
    }
    std::string key(port);
    std::transform(key.begin(), key.end(), key.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return key;
}

} // namespace

std::shared_ptr<SimulatedLine> SimulatedLine::create() {
    Registry& lines = registry();
    std::lock_guard lock(lines.mutex);
    for (unsigned number = 1;; ++number) {
        std::string name(kBaseName);
        if (number > 1) {
            name += std::to_string(number);
        }
        auto [entry, added] = lines.lines.try_emplace(name);
        if (!added && !entry->second.handle.expired()) {
            continue;
        }
        std::shared_ptr<SimulatedLine> line(new SimulatedLine(std::move(name)));
        entry->second = {line.get(), line};
        return line;
    }
}

SimulatedLine::~SimulatedLine() {
    unregister();
}

void SimulatedLine::unregister() {
    Registry& lines = registry();
    std::lock_guard lock(lines.mutex);
    if (const auto entry = lines.lines.find(m_name);
        entry != lines.lines.end() && entry->second.line == this) {
        lines.lines.erase(entry);
    }
}

bool SimulatedLine::isLineName(std::string_view port) {
    const std::string key = registryKey(port);
    return key.starts_with(kBaseName) && std::all_of(key.begin() + kBaseName.size(), key.end(),
                                                     [](char c) { return c >= '0' && c <= '9'; });
}

std::unique_ptr<SimulatedLine::ToolEnd> SimulatedLine::open(std::string_view port) {
    std::shared_ptr<SimulatedLine> line;
    {
        Registry& lines = registry();
        std::lock_guard lock(lines.mutex);
        if (const auto entry = lines.lines.find(registryKey(port)); entry != lines.lines.end()) {
            line = entry->second.handle.lock();
        }
    }
    if (!line) {
        return nullptr;
    }
    {
        std::lock_guard lock(line->m_mutex);
        if (line->m_hungUp || line->m_toolOpen) {
            return nullptr;
        }
        line->m_toolOpen = true;
    }
    return std::unique_ptr<ToolEnd>(new ToolEnd(std::move(line)));
}

void SimulatedLine::nudge() {
    std::lock_guard lock(m_mutex);
    m_nudged = true;
    m_changed.notify_all();
}

SimulatedLine::Woken SimulatedLine::wait(Await what, ControllerEnd::Clock::time_point deadline) {
    std::unique_lock lock(m_mutex);
    const auto ready = [&] {
        return m_nudged || (what == Await::Readable && !m_toController.empty()) ||
               (what == Await::Writable && (m_hungUp || m_toTool.size() < kCapacity));
    };
    if (deadline == ControllerEnd::kNoDeadline) {
        m_changed.wait(lock, ready);
    } else if (!m_changed.wait_until(lock, deadline, ready)) {
        return Woken::Elapsed;
    }
    return std::exchange(m_nudged, false) ? Woken::Nudged : Woken::Ready;
}

std::optional<ControllerEnd::Received> SimulatedLine::take(std::span<std::uint8_t> buffer) {
    std::lock_guard lock(m_mutex);
    if (m_hungUp) {
        return std::nullopt;
    }
    if (m_toController.empty()) {
        return ControllerEnd::Received{0, m_baud};
    }
    Run& run = m_toController.front();
    const ControllerEnd::Received taken{std::min(buffer.size(), run.bytes.size()), run.baud};
    std::copy_n(run.bytes.begin(), taken.count, buffer.begin());
    run.bytes.erase(run.bytes.begin(), run.bytes.begin() + taken.count);
    if (run.bytes.empty()) {
        m_toController.pop_front();
    }
    return taken;
}

std::optional<std::size_t> SimulatedLine::put(std::span<const std::uint8_t> bytes) {
    std::lock_guard lock(m_mutex);
    if (m_hungUp) {
        return std::nullopt;
    }
    const std::size_t count = std::min(bytes.size(), kCapacity - m_toTool.size());
    m_toTool.insert(m_toTool.end(), bytes.begin(), bytes.begin() + count);
    if (count > 0) {
        m_changed.notify_all();
    }
    return count;
}

unsigned SimulatedLine::toolBaud() const {
    std::lock_guard lock(m_mutex);
    return m_baud;
}

std::size_t SimulatedLine::unreadByTool() const {
    std::lock_guard lock(m_mutex);
    return m_toTool.size();
}

void SimulatedLine::hangUp() {
    std::lock_guard lock(m_mutex);
    m_hungUp = true;
    // As a serial driver drops its buffers when the device goes away.
    m_toTool.clear();
    m_toController.clear();
    m_changed.notify_all();
}

SimulatedLine::ToolEnd::~ToolEnd() {
    std::lock_guard lock(m_line->m_mutex);
    m_line->m_toolOpen = false;
}

SimulatedLine::ToolEnd::Wait SimulatedLine::ToolEnd::wait(std::chrono::milliseconds timeout) {
    SimulatedLine& line = *m_line;
    std::unique_lock lock(line.m_mutex);
    const auto done = [&] { return m_stopped || !line.m_toTool.empty() || line.m_hungUp; };
    if (timeout < timeout.zero()) {
        line.m_changed.wait(lock, done);
    } else {
        line.m_changed.wait_for(lock, timeout, done);
    }
    if (m_stopped) {
        return Wait::Stopped;
    }
    if (!line.m_toTool.empty()) {
        return Wait::Readable;
    }
    return line.m_hungUp ? Wait::HungUp : Wait::TimedOut;
}

std::size_t SimulatedLine::ToolEnd::read(std::span<std::uint8_t> buffer) {
    SimulatedLine& line = *m_line;
    std::lock_guard lock(line.m_mutex);
    const std::size_t count = std::min(buffer.size(), line.m_toTool.size());
    std::copy_n(line.m_toTool.begin(), count, buffer.begin());
    line.m_toTool.erase(line.m_toTool.begin(), line.m_toTool.begin() + count);
    if (count > 0) {
        line.m_changed.notify_all(); // room for a controller that waits for it
    }
    return count;
}

std::size_t SimulatedLine::ToolEnd::available() const {
    std::lock_guard lock(m_line->m_mutex);
    return m_line->m_toTool.size();
}

bool SimulatedLine::ToolEnd::write(std::span<const std::uint8_t> bytes) {
    SimulatedLine& line = *m_line;
    std::lock_guard lock(line.m_mutex);
    if (line.m_hungUp) {
        return false;
    }
    if (bytes.empty()) {
        return true;
    }
    if (line.m_toController.empty() || line.m_toController.back().baud != line.m_baud) {
        line.m_toController.push_back({line.m_baud, {}});
    }
    auto& run = line.m_toController.back().bytes;
    run.insert(run.end(), bytes.begin(), bytes.end());
    line.m_changed.notify_all();
    return true;
}

void SimulatedLine::ToolEnd::purge() {
    std::lock_guard lock(m_line->m_mutex);
    m_line->m_toTool.clear();
    m_line->m_changed.notify_all();
}

void SimulatedLine::ToolEnd::setBaud(unsigned baud) {
    std::lock_guard lock(m_line->m_mutex);
    m_line->m_baud = baud;
}

unsigned SimulatedLine::ToolEnd::baud() const {
    std::lock_guard lock(m_line->m_mutex);
    return m_line->m_baud;
}

bool SimulatedLine::ToolEnd::hungUp() const {
    std::lock_guard lock(m_line->m_mutex);
    return m_line->m_hungUp;
}

void SimulatedLine::ToolEnd::stop() {
    std::lock_guard lock(m_line->m_mutex);
    m_stopped = true;
    m_line->m_changed.notify_all();
}

// The controller's end over a line of its own, which it makes and owns; the tool's end may keep
// the line a while after the controller let go of it, hung up.
class SimulatedLineEnd final : public ControllerEnd {
public:
    SimulatedLineEnd() : m_line(SimulatedLine::create()) {}
    ~SimulatedLineEnd() override { vanish(); }

    std::string toolName() const override { return m_line->name(); }
    void nudge() override { m_line->nudge(); }
    Woken wait(Await what, Clock::time_point deadline) override {
        return m_line->wait(what, deadline);
    }
    std::optional<Received> read(std::span<std::uint8_t> buffer) override {
        return m_line->take(buffer);
    }
    std::optional<std::size_t> write(std::span<const std::uint8_t> bytes) override {
        return m_line->put(bytes);
    }
    unsigned toolBaud() const override { return m_line->toolBaud(); }
    int unreadByTool() const override { return static_cast<int>(m_line->unreadByTool()); }
    void hangUp() override { m_line->hangUp(); }
    void vanish() override {
        m_line->unregister();
        m_line->hangUp();
    }

private:
    const std::shared_ptr<SimulatedLine> m_line;
};

std::unique_ptr<ControllerEnd> openSimulatedLineEnd() {
    return std::make_unique<SimulatedLineEnd>();
}

} // namespace morvent
