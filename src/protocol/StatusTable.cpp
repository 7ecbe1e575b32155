// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "StatusTable.h"
#include "Wording.h"

#include <algorithm>

namespace morvent {

WordedText refusedByteWording(Block block, std::size_t payloadByte) {
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
    // The name is the controller's own word for the field, shown as it stands.
    return field->quirk == MessageQuirk::NoFullStop
               ? WordedText(QT_TRANSLATE_NOOP("Protocol", "The %1 setting error,Please reset"),
                            {WordedText::literal(name)})
               : WordedText(QT_TRANSLATE_NOOP("Protocol", "The %1 setting error,Please reset."),
                            {WordedText::literal(name)});
}

std::string refusedByteMessage(Block block, std::size_t payloadByte) {
    return refusedByteWording(block, payloadByte).english();
}

StatusOutcome interpretStatus(Block block, std::uint8_t status) {
    const BlockLayout& b = layout(block);
    if (status > b.length) {
        return {StatusKind::NothingShown, {}};
    }
    if (status == b.length) {
        return {StatusKind::Accepted, {}};
    }
    return {StatusKind::FieldRefused,
            Refusal{refusedByteMessage(block, status), fieldAtByte(block, status)->control, b.page,
                    refusedByteWording(block, status)}};
}

} // namespace morvent
