// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "CommWorker.h"

#include <windows.h>

namespace morvent {

bool CommWorker::stopping() const {
    return ::WaitForSingleObject(m_stopEvent, 0) == WAIT_OBJECT_0;
}

void CommWorker::abandon(void* overlapped) const {
    auto* operation = static_cast<OVERLAPPED*>(overlapped);
    // Purging the port does not end every operation on every driver (a status wait, or a write
    // to a pseudo-terminal under Wine); cancelling does.
    ::CancelIoEx(m_port, operation);
    DWORD moved = 0;
    ::GetOverlappedResult(m_port, operation, &moved, TRUE);
}

} // namespace morvent
