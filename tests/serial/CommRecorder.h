#pragma once

#include "TComm.h"

#include <QTest>

#include <cstdint>
#include <vector>

namespace morvent::test {

// Records every event a component raises, in the order they arrive.
struct CommRecorder {
    std::vector<std::vector<std::uint8_t>> chunks;
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

    std::vector<std::uint8_t> received() const {
        std::vector<std::uint8_t> all;
        for (const auto& chunk : chunks) {
            all.insert(all.end(), chunk.begin(), chunk.end());
        }
        return all;
    }
};

// Runs the event loop until `done` holds or the time is up; true if it held. The limit only
// keeps a broken build from hanging: nothing here measures time.
template <typename Predicate> bool waitFor(Predicate done, int timeoutMs = 5000) {
    return QTest::qWaitFor(done, timeoutMs);
}

// Runs the event loop for a while, for checks that something does not happen.
inline void settle(int ms) {
    QTest::qWait(ms);
}

inline std::vector<std::uint8_t> pattern(std::size_t size, std::uint8_t seed = 0) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(seed + i * 7 + i / 251);
    }
    return bytes;
}

} // namespace morvent::test
