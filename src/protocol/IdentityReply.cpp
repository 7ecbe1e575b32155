// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "IdentityReply.h"
#include "Wording.h"

#include "Frames.h"
#include "Latin1.h"
#include "ParameterTable.h"

#include <array>

namespace morvent {

namespace {

// The reply's bytes from offset `first` on, one character each.
std::string characters(std::span<const std::uint8_t> reply, std::size_t first, std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = replyByte(reply, first + i);
    }
    return latin1ToUtf8(bytes);
}

std::string character(std::span<const std::uint8_t> reply, std::size_t at) {
    return characters(reply, at, 1);
}

} // namespace

Identity decodeIdentity(std::span<const std::uint8_t> reply) {
    Identity id;
    // The controller's own characters and numbers are shown as they stand.
    const auto literal = [](std::string text) { return WordedText::literal(std::move(text)); };
    std::string version = character(reply, 12);
    for (std::size_t at = 13; at < 16; ++at) {
        version += "." + character(reply, at);
    }
    const std::uint8_t voltageClass = replyByte(reply, 16);
    id.maxCurrentAmperes = replyByte(reply, 17);
    id.captions = {
        WordedText(QT_TRANSLATE_NOOP("Protocol", "Manufacturer:%1"),
                   {literal(characters(reply, 2, 4))}),
        WordedText(QT_TRANSLATE_NOOP("Protocol", "Model:%1"), {literal(characters(reply, 6, 4))}),
        WordedText(QT_TRANSLATE_NOOP("Protocol", "Harware Ver: V%1.%2"),
                   {literal(character(reply, 10)), literal(character(reply, 11))}),
        WordedText(QT_TRANSLATE_NOOP("Protocol", "Firmware Ver: V%1"), {literal(version)}),
        WordedText(std::string(nominalVoltageCaption(voltageClass))),
        WordedText(QT_TRANSLATE_NOOP("Protocol", "Max.Current: %1A"),
                   {literal(std::to_string(id.maxCurrentAmperes))}),
    };
    id.manufacturer = id.captions[0].english();
    id.model = id.captions[1].english();
    id.hardware = id.captions[2].english();
    id.firmware = id.captions[3].english();
    id.nominalVoltage = id.captions[4].english();
    id.lowBatteryItems = lowBatteryItems(voltageClass);
    id.maxCurrent = id.captions[5].english();
    return id;
}

int applyIdentity(std::span<const std::uint8_t> reply, Fields& fields) {
    const Identity id = decodeIdentity(reply);
    for (std::size_t n = 0; n < id.captions.size(); ++n) {
        if (n == 5) {
            fields.setItems(voltageClassParameter().control, id.lowBatteryItems);
        }
        fields.setWording("Label" + std::to_string(6 + n), id.captions[n]);
    }
    return id.maxCurrentAmperes;
}

WordedText firmwareTextWording(std::span<const std::uint8_t> reply) {
    return WordedText(QT_TRANSLATE_NOOP("Protocol", "Firmware Ver:%1"),
                      {WordedText::literal(characters(reply, 2, replyByte(reply, 1)))});
}

std::string firmwareTextCaption(std::span<const std::uint8_t> reply) {
    return firmwareTextWording(reply).english();
}

void applyFirmwareText(std::span<const std::uint8_t> reply, Fields& fields) {
    fields.setWording("Label9", firmwareTextWording(reply));
}

} // namespace morvent
