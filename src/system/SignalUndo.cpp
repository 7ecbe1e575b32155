// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "SignalUndo.h"
#include "UndoSteps.h"

#include <array>
#include <atomic>
#include <chrono>
#include <memory>
#include <new>
#include <thread>

namespace morvent {

namespace {

enum SlotState : int { Free, Busy, Held };

struct Slot {
    std::atomic<int> state{Free};
    UndoStep step = nullptr;
    const void* data = nullptr;
};

// The room grows a block at a time and never shrinks, so that a step can be registered whatever
// number of ports and files a run holds, and the steps can be walked without a lock: a block,
// once published, stays where it is until the process ends.
constexpr std::size_t kBlockSlots = 64;
constexpr std::size_t kBlocks = 4096;
using Block = std::array<Slot, kBlockSlots>;
std::array<std::atomic<Block*>, kBlocks> g_blocks{};

static_assert(std::atomic<int>::is_always_lock_free, "undo steps need lock-free slots");
static_assert(std::atomic<Block*>::is_always_lock_free, "undo steps need lock-free blocks");

Slot& slotAt(int index) {
    return (*g_blocks[static_cast<std::size_t>(index) / kBlockSlots].load(
        std::memory_order_acquire))[static_cast<std::size_t>(index) % kBlockSlots];
}

void runUndoSteps() {
    for (std::atomic<Block*>& published : g_blocks) {
        Block* block = published.load(std::memory_order_acquire);
        if (!block) {
            break;
        }
        for (Slot& slot : *block) {
            int held = Held;
            // Claimed so that a thread releasing the same slot waits instead of freeing its data.
            if (slot.state.compare_exchange_strong(held, Busy, std::memory_order_acquire)) {
                slot.step(slot.data);
            }
        }
    }
}

// Changes under way, and whether the steps have begun: each side announces itself before it
// looks at the other, so one of them always sees the other.
std::atomic<int> g_changing{0};
std::atomic<bool> g_ending{false};
thread_local int t_guardDepth = 0;

[[noreturn]] void awaitTheEnd() {
    for (;;) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
    }
}

} // namespace

void runUndoStepsOnce() {
    g_ending.store(true);
    while (g_changing.load() > 0) {
        std::this_thread::yield();
    }
    runUndoSteps();
}

SignalUndo::SignalUndo(UndoStep step, const void* data) {
    for (std::size_t b = 0; b < kBlocks; ++b) {
        Block* block = g_blocks[b].load(std::memory_order_acquire);
        if (!block) {
            auto fresh = std::make_unique<Block>();
            if (g_blocks[b].compare_exchange_strong(block, fresh.get(),
                                                    std::memory_order_acq_rel)) {
                block = fresh.release();
            }
        }
        for (std::size_t i = 0; i < kBlockSlots; ++i) {
            Slot& slot = (*block)[i];
            int free = Free;
            if (slot.state.compare_exchange_strong(free, Busy, std::memory_order_acquire)) {
                slot.step = step;
                slot.data = data;
                slot.state.store(Held, std::memory_order_release);
                m_slot = static_cast<int>(b * kBlockSlots + i);
                return;
            }
        }
    }
    throw std::bad_alloc();
}

SignalUndo& SignalUndo::operator=(SignalUndo&& other) noexcept {
    if (this != &other) {
        reset();
        m_slot = other.m_slot;
        other.m_slot = -1;
    }
    return *this;
}

void SignalUndo::reset() {
    if (m_slot < 0) {
        return;
    }
    Slot& slot = slotAt(m_slot);
    int held = Held;
    // The thread running the steps ends the process when it is done; until then the data this
    // very step reads must stay.
    while (!slot.state.compare_exchange_weak(held, Free, std::memory_order_acq_rel)) {
        held = Held;
        std::this_thread::yield();
    }
    m_slot = -1;
}

UndoGuard::UndoGuard() {
    if (t_guardDepth++ > 0) {
        return;
    }
    g_changing.fetch_add(1);
    if (g_ending.load()) {
        g_changing.fetch_sub(1);
        awaitTheEnd();
    }
}

UndoGuard::~UndoGuard() {
    if (--t_guardDepth == 0) {
        g_changing.fetch_sub(1);
    }
}

} // namespace morvent
