// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "EndingRequests.h"

#include "EndingSignals.h"

namespace morvent {

struct EndingRequests::Watch {
    EndingSignals signals;
};

EndingRequests::EndingRequests() : m_watch(std::make_unique<Watch>()) {}

EndingRequests::~EndingRequests() = default;

int EndingRequests::fd() const {
    return m_watch->signals.fd();
}

void EndingRequests::take() {
    m_watch->signals.take();
}

bool EndingRequests::comeAsWindowMessages() {
    return false;
}

bool EndingRequests::endsNow(const char*, const void*) {
    return false;
}

} // namespace morvent
