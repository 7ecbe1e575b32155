#pragma once

#include "Frames.h"

#include <chrono>
#include <functional>
#include <string>

namespace morvent::test {

// Long enough never to be reached on a loaded machine; only there to turn a hang into a failure.
inline constexpr std::chrono::milliseconds kHangGuard{10'000};

// The tool's end of the simulated line, opened and set up as the serial component does it: raw,
// 8N1, no flow control, at a given speed.
class ToolEnd {
public:
    explicit ToolEnd(const std::string& path, unsigned baud = 9600);
    ~ToolEnd();
    ToolEnd(const ToolEnd&) = delete;
    ToolEnd& operator=(const ToolEnd&) = delete;

    void setBaud(unsigned baud);
    void send(const Bytes& bytes);
    // Whatever arrives until `count` bytes are in or `guard` has passed.
    Bytes receive(std::size_t count, std::chrono::milliseconds guard = kHangGuard);
    // Whether anything arrives within `wait`.
    bool readable(std::chrono::milliseconds wait);
    int fd() const { return m_fd; }

private:
    int m_fd = -1;
};

// Polls until `condition` holds; false if it still does not after `guard`.
bool eventually(const std::function<bool()>& condition,
                std::chrono::milliseconds guard = kHangGuard);

} // namespace morvent::test
