// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "LiveReadingsReply.h"

#include "BlockCodec.h"
#include "NumberConversion.h"

#include <cstdio>
#include <ctime>

namespace morvent {

const std::vector<FieldLayout>& liveReadingFields() {
    static const std::vector<FieldLayout> fields = [] {
        std::vector<FieldLayout> definitions;
        for (const LiveReading& reading : kLiveReadings) {
            FieldLayout f;
            f.index = reading.index;
            f.width = reading.width;
            f.control = std::string(reading.control);
            f.name = std::string(reading.name);
            definitions.push_back(std::move(f));
        }
        return definitions;
    }();
    return fields;
}

void applyLiveReadings(std::span<const std::uint8_t> reply, Fields& fields) {
    applyReplyFields(liveReadingFields(), reply, fields);
}

LiveReadingValues liveReadingsShown(const Fields& fields) {
    LiveReadingValues values{};
    for (std::size_t n = 0; n < kLiveReadingCount; ++n) {
        values[n] = parseInteger(fields.text(kLiveReadings[n].control)).value_or(0);
    }
    return values;
}

std::string liveReadingHeading(const LiveReading& reading) {
    std::string heading(reading.name);
    if (!reading.unit.empty()) {
        heading += '(' + std::string(reading.unit) + ')';
    }
    return heading;
}

std::string liveReadingsCsvHeader() {
    std::string line = "time";
    for (const LiveReading& reading : kLiveReadings) {
        line += ',' + liveReadingHeading(reading);
    }
    return line + '\n';
}

std::string liveReadingsCsvLine(std::chrono::system_clock::time_point time,
                                const LiveReadingValues& values) {
    std::string line = localTimeText(time);
    for (const int value : values) {
        line += ',' + std::to_string(value);
    }
    return line + '\n';
}

std::string localTimeText(std::chrono::system_clock::time_point time) {
    const auto whole = std::chrono::floor<std::chrono::seconds>(time);
    const auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(time - whole);
    const std::time_t seconds = std::chrono::system_clock::to_time_t(whole);
    std::tm local{};
#ifdef _WIN32
    ::localtime_s(&local, &seconds);
#else
    ::localtime_r(&seconds, &local);
#endif
    char text[64];
    const std::size_t date = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    std::snprintf(text + date, sizeof text - date, ".%03d", static_cast<int>(millis.count()));
    return text;
}

} // namespace morvent
