// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ControllerSession.h"

#include "ArgumentText.h"
#include "ConnectionHelp.h"
#include "ControllerLine.h"
#include "IdentityReply.h"
#include "LineTiming.h"
#include "TrafficDescription.h"

#include <QEventLoop>
#include <QTimer>

#include <thread>
#include <vector>

namespace morvent {

ControllerSession::ControllerSession(const std::string& device, std::chrono::milliseconds timeout,
                                     const LineTiming& timing)
    : ExchangeLine(ReplyEnd::WhenWhole, timing), m_timeout(timeout) {
    m_comm.setCommName(device);
    useControllerLine(m_comm, timing.readInterval);
    m_comm.OnReceiveData = [this](TComm*, const std::uint8_t* buffer, std::uint16_t length) {
        // One event is one reply, as in the window.
        m_chunk = Bytes(buffer, buffer + length);
        if (m_waiting) {
            m_waiting->quit();
        }
    };
    // The device went away (an adapter pulled, the controller's power cut): no reply can come,
    // so waiting out the timeout would only hide why.
    m_comm.OnRequestHangup = [this](TComm*) {
        m_hungUp = true;
        if (m_waiting) {
            m_waiting->quit();
        }
    };
}

void ControllerSession::portLost(const ECommsError& error) const {
    std::string message = error.what();
    // The serial component's texts are kept as they are, a blank at the end of one included;
    // before a full stop it would only look like a typing error.
    while (!message.empty() && message.back() == ' ') {
        message.pop_back();
    }
    const std::string path = TComm::devicePath(m_comm.CommName());
    QString help = openFailureHelp(path, error.systemError());
    if (!help.isEmpty()) {
        // The help names the device as text; a name that is not UTF-8 keeps its bytes, so that
        // it is shown as every other name is.
        help.replace(QString::fromStdString(path), argumentText(path));
        message += ". " + localBytes(help);
    }
    throw SessionError(Outcome::PortUnavailable, message);
}

void ControllerSession::hungUp(const std::string& what) const {
    throw SessionError(Outcome::PortUnavailable,
                       "The line hung up while awaiting the reply to the " + what +
                           ": the adapter was pulled or the controller lost power.");
}

void ControllerSession::reopen() {
    m_comm.CloseComm();
    // Nothing of the closed session is wanted any more, a hang-up included.
    m_comm.discardNotifications();
    try {
        m_comm.OpenComm();
    } catch (const ECommsError& error) {
        portLost(error);
    }
    m_hungUp = false;
}

void ControllerSession::setRate(std::uint32_t baud) {
    try {
        m_comm.setBaudRate(baud);
    } catch (const ECommsError& error) {
        portLost(error);
    }
}

void ControllerSession::expectReply(ReplyWhole whole) {
    m_replyEnding = std::move(whole);
}

void ControllerSession::prepareRequest() {
    if (m_reopenDue) {
        m_reopenDue = false;
        reopen();
    }
}

void ControllerSession::quietUntil(std::chrono::steady_clock::time_point until) {
    std::this_thread::sleep_until(until);
}

bool ControllerSession::send(const Bytes& frame) {
    m_sent = frame;
    if (m_hungUp) {
        hungUp(describeRequest(frame));
    }
    // The reply this request awaits starts now, ended by its own rule, whether or not the port
    // was opened again since the last one: what came before (a late identity from a rate probed
    // earlier) is no part of it.
    if (m_replyEnding) {
        m_comm.startReply(*std::exchange(m_replyEnding, std::nullopt));
    }
    m_chunk.reset();
    if (!m_comm.SendData(frame.data(), static_cast<std::uint16_t>(frame.size()))) {
        throw SessionError(Outcome::PortUnavailable, "Error sending! The port is closed.");
    }
    return true;
}

void ControllerSession::awaitReply(std::uint8_t, PendingRequestKind) {
    m_reply = awaitChunk(m_timeout);
    if (!m_reply && m_hungUp) {
        hungUp(describeRequest(m_sent));
    }
    if (m_reply) {
        m_reopenDue = true;
    }
}

void ControllerSession::listen(std::chrono::milliseconds time) {
    // The window listens one timer interval, but a reply that has begun is let finish.
    m_reply = awaitChunk(time);
}

std::optional<Bytes> ControllerSession::exchange(const Bytes& frame, PendingRequestKind awaiting) {
    request(*this, frame, awaiting);
    return std::exchange(m_reply, std::nullopt);
}

std::optional<Bytes> ControllerSession::awaitChunk(std::chrono::milliseconds timeout) {
    if (!m_chunk && !m_hungUp) {
        QEventLoop loop;
        m_waiting = &loop;
        QTimer::singleShot(timeout, &loop, &QEventLoop::quit);
        loop.exec();
        m_waiting = nullptr;
    }
    return std::exchange(m_chunk, std::nullopt);
}

void ControllerSession::noReply(const std::string& what) const {
    throw SessionError(Outcome::NoReply, "No reply from the controller to the " + what +
                                             " within " + std::to_string(m_timeout.count()) +
                                             " ms.");
}

Bytes ControllerSession::connect(const std::function<void(std::uint32_t)>& probing,
                                 std::optional<std::uint32_t> first) {
    const std::vector<std::uint32_t> order = probeOrder(first);
    m_comm.setReplyComplete(replyEnding(replyEnd(), Command::Identity, SingleRead));
    m_comm.setBaudRate(order.front());
    try {
        m_comm.OpenCommAlone();
    } catch (const ECommsError& error) {
        portLost(error);
    }
    for (const std::uint32_t rate : order) {
        if (probing) {
            probing(rate);
        }
        setRate(rate);
        probe(*this);
        auto chunk = std::exchange(m_reply, std::nullopt);
        if (!chunk && m_hungUp) {
            hungUp(describeRequest(connectRequest()));
        }
        if (!chunk) {
            continue;
        }
        if (chunk->empty() || (*chunk)[0] != code(Command::Identity)) {
            continue;
        }
        // Only a bad checksum is the checksum error; a reply of the wrong length says so.
        if (const ReplyFlaw flaw = readReplyFlaw(Command::Identity, *chunk);
            flaw == ReplyFlaw::Checksum) {
            throw SessionError(Outcome::NoReply, std::string(kIdentityChecksumMessage));
        } else if (flaw != ReplyFlaw::None) {
            throw SessionError(Outcome::NoReply, "Unexpected reply to the " +
                                                     describeRequest(connectRequest()) + ": " +
                                                     describeReply(*chunk, SingleRead) + " (" +
                                                     hexBytes(*chunk) + ").");
        }
        m_reopenDue = true;
        m_answeredRate = rate;
        return *chunk;
    }
    std::string rates;
    for (const std::uint32_t rate : kProbeRates) {
        rates += (rates.empty() ? "" : ", ") + std::to_string(rate);
    }
    throw SessionError(Outcome::NoReply,
                       "No controller answered the connect request at any rate (" + rates +
                           " baud).");
}

Bytes ControllerSession::answer(const Bytes& frame, PendingRequestKind awaiting,
                                std::optional<Bytes> reply) const {
    if (!reply) {
        noReply(describeRequest(frame));
    }
    // Read as a single request's would be: what the request is part of changes nothing of that.
    const PendingRequestKind single = awaitsWrite(awaiting) ? SingleWrite : SingleRead;
    if (replyFlaw(static_cast<Command>(frame.at(1)), single, *reply) != ReplyFlaw::None) {
        throw SessionError(Outcome::NoReply,
                           std::string(single == SingleWrite ? "Unexpected answer to the "
                                                             : "Unexpected reply to the ") +
                               describeRequest(frame) + ": " + describeReply(*reply, single) +
                               " (" + hexBytes(*reply) + ").");
    }
    return std::move(*reply);
}

Bytes ControllerSession::read(Command command) {
    const Bytes frame = readRequest(command);
    return answer(frame, SingleRead, exchange(frame, SingleRead));
}

namespace {

// The session as the cycle's hands: its frames go out through the exchange, each reply kept for
// the cycle; the pages' part is the caller's.
class SessionHands : public RequestCycle::Hands {
public:
    using Exchange = std::function<std::optional<Bytes>(const Bytes&, const Awaited&)>;
    SessionHands(Exchange exchange, RequestCycle::Hands& pages)
        : m_exchange(std::move(exchange)), m_pages(pages) {}
    std::optional<Bytes> reply;

    bool send(const Bytes& frame, const Awaited& awaiting) override {
        // The pages are told of each frame as it goes out, as the step that sent it, so that a
        // front end can say which block is under way.
        const std::uint8_t sentCode = frame.at(1);
        m_pages.carryOut(awaitsWrite(awaiting.kind)
                             ? Step{.kind = Step::Kind::SendWrite,
                                    .code = sentCode,
                                    .block = blockForCode(sentCode).value_or(Block::Basic)}
                             : Step{.kind = Step::Kind::SendRead, .code = sentCode});
        reply = m_exchange(frame, awaiting);
        return true;
    }
    std::optional<ChainRefusal> prepareWrite(Block block, bool chain) override {
        return m_pages.prepareWrite(block, chain);
    }
    WriteFrame writeFrame(Block block) override { return m_pages.writeFrame(block); }
    void carryOut(const Step& step) override {
        // The session reopens the port itself, within the quiet before its next request.
        if (step.kind != Step::Kind::Reopen) {
            m_pages.carryOut(step);
        }
    }

private:
    Exchange m_exchange;
    RequestCycle::Hands& m_pages;
};

} // namespace

void ControllerSession::run(RequestCycle& cycle, Steps steps, RequestCycle::Hands& pages) {
    SessionHands hands(
        [this](const Bytes& frame, const Awaited& awaiting) {
            return std::optional<Bytes>(
                answer(frame, awaiting.kind, exchange(frame, awaiting.kind)));
        },
        pages);
    while (!steps.empty()) {
        hands.reply.reset();
        cycle.run(steps, hands);
        if (!hands.reply) {
            break;
        }
        m_taken = std::move(*hands.reply);
        steps = cycle.onReply(m_taken);
    }
}

} // namespace morvent
