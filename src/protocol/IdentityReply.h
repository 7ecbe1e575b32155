// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "Fields.h"
#include "Wording.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace morvent {

// What the controller's identity reply (0x51) shows in the "Controller Info" group. The texts
// are the controller's bytes, one character each (Latin-1, held as UTF-8).
struct Identity {
    std::string manufacturer;                 // Label6: "Manufacturer:KLMN"
    std::string model;                        // Label7: "Model:PQRS"
    std::string hardware;                     // Label8: "Harware Ver: V1.0"
    std::string firmware;                     // Label9: "Firmware Ver: V1.2.3.4"
    std::string nominalVoltage;               // Label10: "Nominal Voltage: 48V"
    std::string maxCurrent;                   // Label11: "Max.Current: 25A"
    std::vector<std::string> lowBatteryItems; // the low-battery list's new items
    int maxCurrentAmperes = 0; // the upper bound of "Limited Current(A):" from now on
    // Label6 .. Label11 as they were made, for the window to translate.
    std::vector<WordedText> captions;
};

// Reads the fixed offsets of the reply whatever its length byte says; bytes that did not
// arrive read as 0. The caller tests the reply first (readReplyFlaw).
Identity decodeIdentity(std::span<const std::uint8_t> reply);

// Shows the identity in Label6 .. Label11 and refills ComboBox3, in that order; returns the
// maximum current for the caller to keep.
int applyIdentity(std::span<const std::uint8_t> reply, Fields& fields);

// The firmware text reply (0x50): "Firmware Ver:" and the N characters of the payload, N taken
// from byte 1. It replaces the version the identity reply put into Label9.
std::string firmwareTextCaption(std::span<const std::uint8_t> reply);
WordedText firmwareTextWording(std::span<const std::uint8_t> reply);
void applyFirmwareText(std::span<const std::uint8_t> reply, Fields& fields);

inline constexpr std::string_view kIdentityChecksumMessage =
    QT_TRANSLATE_NOOP("Protocol", "Read The Controller Info CheckSum Error");
// Shown for a firmware text reply with a wrong checksum, which is shown all the same.
inline constexpr std::string_view kFirmwareTextChecksumMessage =
    QT_TRANSLATE_NOOP("Protocol", "Read The Software Version Error");

} // namespace morvent
