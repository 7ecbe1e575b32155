// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "TComm.h"

#include <cstdint>
#include <vector>

namespace morvent::test {

using Chunks = std::vector<std::vector<std::uint8_t>>;

// Records every event a component raises, in the order they arrive.
struct CommRecorder {
    Chunks chunks;
    std::vector<std::uint32_t> lineErrors;
    std::vector<std::uint32_t> modemEvents;
    int hangups = 0;
    int emptyQueues = 0;

    explicit CommRecorder(TComm& comm) {
        comm.OnReceiveData = [this](TComm*, const std::uint8_t* buffer, std::uint16_t length) {
            chunks.emplace_back(buffer, buffer + length);
        };
        comm.OnReceiveError = [this](TComm*, std::uint32_t mask) { lineErrors.push_back(mask); };
        comm.OnModemStateChange = [this](TComm*, std::uint32_t bits) {
            modemEvents.push_back(bits);
        };
        comm.OnRequestHangup = [this](TComm*) { ++hangups; };
        comm.OnSendDataEmpty = [this](TComm*) { ++emptyQueues; };
    }
};

} // namespace morvent::test
