// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "RequestParser.h"

#include "BlockRules.h"

#include <algorithm>

namespace morvent {

namespace {

enum class Verdict { NeedMore, Noise, Frame };

struct Examination {
    Verdict verdict;
    std::size_t length = 0;
};

bool isReadCode(std::uint8_t code) {
    return code == ::morvent::code(Command::FirmwareText) ||
           (code >= ::morvent::code(Command::Basic) &&
            code <= ::morvent::code(Command::LiveReadings));
}

Examination examineConnect(std::span<const std::uint8_t> bytes) {
    static const Bytes expected = connectRequest();
    const std::size_t seen = std::min(bytes.size(), expected.size());
    if (!std::equal(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(seen),
                    expected.begin())) {
        return {Verdict::Noise};
    }
    return seen < expected.size() ? Examination{Verdict::NeedMore}
                                  : Examination{Verdict::Frame, expected.size()};
}

Examination examineWrite(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 2) {
        return {Verdict::NeedMore};
    }
    const auto length = parameterBlockLength(static_cast<Command>(bytes[1]));
    if (!length) {
        return {Verdict::Noise};
    }
    if (bytes.size() < 3) {
        return {Verdict::NeedMore};
    }
    if (bytes[2] != *length) {
        return {Verdict::Noise};
    }
    const std::size_t frameLength = *length + 4;
    if (bytes.size() < frameLength) {
        return {Verdict::NeedMore};
    }
    if (checksum(bytes.subspan(1, *length + 2)) != bytes[frameLength - 1]) {
        return {Verdict::Noise};
    }
    return {Verdict::Frame, frameLength};
}

Examination examine(std::span<const std::uint8_t> bytes) {
    if (bytes[0] == kWriteLead) {
        return examineWrite(bytes);
    }
    if (bytes[0] != kRequestLead) {
        return {Verdict::Noise};
    }
    if (bytes.size() < 2) {
        return {Verdict::NeedMore};
    }
    if (bytes[1] == code(Command::Identity)) {
        return examineConnect(bytes);
    }
    return isReadCode(bytes[1]) ? Examination{Verdict::Frame, 2} : Examination{Verdict::Noise};
}

ControllerRequest toRequest(std::span<const std::uint8_t> frame) {
    ControllerRequest request;
    request.raw.assign(frame.begin(), frame.end());
    request.command = static_cast<Command>(frame[1]);
    if (frame[0] == kWriteLead) {
        request.kind = ControllerRequest::Kind::Write;
        request.payload.assign(frame.begin() + 3, frame.end() - 1);
    } else if (request.command == Command::Identity) {
        request.kind = ControllerRequest::Kind::Connect;
    }
    return request;
}

} // namespace

std::vector<ControllerRequest> RequestParser::feed(std::span<const std::uint8_t> bytes) {
    m_pending.insert(m_pending.end(), bytes.begin(), bytes.end());
    std::vector<ControllerRequest> requests;
    std::size_t position = 0;
    while (position < m_pending.size()) {
        const auto rest = std::span(m_pending).subspan(position);
        const Examination found = examine(rest);
        if (found.verdict == Verdict::NeedMore) {
            break;
        }
        if (found.verdict == Verdict::Noise) {
            ++position;
            ++m_discarded;
            continue;
        }
        requests.push_back(toRequest(rest.first(found.length)));
        position += found.length;
    }
    m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<std::ptrdiff_t>(position));
    return requests;
}

} // namespace morvent
