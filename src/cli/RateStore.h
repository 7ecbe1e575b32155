// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>

namespace morvent {

// The probe-rate memory's file as each system keeps it (posix/RateStore.cpp,
// win32/RateStore.cpp): in a folder of the user's own, read and replaced only as the user's own
// regular file, never through a link and never waited on, and merged by runs that save at the
// same time under a lock.
class RateStore {
public:
    static constexpr const char* kFileName = "probe-rates";
    static constexpr const char* kLockName = "probe-rates.lock";
    static constexpr const char* kNewName = "probe-rates.new";

    // The folder the file is kept in; empty when the user has none.
    static std::string location();

    // The folder as a directory of the user's own, reached without a link at its end; created
    // first (with its parents, for this user alone) when asked. valid() says whether it is one.
    RateStore(const std::string& folder, bool create);
    ~RateStore();
    RateStore(const RateStore&) = delete;
    RateStore& operator=(const RateStore&) = delete;

    bool valid() const;
    // At most limit bytes of the file, when it is the user's own regular file; else nothing.
    std::string read(std::size_t limit) const;
    // Takes the lock that runs merging their rates hold, waiting for another run at most so
    // long; held until the store goes. False when it could not be had.
    bool lock(std::chrono::milliseconds wait);
    // Whether the file's name names nothing or the user's own regular file: anything else there
    // (a link, a pipe, a device, another user's file) is let be.
    bool mayReplace() const;
    // Writes text aside and renames it over the file, so a run that ends half way leaves whole
    // rates behind; a failure leaves the file as it was.
    void replace(const std::string& text) const;

private:
    struct Handles;
    std::unique_ptr<Handles> m_handles;
};

} // namespace morvent
