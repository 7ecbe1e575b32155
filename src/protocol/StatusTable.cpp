#include "StatusTable.h"

#include <algorithm>

namespace morvent {

std::string refusedByteMessage(Block block, std::size_t payloadByte) {
    const FieldSpec* spec = fieldAtByte(block, payloadByte);
    if (spec == nullptr) {
        return {};
    }
    std::string name = spec->name;
    if (spec->width == 2) {
        // The controller names the high and the low byte of a 16-bit value apart.
        const char half = payloadByte == spec->index ? 'H' : 'L';
        name.insert(std::min(name.find(' '), name.size()), 1, half);
    }
    if (spec->quirk == MessageQuirk::BlankBeforeSetting) {
        name += ' ';
    }
    std::string message = "The " + name + " setting error,Please reset";
    if (spec->quirk != MessageQuirk::NoFullStop) {
        message += '.';
    }
    return message;
}

StatusOutcome interpretStatus(Block block, std::uint8_t status) {
    const BlockLayout& b = layout(block);
    if (status > b.length) {
        return {StatusKind::NothingShown, {}};
    }
    if (status == b.length) {
        return {StatusKind::Accepted, {}};
    }
    return {StatusKind::FieldRefused, Refusal{refusedByteMessage(block, status),
                                              fieldAtByte(block, status)->control, b.page}};
}

} // namespace morvent
