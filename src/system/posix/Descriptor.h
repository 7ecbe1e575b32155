// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <utility>

namespace morvent {

// Owns one file descriptor and closes it on every way out; -1 means none.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) noexcept : m_fd(fd) {}
    Descriptor(Descriptor&& other) noexcept : m_fd(other.release()) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { reset(); }

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Gives the descriptor up without closing it.
    int release() noexcept { return std::exchange(m_fd, -1); }
    // Closes the one held (if any) and holds fd instead.
    void reset(int fd = -1) noexcept;
    // Closes now; false when the close itself failed, which for a file being written means the
    // last of it may not have reached the disk.
    bool close() noexcept;

private:
    int m_fd = -1;
};

// The same open file as fd, on a descriptor above standard input, output and error when fd is one
// of them (the program was started with them closed), so that nothing the program writes to
// standard error ends up on a serial line or in a wake-up; -1 stays -1.
int aboveStandardStreams(int fd);

} // namespace morvent
