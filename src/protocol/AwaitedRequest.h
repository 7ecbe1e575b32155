// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <cstdint>

namespace morvent {

// What the tool awaits from the controller. A block's read reply and its write acknowledgement
// begin with the same code, so only this tells them apart; a reply nothing awaits is not taken.
// The numbers are fixed: the window's state is compared with them.
enum PendingRequestKind : int {
    NothingAwaited = 0,
    SingleRead = 1,
    SingleWrite = 2,
    FlashReadChain = 3,
    FlashWriteChain = 4,
    // "Compare With Controller": the four blocks read in turn into a copy kept aside.
    ControllerComparison = 5,
};

// What is awaited: its kind (the window's PendingRequest) and the request on its way for it.
struct Awaited {
    PendingRequestKind kind = NothingAwaited;
    // The code of the request that went out for it; 0 while none did (nothing sent yet, or a
    // send that failed), so that no reply can be taken as its answer.
    std::uint8_t code = 0;
};

// A read reply is awaited: a single read, the read chain or the comparison's reads.
constexpr bool awaitsRead(PendingRequestKind awaiting) {
    return awaiting == SingleRead || awaiting == FlashReadChain || awaiting == ControllerComparison;
}
// A write acknowledgement is awaited: a single write or the write chain.
constexpr bool awaitsWrite(PendingRequestKind awaiting) {
    return awaiting == SingleWrite || awaiting == FlashWriteChain;
}
// One of the actions that go through the four blocks in turn.
constexpr bool isChain(PendingRequestKind awaiting) {
    return awaiting == FlashReadChain || awaiting == FlashWriteChain ||
           awaiting == ControllerComparison;
}

} // namespace morvent
