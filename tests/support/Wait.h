// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QTest>

#include <functional>

namespace morvent::test {

// Runs the event loop until `done` holds or the time is up; whether it came to hold. The limit
// is generous: it only ends a test that would otherwise hang.
inline bool waitFor(const std::function<bool()>& done, int timeoutMs = 10000) {
    return QTest::qWaitFor(done, timeoutMs);
}

} // namespace morvent::test
