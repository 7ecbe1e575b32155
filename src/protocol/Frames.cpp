#include "Frames.h"

#include <numeric>

namespace morvent {

std::uint8_t checksum(std::span<const std::uint8_t> bytes) {
    return static_cast<std::uint8_t>(std::accumulate(bytes.begin(), bytes.end(), 0u));
}

Bytes readRequest(Command command) { return {kRequestLead, code(command)}; }

Bytes connectRequest() {
    Bytes frame{kRequestLead, code(Command::Identity), 0x25, 0x80};
    frame.push_back(checksum(std::span(frame).subspan(1)));
    return frame;
}

Bytes writeFrame(Command command, std::span<const std::uint8_t> payload) {
    Bytes frame{kWriteLead, code(command), static_cast<std::uint8_t>(payload.size())};
    frame.insert(frame.end(), payload.begin(), payload.end());
    frame.push_back(checksum(std::span(frame).subspan(1)));
    return frame;
}

Bytes readReply(Command command, std::span<const std::uint8_t> payload) {
    Bytes frame{code(command), static_cast<std::uint8_t>(payload.size())};
    frame.insert(frame.end(), payload.begin(), payload.end());
    frame.push_back(checksum(frame));
    return frame;
}

Bytes writeAcknowledgement(Command command, std::uint8_t status) {
    Bytes frame{code(command), status};
    frame.push_back(checksum(frame));
    return frame;
}

} // namespace morvent
