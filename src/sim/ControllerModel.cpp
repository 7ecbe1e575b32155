// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ControllerModel.h"

#include "BlockRules.h"

#include <algorithm>
#include <stdexcept>

namespace morvent {

namespace {

// The identity checksum's second form sits this far below the plain sum.
constexpr std::uint8_t kLoweredChecksumOffset = 14;

std::size_t requireBlockLength(Command block) {
    const auto length = parameterBlockLength(block);
    if (!length) {
        throw std::invalid_argument("not a parameter block");
    }
    return *length;
}

void requireCommand(Command command) {
    if (!isCommandCodeKnown(code(command))) {
        throw std::invalid_argument("not a command code");
    }
}

} // namespace

bool isListenRate(unsigned baud) {
    return std::find(kListenRates.begin(), kListenRates.end(), baud) != kListenRates.end();
}

bool isCommandCodeKnown(std::uint8_t value) {
    return value >= code(Command::FirmwareText) && value <= code(Command::LiveReadings);
}

ControllerModel::ControllerModel(std::uint32_t seed)
    : m_liveReadings(seed), m_identity(factoryIdentity()), m_firmwareText(factoryFirmwareText()) {
    for (Command block : kParameterBlockCodes) {
        m_images[block] = factoryImage(block);
    }
}

std::vector<ControllerReply> ControllerModel::feed(std::span<const std::uint8_t> bytes,
                                                   unsigned lineBaud) {
    m_bytesReceived += bytes.size();
    if (lineBaud != m_lastLineBaud) {
        m_parser.reset();
        m_lastLineBaud = lineBaud;
    }
    // At a speed the controller does not listen at, its UART makes noise of the bytes. The log
    // still records the frames as the tool sent them, so a test can follow the probing.
    const bool garbled = lineBaud != kReplyBaud && lineBaud != m_listenBaud;
    if (garbled) {
        m_bytesGarbled += bytes.size();
    }
    std::vector<ControllerReply> replies;
    for (ControllerRequest& request : m_parser.feed(bytes)) {
        const bool understood = !garbled && understands(request, lineBaud);
        ++m_requestCounts[request.command];
        if (m_requestLog.size() == kRequestLogCapacity) {
            m_requestLog.pop_front();
        }
        m_requestLog.push_back({request, lineBaud, understood});
        if (!understood) {
            continue;
        }
        if (auto reply = sendOut(request.command, answer(request))) {
            replies.push_back(std::move(*reply));
        }
    }
    return replies;
}

bool ControllerModel::understands(const ControllerRequest& request, unsigned lineBaud) const {
    return lineBaud ==
           (request.kind == ControllerRequest::Kind::Connect ? m_listenBaud : kReplyBaud);
}

Bytes ControllerModel::answer(const ControllerRequest& request) {
    if (request.kind != ControllerRequest::Kind::Write &&
        m_emptiedCodes.contains(request.command)) {
        return readReply(request.command, {});
    }
    switch (request.kind) {
    case ControllerRequest::Kind::Connect: {
        Bytes reply = readReply(m_identityCode, m_identity);
        if (m_identityChecksumLowered) {
            reply.back() = static_cast<std::uint8_t>(reply.back() - kLoweredChecksumOffset);
        }
        return reply;
    }
    case ControllerRequest::Kind::Write:
        return acknowledgeWrite(request);
    case ControllerRequest::Kind::Read:
        break;
    }
    switch (request.command) {
    case Command::FirmwareText:
        return readReply(Command::FirmwareText,
                         Bytes(m_firmwareText.begin(), m_firmwareText.end()));
    case Command::LiveReadings:
        return readReply(Command::LiveReadings, m_liveReadings.next());
    default:
        return readReply(request.command, m_images.at(request.command));
    }
}

Bytes ControllerModel::acknowledgeWrite(const ControllerRequest& request) {
    const auto rules = acceptanceRules(request.command, ratingsFromIdentity(m_identity));
    std::size_t status = firstRejectedByte(rules, request.payload);
    if (const auto refused = m_refused.find(request.command); refused != m_refused.end()) {
        if (!refused->second.empty()) {
            status = std::min(status, *refused->second.begin());
        }
    }
    if (status == request.payload.size()) {
        m_images[request.command] = request.payload;
    }
    return writeAcknowledgement(request.command, static_cast<std::uint8_t>(status));
}

std::optional<ControllerReply> ControllerModel::sendOut(Command command, Bytes bytes) {
    if (m_dropAll || m_droppedCodes.contains(command)) {
        return std::nullopt;
    }
    if (m_dropNext > 0) {
        --m_dropNext;
        return std::nullopt;
    }
    if (m_corruptNext || m_corrupted.contains(command)) {
        m_corruptNext = false;
        // One more than right is neither the plain sum nor the lowered form.
        bytes.back() = static_cast<std::uint8_t>(bytes.back() + 1);
    }
    ControllerReply reply{command, std::move(bytes), m_delay};
    if (const auto split = m_splits.find(command); split != m_splits.end()) {
        if (split->second.offset < reply.bytes.size()) {
            reply.splitAt = split->second.offset;
            reply.splitPause = split->second.pause;
        }
    }
    return reply;
}

Bytes ControllerModel::image(Command block) const {
    requireBlockLength(block);
    return m_images.at(block);
}

void ControllerModel::setImage(Command block, Bytes payload) {
    if (payload.size() != requireBlockLength(block)) {
        throw std::invalid_argument("wrong length for the block");
    }
    m_images[block] = std::move(payload);
}

void ControllerModel::setIdentity(Bytes identity) {
    if (identity.size() != kIdentityLength) {
        throw std::invalid_argument("an identity has 16 bytes");
    }
    m_identity = std::move(identity);
}

void ControllerModel::setFirmwareText(std::string text) {
    if (text.size() > 255) {
        throw std::invalid_argument("the firmware text has at most 255 characters");
    }
    m_firmwareText = std::move(text);
}

void ControllerModel::setListenBaud(unsigned baud) {
    if (!isListenRate(baud)) {
        throw std::invalid_argument("not a rate the tool probes");
    }
    m_listenBaud = baud;
}

void ControllerModel::refuseByte(Command block, std::size_t index) {
    if (index >= requireBlockLength(block)) {
        throw std::invalid_argument("byte index beyond the block");
    }
    m_refused[block].insert(index);
}

void ControllerModel::setChecksumCorrupted(Command code, bool corrupted) {
    requireCommand(code);
    if (corrupted) {
        m_corrupted.insert(code);
    } else {
        m_corrupted.erase(code);
    }
}

void ControllerModel::setReplyDelay(std::chrono::milliseconds delay) {
    if (delay.count() < 0) {
        throw std::invalid_argument("negative delay");
    }
    m_delay = delay;
}

void ControllerModel::setSplit(Command code, std::size_t offset,
                               std::optional<std::chrono::milliseconds> pause) {
    requireCommand(code);
    const std::chrono::milliseconds gap =
        pause.value_or(m_toolReadInterval + std::chrono::milliseconds(100));
    if (offset == 0 || gap.count() < 0) {
        throw std::invalid_argument("a split needs an offset above 0 and a pause of 0 or more");
    }
    m_splits[code] = Split{offset, gap};
}

void ControllerModel::clearSplit(Command code) {
    m_splits.erase(code);
}

std::size_t ControllerModel::requestCount(Command command) const {
    const auto found = m_requestCounts.find(command);
    return found == m_requestCounts.end() ? 0 : found->second;
}

std::vector<ReceivedRequest> ControllerModel::receivedRequests() const {
    return {m_requestLog.begin(), m_requestLog.end()};
}

} // namespace morvent
