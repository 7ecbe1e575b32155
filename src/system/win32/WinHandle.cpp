// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "WinHandle.h"

#include <windows.h>

namespace morvent {

void WinHandle::reset(Handle handle) noexcept {
    if (m_handle != nullptr) {
        ::CloseHandle(m_handle);
    }
    m_handle = none(handle) ? nullptr : handle;
}

bool WinHandle::close() noexcept {
    const Handle handle = release();
    return handle != nullptr && ::CloseHandle(handle) != 0;
}

} // namespace morvent
