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
    id.manufacturer =
        fill(QT_TRANSLATE_NOOP("Protocol", "Manufacturer:%1"), {characters(reply, 2, 4)});
    id.model = fill(QT_TRANSLATE_NOOP("Protocol", "Model:%1"), {characters(reply, 6, 4)});
    id.hardware = fill(QT_TRANSLATE_NOOP("Protocol", "Harware Ver: V%1.%2"),
                       {character(reply, 10), character(reply, 11)});
    std::string version = character(reply, 12);
    for (std::size_t at = 13; at < 16; ++at) {
        version += "." + character(reply, at);
    }
    id.firmware = fill(QT_TRANSLATE_NOOP("Protocol", "Firmware Ver: V%1"), {version});
    const std::uint8_t voltageClass = replyByte(reply, 16);
    id.nominalVoltage = std::string(nominalVoltageCaption(voltageClass));
    id.lowBatteryItems = lowBatteryItems(voltageClass);
    id.maxCurrentAmperes = replyByte(reply, 17);
    id.maxCurrent = fill(QT_TRANSLATE_NOOP("Protocol", "Max.Current: %1A"),
                         {std::to_string(id.maxCurrentAmperes)});
    return id;
}

int applyIdentity(std::span<const std::uint8_t> reply, Fields& fields) {
    const Identity id = decodeIdentity(reply);
    fields.setText("Label6", id.manufacturer);
    fields.setText("Label7", id.model);
    fields.setText("Label8", id.hardware);
    fields.setText("Label9", id.firmware);
    fields.setText("Label10", id.nominalVoltage);
    fields.setItems(voltageClassParameter().control, id.lowBatteryItems);
    fields.setText("Label11", id.maxCurrent);
    return id.maxCurrentAmperes;
}

std::string firmwareTextCaption(std::span<const std::uint8_t> reply) {
    return fill(QT_TRANSLATE_NOOP("Protocol", "Firmware Ver:%1"),
                {characters(reply, 2, replyByte(reply, 1))});
}

void applyFirmwareText(std::span<const std::uint8_t> reply, Fields& fields) {
    fields.setText("Label9", firmwareTextCaption(reply));
}

} // namespace morvent
