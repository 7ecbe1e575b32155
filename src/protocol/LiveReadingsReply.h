// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "BlockLayout.h"
#include "Fields.h"
#include "Wording.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace morvent {

// One of the torque sensor's five live readings (reply 0x56): where it sits in the payload, the
// read-only field of the "About Tq" group that shows it, and its name and unit as the field's
// caption gives them ("LevelHTime(ms):"; two readings have no unit).
struct LiveReading {
    std::size_t index;
    std::size_t width; // 1, or 2 for a 16-bit value (high byte first)
    std::string_view control;
    std::string_view name;
    std::string_view unit;
};

inline constexpr std::size_t kLiveReadingCount = 5;

// The readings' fields follow one another from Edit92, in the table's order.
inline constexpr int kFirstLiveReadingEdit = 92;

// In the order of the fields, Edit92 to Edit96: the order of the plot's lines and of the CSV
// columns.
inline constexpr std::array<LiveReading, kLiveReadingCount> kLiveReadings{{
    {0, 2, "Edit92", QT_TRANSLATE_NOOP("Protocol", "SpeedSignalACC"), ""},
    {2, 1, "Edit93", QT_TRANSLATE_NOOP("Protocol", "SpeedSigLevel"), ""},
    {3, 2, "Edit94", QT_TRANSLATE_NOOP("Protocol", "LevelHTime"), "ms"},
    {5, 2, "Edit95", QT_TRANSLATE_NOOP("Protocol", "LevelLTime"), "ms"},
    {7, 2, "Edit96", QT_TRANSLATE_NOOP("Protocol", "TqVoltate"), "mV"},
}};

using LiveReadingValues = std::array<int, kLiveReadingCount>;

// The five readings as block fields, for the reply decoder.
const std::vector<FieldLayout>& liveReadingFields();

// Fills Edit92 .. Edit96 from the reply's fixed offsets whatever its length byte says; bytes
// that did not arrive read as 0. The caller tests the reply first (readReplyFlaw).
void applyLiveReadings(std::span<const std::uint8_t> reply, Fields& fields);

// The readings as the fields show them; a field that holds no number counts as 0.
LiveReadingValues liveReadingsShown(const Fields& fields);

// The name with its unit in brackets, as the caption and the CSV header write it:
// "LevelHTime(ms)", QT_TRANSLATE_NOOP("Protocol", "SpeedSignalACC").
std::string liveReadingHeading(const LiveReading& reading);

// A recording of live readings, whoever makes it (the plot window or the command-line tool): a
// header line, then one line per reading with its local time (ISO 8601 with milliseconds) and
// the five values. Lines end in '\n'.
std::string liveReadingsCsvHeader();
std::string liveReadingsCsvLine(std::chrono::system_clock::time_point time,
                                const LiveReadingValues& values);
// The local time as the recording writes it: "2024-05-01T14:03:22.007".
std::string localTimeText(std::chrono::system_clock::time_point time);

inline constexpr std::string_view kLiveReadingsChecksumMessage =
    QT_TRANSLATE_NOOP("Protocol", "Read The Tq Info CheckSum Error");

} // namespace morvent
