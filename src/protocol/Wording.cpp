// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Wording.h"

#include <array>

namespace morvent {

std::string fill(std::string_view wording, std::initializer_list<std::string_view> arguments) {
    std::string text;
    for (std::size_t i = 0; i < wording.size(); ++i) {
        const char c = wording[i];
        if (c == '%' && i + 1 < wording.size() && wording[i + 1] >= '1' &&
            static_cast<std::size_t>(wording[i + 1] - '1') < arguments.size()) {
            text += *(arguments.begin() + (wording[i + 1] - '1'));
            ++i;
        } else {
            text += c;
        }
    }
    return text;
}

std::span<const char* const> wordingTemplates() {
    // Longer templates first: "one of the list: %1" is tried before "%1 to %2".
    static constexpr std::array<const char*, 54> kTemplates{
        QT_TRANSLATE_NOOP("Protocol",
                          "700C, or a size from %1 to %2, chosen from the list or typed"),
        QT_TRANSLATE_NOOP("Protocol",
                          "%1, and not above the controller's maximum current (Max.Current)"),
        QT_TRANSLATE_NOOP("Protocol", "The %1 is out of range,Please input again."),
        QT_TRANSLATE_NOOP("Protocol", "%1 (Write Flash sends up to %2)"),
        // The parameter files' messages.
        QT_TRANSLATE_NOOP("Protocol",
                          "Unable to read %1. At more than 1 MiB it is not a parameter file"),
        QT_TRANSLATE_NOOP("Protocol",
                          "%1 is not a parameter file: it is UTF-16 or binary, not 8-bit text"),
        QT_TRANSLATE_NOOP("Protocol", "%1 is not a parameter file: it has none of the sections %2"),
        QT_TRANSLATE_NOOP("Protocol", "%1=%2 on line %3 is no item of its list (0 to %4)"),
        QT_TRANSLATE_NOOP("Protocol", "%1=%2 on line %3 is not a whole number"),
        QT_TRANSLATE_NOOP("Protocol", "%1 is missing from %2 on line %3"),
        QT_TRANSLATE_NOOP("Protocol", "%1 is missing, and %2 with it"),
        QT_TRANSLATE_NOOP("Protocol", "Unable to write to %1: it is a symbolic link to %2, which "
                                      "does not exist"),
        QT_TRANSLATE_NOOP("Protocol", "Unable to write to %1: it is not a parameter file: it is "
                                      "UTF-16 or binary, not 8-bit text"),
        QT_TRANSLATE_NOOP("Protocol",
                          "Unable to write to %1. At more than 1 MiB it is not a parameter file"),
        QT_TRANSLATE_NOOP("Protocol", "Unable to write to %1 (what it held is kept in %2)"),
        QT_TRANSLATE_NOOP("Protocol", "Unable to write to %1: %2, so nothing was changed"),
        QT_TRANSLATE_NOOP("Protocol", "Unable to write to %1: %2"),
        QT_TRANSLATE_NOOP("Protocol", "Unable to write to %1"),
        QT_TRANSLATE_NOOP("Protocol", "Unable to read %1"),
        QT_TRANSLATE_NOOP("Protocol", "%1 is missing"),
        // The traffic log's lines.
        QT_TRANSLATE_NOOP("Protocol", "%1 write refused at byte %2 (%3)"),
        QT_TRANSLATE_NOOP("Protocol", "%1 reply, not awaited: ignored"),
        QT_TRANSLATE_NOOP("Protocol", "%1 write: unknown status %2"),
        QT_TRANSLATE_NOOP("Protocol", "%1: checksum error"),
        QT_TRANSLATE_NOOP("Protocol", "%1: wrong length"),
        QT_TRANSLATE_NOOP("Protocol", "%1 write accepted"),
        QT_TRANSLATE_NOOP("Protocol", "%1 read request"),
        QT_TRANSLATE_NOOP("Protocol", "%1: cut short"),
        QT_TRANSLATE_NOOP("Protocol", "%1 reply"),
        QT_TRANSLATE_NOOP("Protocol", "%1 write"),
        QT_TRANSLATE_NOOP("Protocol", "The %1 setting error,Please reset."),
        QT_TRANSLATE_NOOP("Protocol", "The %1 setting error,Please reset"),
        QT_TRANSLATE_NOOP("Protocol", "Parameter file key: %1 in [%2]"),
        QT_TRANSLATE_NOOP("Protocol", "Current limit at assist level %1"),
        QT_TRANSLATE_NOOP("Protocol", "%1, chosen from the list or typed"),
        QT_TRANSLATE_NOOP("Protocol", "Speed limit at assist level %1"),
        QT_TRANSLATE_NOOP("Protocol", "Delta voltage of the %1 Kg band"),
        QT_TRANSLATE_NOOP("Protocol", "'%1' is not a valid integer value"),
        QT_TRANSLATE_NOOP("Protocol", "%1 at speed point Spd%2"),
        QT_TRANSLATE_NOOP("Protocol", "Harware Ver: V%1.%2"),
        QT_TRANSLATE_NOOP("Protocol", "one of the list: %1"),
        QT_TRANSLATE_NOOP("Protocol", "Firmware Ver: V%1"),
        QT_TRANSLATE_NOOP("Protocol", "Max.Current: %1A"),
        QT_TRANSLATE_NOOP("Protocol", "Manufacturer:%1"),
        QT_TRANSLATE_NOOP("Protocol", "Firmware Ver:%1"),
        QT_TRANSLATE_NOOP("Protocol", "Accepted: %1"),
        QT_TRANSLATE_NOOP("Protocol", "Model:%1"),
        QT_TRANSLATE_NOOP("Protocol", "Unit: %1"),
        QT_TRANSLATE_NOOP("Protocol", "%1 to %2"),
        QT_TRANSLATE_NOOP("Protocol", "Assit%1:"),
        QT_TRANSLATE_NOOP("Protocol", "%1 Kg:"),
        QT_TRANSLATE_NOOP("Protocol", "%1; %2"),
        QT_TRANSLATE_NOOP("Protocol", "Spd%1"),
        QT_TRANSLATE_NOOP("Protocol", "%1."),
    };
    return kTemplates;
}

} // namespace morvent
