#include "IdentityReply.h"

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
    id.manufacturer = "Manufacturer:" + characters(reply, 2, 4);
    id.model = "Model:" + characters(reply, 6, 4);
    id.hardware = "Harware Ver: V" + character(reply, 10) + "." + character(reply, 11);
    id.firmware = "Firmware Ver: V" + character(reply, 12);
    for (std::size_t at = 13; at < 16; ++at) {
        id.firmware += "." + character(reply, at);
    }
    const std::uint8_t voltageClass = replyByte(reply, 16);
    id.nominalVoltage = std::string(nominalVoltageCaption(voltageClass));
    id.lowBatteryItems = lowBatteryItems(voltageClass);
    id.maxCurrentAmperes = replyByte(reply, 17);
    id.maxCurrent = "Max.Current: " + std::to_string(id.maxCurrentAmperes) + "A";
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
    return "Firmware Ver:" + characters(reply, 2, replyByte(reply, 1));
}

void applyFirmwareText(std::span<const std::uint8_t> reply, Fields& fields) {
    fields.setText("Label9", firmwareTextCaption(reply));
}

} // namespace morvent
