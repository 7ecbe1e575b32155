// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "SessionSlots.h"

namespace morvent {

SessionSlots::Slot::Slot(SessionSlots& owner) : m_slots(owner) {
    std::unique_lock lock(m_slots.m_mutex);
    m_slots.m_freed.wait(lock, [this] { return m_slots.m_free > 0; });
    --m_slots.m_free;
}

SessionSlots::Slot::~Slot() {
    {
        const std::lock_guard lock(m_slots.m_mutex);
        ++m_slots.m_free;
    }
    m_slots.m_freed.notify_one();
}

} // namespace morvent
