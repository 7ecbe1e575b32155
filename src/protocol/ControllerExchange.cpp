// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ControllerExchange.h"

#include "LineTiming.h"

#include <algorithm>

namespace morvent {

ReplyWhole replyEnding(ReplyEnd end, Command command, PendingRequestKind awaiting) {
    if (end == ReplyEnd::AfterSilence) {
        return {};
    }
    if (awaitsWrite(awaiting)) {
        return [command](std::span<const std::uint8_t> received) {
            return acknowledgementComplete(command, received);
        };
    }
    return [command](std::span<const std::uint8_t> received) {
        return readReplyComplete(command, received);
    };
}

ReplyWhole replyEnding(ReplyEnd end, const Awaited& awaited) {
    if (awaited.code == 0) {
        return {};
    }
    return replyEnding(end, static_cast<Command>(awaited.code), awaited.kind);
}

ReplyFlaw replyFlaw(Command command, PendingRequestKind awaiting,
                    std::span<const std::uint8_t> reply) {
    return awaitsWrite(awaiting) ? acknowledgementFlaw(command, reply)
                                 : readReplyFlaw(command, reply);
}

std::vector<std::uint32_t> probeOrder(std::optional<std::uint32_t> first) {
    std::vector<std::uint32_t> order;
    if (first && std::find(kProbeRates.begin(), kProbeRates.end(), *first) != kProbeRates.end()) {
        order.push_back(*first);
    }
    for (const std::uint32_t rate : kProbeRates) {
        if (order.empty() || rate != order.front()) {
            order.push_back(rate);
        }
    }
    return order;
}

std::size_t nextProbeIndex(std::size_t index) {
    return (index + 1) % kProbeRates.size();
}

bool probe(ExchangeLine& line) {
    const LineTiming& timing = line.timing();
    line.quietUntil(std::chrono::steady_clock::now() + timing.connectPause);
    if (!line.send(connectRequest())) {
        return false;
    }
    line.quietUntil(std::chrono::steady_clock::now() + timing.connectPause);
    line.setRate(kLineRate);
    line.listen(timing.probeListen);
    return true;
}

bool request(ExchangeLine& line, const Bytes& frame, PendingRequestKind awaiting) {
    // Every frame's second byte is its command's code.
    const std::uint8_t code = frame.at(1);
    // What ends the reply belongs to the request it answers, told to the line before the frame
    // goes out; the command-line tool's reader takes it up as the frame goes out, so that
    // nothing received before counts into the reply.
    line.expectReply(replyEnding(line.replyEnd(), Awaited{awaiting, code}));
    // The line is quiet while it is prepared, so that time counts towards the pause.
    const auto sendAt = std::chrono::steady_clock::now() + line.timing().requestPause;
    line.prepareRequest();
    line.quietUntil(sendAt);
    if (!line.send(frame)) {
        return false;
    }
    line.awaitReply(code, awaiting);
    return true;
}

} // namespace morvent
