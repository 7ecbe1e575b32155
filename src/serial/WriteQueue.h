// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

namespace morvent {

// What the component has handed its writer thread and the writer has not taken yet: whole
// buffers in the order queued. Once the writer has ended nothing more is taken in, so the
// component learns that nobody would write it.
class WriteQueue {
public:
    // Called from the component's thread; false once the writer has ended.
    bool push(std::vector<std::uint8_t> bytes) {
        const std::lock_guard lock(m_mutex);
        if (m_ended) {
            return false;
        }
        m_queue.push_back(std::move(bytes));
        return true;
    }

    // Called from the writer: the oldest buffer, or false when there is none.
    bool take(std::vector<std::uint8_t>& bytes) {
        const std::lock_guard lock(m_mutex);
        if (m_queue.empty()) {
            return false;
        }
        bytes = std::move(m_queue.front());
        m_queue.pop_front();
        return true;
    }

    // The writer has ended: what is still queued is dropped with it.
    void end() {
        const std::lock_guard lock(m_mutex);
        m_ended = true;
        m_queue.clear();
    }

private:
    std::mutex m_mutex;
    std::deque<std::vector<std::uint8_t>> m_queue;
    bool m_ended = false;
};

} // namespace morvent
