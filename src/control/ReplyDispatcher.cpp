// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ReplyDispatcher.h"

#include "BlockCodec.h"
#include "BlockRequests.h"
#include "ChangeMarks.h"
#include "IdentityReply.h"
#include "Latin1.h"
#include "LiveReadingsMonitor.h"
#include "LiveReadingsReply.h"
#include "ParameterModel.h"
#include "StatusReporter.h"
#include "WindowLine.h"

#include <algorithm>
#include <array>
#include <utility>

namespace morvent {

namespace {

// A reply is never longer than 74 bytes; a chunk is cut to this before anything looks at it.
constexpr std::size_t kReplyBufferSize = 291;

} // namespace

ReplyDispatcher::ReplyDispatcher(RequestCycle& cycle, BlockRequests& requests, WindowLine& line,
                                 Fields& fields, ParameterModel& model, StatusReporter& status,
                                 ChangeMarks& changes, LiveReadingsMonitor& liveReadings)
    : m_cycle(cycle), m_requests(requests), m_line(line), m_fields(fields), m_model(model),
      m_status(status), m_changes(changes), m_liveReadings(liveReadings) {}

void ReplyDispatcher::dispatch(const std::uint8_t* buffer, std::uint16_t length) {
    // A private copy per event, zero beyond what arrived; a longer chunk is cut, and one event is
    // one reply: nothing is carried over to the next.
    std::array<std::uint8_t, kReplyBufferSize> reply{};
    const std::size_t received = std::min<std::size_t>(length, reply.size());
    std::copy_n(buffer, received, reply.begin());
    // Only what arrived is looked at: a reply shorter than its code's is refused, never read on
    // into the zeros after it.
    const std::span<const std::uint8_t> bytes(reply.data(), received);
    // A box shown on the way runs the event loop, where the next reply may come and be taken;
    // this one is back when it is done, also after an error.
    struct Taking {
        std::span<const std::uint8_t>& current;
        std::span<const std::uint8_t> previous;
        ~Taking() { current = previous; }
    } taking{m_reply, std::exchange(m_reply, bytes)};
    m_cycle.run(m_cycle.onReply(bytes), *this);
}

bool ReplyDispatcher::send(const Bytes& frame, const Awaited& awaiting) {
    return m_requests.send(frame, awaiting);
}

std::optional<ChainRefusal> ReplyDispatcher::prepareWrite(Block block, bool chain) {
    return m_requests.prepareWrite(block, chain);
}

WriteFrame ReplyDispatcher::writeFrame(Block block) {
    return m_requests.writeFrame(block);
}

void ReplyDispatcher::carryOut(const Step& step) {
    switch (step.kind) {
    case Step::Kind::Reopen:
        m_line.reopen();
        break;
    case Step::Kind::StopProbing:
        emit identityArrived();
        break;
    case Step::Kind::IdentityFlawed:
        m_status.setConnectionState(tr("Probing stopped: identity checksum error"));
        break;
    case Step::Kind::ShowIdentity:
        applyIdentity(m_reply, m_fields);
        break;
    case Step::Kind::Identified:
        emit identified(latin1ToUtf8(m_reply.subspan(2, 4)), latin1ToUtf8(m_reply.subspan(6, 4)));
        break;
    case Step::Kind::ShowFirmwareText:
        applyFirmwareText(m_reply, m_fields);
        break;
    case Step::Kind::ReadIntoPages:
        applyReadReply(step.block, m_reply, m_fields);
        m_model.learn(step.block);
        emit blockReadIntoPages(step.block);
        break;
    case Step::Kind::ReadIntoCopy:
        // What the controller holds is known now: the pages' differences are their changes.
        applyReadReply(step.block, m_reply, m_cycle.controllerCopy());
        m_model.learnFrom(step.block, m_cycle.controllerCopy());
        break;
    case Step::Kind::ComparisonDone: {
        const int changes = m_changes.count();
        m_status.setActivity(
            changes == 0 ? tr("No field differs from the controller")
                         : tr("Compare With Controller: %n changes not written", nullptr, changes));
        break;
    }
    case Step::Kind::LearnWritten:
        m_model.learn(step.block, m_cycle.sent(step.block));
        break;
    case Step::Kind::ShowReadings:
        applyLiveReadings(m_reply, m_fields);
        m_liveReadings.add(liveReadingsShown(m_fields));
        break;
    case Step::Kind::KeepBackup:
        emit keepBackup();
        break;
    default:
        m_requests.carryOut(step);
        break;
    }
}

} // namespace morvent
