// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <utility>

namespace morvent {

// A kernel handle as the headers here pass it, without <windows.h>: HANDLE is a void*.
using Handle = void*;

// Owns one kernel handle (a port, a file, a folder, an event) and closes it on every way out. Both
// ways Windows says "none" (a null handle from CreateEvent, INVALID_HANDLE_VALUE from CreateFile)
// are held as null.
class WinHandle {
public:
    WinHandle() = default;
    explicit WinHandle(Handle handle) noexcept : m_handle(none(handle) ? nullptr : handle) {}
    WinHandle(WinHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    WinHandle& operator=(WinHandle&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.m_handle, nullptr));
        }
        return *this;
    }
    WinHandle(const WinHandle&) = delete;
    WinHandle& operator=(const WinHandle&) = delete;
    ~WinHandle() { reset(); }

    Handle get() const { return m_handle; }
    bool valid() const { return m_handle != nullptr; }
    // Closes the one held (if any) and holds handle instead.
    void reset(Handle handle = nullptr) noexcept;
    // Gives the handle up without closing it.
    Handle release() noexcept { return std::exchange(m_handle, nullptr); }
    // Closes now; false when none was held or closing failed, which for a file just written means
    // its last data may not have reached the disk.
    bool close() noexcept;

private:
    static bool none(Handle handle) { return handle == nullptr || handle == Handle(-1); }

    Handle m_handle = nullptr;
};

} // namespace morvent
