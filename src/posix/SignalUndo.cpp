#include "SignalUndo.h"

#include <array>
#include <atomic>
#include <csignal>
#include <thread>

namespace morvent {

namespace {

enum SlotState : int { Free, Busy, Held };

struct Slot {
    std::atomic<int> state{Free};
    UndoStep step = nullptr;
    const void* data = nullptr;
};

// A process holds a few at a time: one per open port and one per file being saved. A step that
// finds no slot is not kept, which costs only the undo on a signal, never the work itself.
std::array<Slot, 64> g_slots;

static_assert(std::atomic<int>::is_always_lock_free, "a signal handler needs lock-free slots");

extern "C" void runUndoSteps(int signal) {
    for (Slot& slot : g_slots) {
        int held = Held;
        // Claimed so that a thread releasing the same slot waits instead of freeing its data.
        if (slot.state.compare_exchange_strong(held, Busy, std::memory_order_acquire)) {
            slot.step(slot.data);
        }
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

SignalUndo::SignalUndo(UndoStep step, const void* data) {
    for (std::size_t i = 0; i < g_slots.size(); ++i) {
        int free = Free;
        if (g_slots[i].state.compare_exchange_strong(free, Busy, std::memory_order_acquire)) {
            g_slots[i].step = step;
            g_slots[i].data = data;
            g_slots[i].state.store(Held, std::memory_order_release);
            m_slot = static_cast<int>(i);
            return;
        }
    }
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
    Slot& slot = g_slots[static_cast<std::size_t>(m_slot)];
    int held = Held;
    // A handler on another thread running this very step ends the process when it is done; until
    // then the data it reads must stay.
    while (!slot.state.compare_exchange_weak(held, Free, std::memory_order_acq_rel)) {
        held = Held;
        std::this_thread::yield();
    }
    m_slot = -1;
}

void installSignalUndo() {
    struct sigaction action {};
    action.sa_handler = runUndoSteps;
    sigemptyset(&action.sa_mask);
    // Each handler runs with the other two held back, so the steps run once.
    for (const int blocked : {SIGINT, SIGTERM, SIGHUP}) {
        sigaddset(&action.sa_mask, blocked);
    }
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        // A signal the program was started to ignore (SIGHUP under nohup, SIGINT in a background
        // job of a shell without job control) must not end it now.
        struct sigaction inherited {};
        if (sigaction(signal, nullptr, &inherited) == 0 && inherited.sa_handler == SIG_IGN) {
            continue;
        }
        sigaction(signal, &action, nullptr);
    }
}

} // namespace morvent
