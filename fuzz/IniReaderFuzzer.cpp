// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// Any bytes as a parameter file: reading never fails, the text comes back byte for byte, and an
// edit changes the value it names and no other.

#include "FuzzCheck.h"
#include "IniDocument.h"
#include "NumberConversion.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using namespace morvent;

namespace {

// Names of the file and short ones a mutation finds easily.
constexpr std::array<std::string_view, 5> kSections{"Basic", "Pedal Assist", "Throttle Handle",
                                                    "Torque", "a"};
constexpr std::array<std::string_view, 5> kKeys{"LC", "DA", "SDS100", "a", "B"};

using Values = std::vector<std::optional<std::string>>;

Values probe(const IniDocument& document) {
    Values values;
    for (const std::string_view section : kSections) {
        for (const std::string_view key : kKeys) {
            values.push_back(document.value(section, key));
            if (values.back()) {
                // What the loader does with every value it finds.
                (void)parseInteger(*values.back());
            }
        }
    }
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    IniDocument document(text);
    FUZZ_CHECK(document.text() == text);
    FUZZ_CHECK(document.lineEnd() == "\r\n" || document.lineEnd() == "\n");

    const std::array<std::pair<std::size_t, std::size_t>, 3> edits{
        {{0, 0}, {4, 3}, {3, 2}}}; // Basic/LC, a/a, Torque/SDS100
    for (const auto& [s, k] : edits) {
        const Values before = probe(document);
        document.setValue(kSections[s], kKeys[k], "-123");
        const Values after = probe(document);
        const std::size_t edited = s * kKeys.size() + k;
        for (std::size_t i = 0; i < after.size(); ++i) {
            FUZZ_CHECK(i == edited ? after[i] == "-123" : after[i] == before[i]);
        }
        // What is written reads back as what was set.
        FUZZ_CHECK(probe(IniDocument(document.text())) == after);
    }
    return 0;
}
