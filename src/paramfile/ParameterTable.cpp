#include "ParameterTable.h"

#include <array>

namespace morvent {

namespace {

std::vector<ParameterRow> buildRows() {
    using enum ParameterKind;
    std::vector<ParameterRow> rows{
        // ComboBox3 travels by its text: its list follows the controller's voltage class, so a
        // position would mean another voltage on another controller.
        {kBasicSection, "LBP", "ComboBox3", Number},
        {kBasicSection, "LC", "Edit1", Number},
    };
    // Limit current per assist level (edit2 .. Edit11), then limit speed (Edit12 .. Edit21).
    for (int level = 0; level < 10; ++level) {
        rows.push_back({kBasicSection, "ALC" + std::to_string(level),
                        level == 0 ? "edit2" : "Edit" + std::to_string(2 + level), Number});
    }
    for (int level = 0; level < 10; ++level) {
        rows.push_back({kBasicSection, "ALBP" + std::to_string(level),
                        "Edit" + std::to_string(12 + level), Number});
    }

    const std::vector<ParameterRow> named{
        {kBasicSection, "WD", "ComboBox4", SelectedIndex},
        {kBasicSection, "SMM", "ComboBox5", SelectedIndex},
        {kBasicSection, "SMS", "Edit22", Number},

        {kPedalAssistSection, "PT", "ComboBox6", SelectedIndex},
        {kPedalAssistSection, "DA", "ComboBox7", SelectedIndex},
        {kPedalAssistSection, "SL", "ComboBox8", SelectedIndex},
        {kPedalAssistSection, "SSM", "ComboBox9", SelectedIndex},
        {kPedalAssistSection, "WM", "ComboBox10", SelectedIndex},
        {kPedalAssistSection, "SC", "Edit23", Number},
        {kPedalAssistSection, "SDN", "Edit24", Number},
        {kPedalAssistSection, "TS", "Edit25", Number},
        {kPedalAssistSection, "CD", "Edit26", Number},
        {kPedalAssistSection, "SD", "Edit27", Number},
        {kPedalAssistSection, "KC", "Edit31", Number},

        {kThrottleHandleSection, "SV", "Edit28", Number},
        {kThrottleHandleSection, "EV", "Edit29", Number},
        {kThrottleHandleSection, "MODE", "ComboBox11", SelectedIndex},
        {kThrottleHandleSection, "DA", "ComboBox12", SelectedIndex},
        {kThrottleHandleSection, "SL", "ComboBox13", SelectedIndex},
        {kThrottleHandleSection, "SC", "Edit30", Number},

        {kTorqueSection, "BV", "Edit32", Number},
        {kTorqueSection, "EV0", "Edit33", Number},
        {kTorqueSection, "EV1", "Edit34", Number},
    };
    rows.insert(rows.end(), named.begin(), named.end());

    // The delta voltages by band as the page lists them: its left column, then its right.
    for (int band = 0; band < 8; ++band) {
        rows.push_back({kTorqueSection, "DV" + std::to_string(band),
                        "Edit" + std::to_string(35 + band), Number});
    }
    rows.push_back({kTorqueSection, "SBT", "Edit43", Number});

    // The calibration grid, a quantity at a time and within it from the lowest speed point up:
    // the page's row r and column c is Edit 44 + 6r + c.
    static constexpr std::array<std::string_view, 8> kQuantities{"SS",  "FS", "RS", "MIS",
                                                                 "MAS", "KS", "CS", "SDS"};
    static constexpr std::array<int, 6> kSpeeds{0, 20, 40, 60, 80, 100};
    for (std::size_t r = 0; r < kQuantities.size(); ++r) {
        for (std::size_t c = 0; c < kSpeeds.size(); ++c) {
            rows.push_back({kTorqueSection,
                            std::string(kQuantities[r]) + std::to_string(kSpeeds[c]),
                            "Edit" + std::to_string(44 + 6 * r + c), Number});
        }
    }
    return rows;
}

} // namespace

const std::vector<ParameterRow>& parameterRows() {
    static const std::vector<ParameterRow> rows = buildRows();
    return rows;
}

} // namespace morvent
