// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "StatusTable.h"
#include "Wording.h"

#include <algorithm>

namespace morvent {

std::string refusedByteMessage(Block block, std::size_t payloadByte) {
    const FieldLayout* field = fieldAtByte(block, payloadByte);
    if (field == nullptr) {
        return {};
    }
    std::string name = field->name;
    if (field->width == 2) {
        // The controller names the high and the low byte of a 16-bit value apart.
        const char half = payloadByte == field->index ? 'H' : 'L';
        name.insert(std::min(name.find(' '), name.size()), 1, half);
    }
    if (field->quirk == MessageQuirk::BlankBeforeSetting) {
        name += ' ';
    }
    return field->quirk == MessageQuirk::NoFullStop
               ? fill(QT_TRANSLATE_NOOP("Protocol", "The %1 setting error,Please reset"), {name})
               : fill(QT_TRANSLATE_NOOP("Protocol", "The %1 setting error,Please reset."), {name});
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
