// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "SerialSystem.h"

#include <windows.h>

#include <system_error>

namespace morvent {

namespace {

bool startWorker(std::thread& thread, std::function<void()> body, const char*) {
    // Names for threads (SetThreadDescription) came with Windows 10; the program still runs on
    // systems without them, so the workers stay unnamed here.
    try {
        thread = std::thread(std::move(body));
    } catch (const std::system_error& error) {
        ::SetLastError(static_cast<DWORD>(error.code().value()));
        return false;
    }
    return true;
}

} // namespace

const SerialSystem& SerialSystem::real() {
    static const SerialSystem system{
        [](const wchar_t* path) -> Handle {
            return ::CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED, nullptr);
        },
        [](bool manualReset, bool signalled) -> Handle {
            return ::CreateEventW(nullptr, manualReset, signalled, nullptr);
        },
        startWorker,
    };
    return system;
}

} // namespace morvent
