#include "ParameterDefinitions.h"

#include "BlockCodec.h"
#include "ComboItems.h"
#include "EditNames.h"

#include <algorithm>
#include <array>
#include <limits>

namespace morvent {

namespace {

constexpr std::int64_t kNoLowerBound = std::numeric_limits<std::int64_t>::min();

std::string number(int n) {
    return std::to_string(n);
}

std::vector<ParameterDefinition> buildDefinitions() {
    using enum ParameterKind;
    const std::string times10ms = "\u00d710 ms";
    const std::string times100mV = "\u00d7100 mV";
    std::vector<ParameterDefinition> definitions{
        // ComboBox3 travels and is kept by its text: its list follows the controller's voltage
        // class, so a position would mean another voltage on another controller.
        {Block::Basic, "LBP", "ComboBox3", Number,
         "Low battery protection: the battery voltage at which the controller cuts off; the "
         "list offers the voltages of the connected controller's class",
         "V", std::nullopt},
        {Block::Basic, "LC", "Edit1", Number,
         "Limited current: the controller's overall current limit", "A",
         RangeCheck{kNoLowerBound, 0, "Limited Current", true}},
    };
    // Limit current per assist level (edit2 .. Edit11), then limit speed (Edit12 .. Edit21).
    for (int level = 0; level < 10; ++level) {
        definitions.push_back({Block::Basic, "ALC" + number(level), editName(2 + level), Number,
                               "Current limit at assist level " + number(level), "%",
                               std::nullopt});
    }
    for (int level = 0; level < 10; ++level) {
        definitions.push_back({Block::Basic, "ALBP" + number(level), editName(12 + level), Number,
                               "Speed limit at assist level " + number(level), "%", std::nullopt});
    }

    const std::vector<ParameterDefinition> named{
        {Block::Basic, "WD", "ComboBox4", SelectedIndex, "Wheel diameter", "inch", std::nullopt},
        {Block::Basic, "SMM", "ComboBox5", SelectedIndex,
         "Speed meter model: where the speed signal comes from", "", std::nullopt},
        {Block::Basic, "SMS", "Edit22", Number, "Speed meter signals", "",
         RangeCheck{1, 36, "SpdMeter Signal"}},

        {Block::PedalAssist, "PT", "ComboBox6", SelectedIndex, "Pedal sensor type", "",
         std::nullopt},
        {Block::PedalAssist, "DA", "ComboBox7", SelectedIndex,
         "Assist level under pedal assist: a fixed level, or the display's choice", "",
         std::nullopt},
        {Block::PedalAssist, "SL", "ComboBox8", SelectedIndex,
         "Speed limit under pedal assist, or the display's choice", "km/h", std::nullopt},
        {Block::PedalAssist, "SSM", "ComboBox9", SelectedIndex, "Slow-start mode", "",
         std::nullopt},
        {Block::PedalAssist, "WM", "ComboBox10", SelectedIndex,
         "Work mode: the angular speed of pedal to wheel", "\u00d710", std::nullopt},
        {Block::PedalAssist, "SC", "Edit23", Number, "Start current under pedal assist", "%",
         RangeCheck{1, 100, "Start Current"}},
        {Block::PedalAssist, "SDN", "Edit24", Number,
         "Startup degree: the pedal sensor signals before the motor starts", "signals",
         RangeCheck{1, 20, "Startup Dgree"}},
        {Block::PedalAssist, "TS", "Edit25", Number, "Time of stop", times10ms,
         RangeCheck{0, 255, "Time of stop"}},
        {Block::PedalAssist, "CD", "Edit26", Number, "Current decay", "",
         RangeCheck{1, 8, "Current Decay"}},
        {Block::PedalAssist, "SD", "Edit27", Number, "Stop decay", times10ms,
         RangeCheck{0, 255, "Stop Decay"}},
        {Block::PedalAssist, "KC", "Edit31", Number, "Keep current", "%",
         RangeCheck{1, 100, "Keep Current"}},

        {Block::ThrottleHandle, "SV", "Edit28", Number,
         "Start voltage: the throttle voltage at which the motor starts", times100mV,
         RangeCheck{0, 50, "Start Voltage"}},
        {Block::ThrottleHandle, "EV", "Edit29", Number,
         "End voltage: the throttle voltage of full command", times100mV,
         RangeCheck{0, 50, "End Voltage"}},
        {Block::ThrottleHandle, "MODE", "ComboBox11", SelectedIndex,
         "What the throttle commands: speed or current", "", std::nullopt},
        {Block::ThrottleHandle, "DA", "ComboBox12", SelectedIndex,
         "Assist level under the throttle: a fixed level, or the display's choice", "",
         std::nullopt},
        {Block::ThrottleHandle, "SL", "ComboBox13", SelectedIndex,
         "Speed limit under the throttle, or the display's choice", "km/h", std::nullopt},
        {Block::ThrottleHandle, "SC", "Edit30", Number, "Start current under the throttle", "%",
         RangeCheck{1, 100, "Start Current"}},

        // The two blanks of "The BaseVoltage of  is out of range" are the tool's message as it
        // has always read.
        {Block::Torque, "BV", "Edit32", Number, "Base voltage of the torque sensor", "mV",
         RangeCheck{0, 5000, "BaseVoltage of ", false, true}},
        {Block::Torque, "EV0", "Edit33", Number, "Error voltage, minimum", "mV",
         RangeCheck{0, 5000, "ErrorVoltage of Min", false, true}},
        {Block::Torque, "EV1", "Edit34", Number, "Error voltage, maximum", "mV", std::nullopt},
    };
    definitions.insert(definitions.end(), named.begin(), named.end());

    // The delta voltages by band as the page lists them: its left column, then its right.
    static constexpr std::array<std::string_view, 8> kBands{
        "0 - 5", "10 - 15", "20 - 30", "40 - 50", "5 - 10", "15 - 20", "30 - 40", "50 - 60"};
    for (int band = 0; band < std::ssize(kBands); ++band) {
        const std::string weights(kBands[static_cast<std::size_t>(band)]);
        definitions.push_back({Block::Torque, "DV" + number(band), editName(35 + band), Number,
                               "Delta voltage of the " + weights + " Kg band", "mV", std::nullopt});
    }
    definitions.push_back({Block::Torque, "SBT", "Edit43", Number, "Boost time at zero speed",
                           times10ms, std::nullopt});

    // The calibration grid, a quantity at a time and within it from the lowest speed point up.
    struct Quantity {
        std::string_view prefix;
        std::string_view meaning;
        std::string_view unit;
    };
    static constexpr std::array<Quantity, kTorqueGridRows> kQuantities{{
        {"SS", "Start weight", "Kg"},
        {"FS", "Full weight", "Kg"},
        {"RS", "Return weight", "Kg"},
        {"MIS", "Minimum current", "%"},
        {"MAS", "Maximum current", "%"},
        {"KS", "Keep current", "%"},
        {"CS", "Current decay", ""},
        {"SDS", "Start degree", ""},
    }};
    static constexpr std::array<int, kTorqueGridColumns> kSpeeds{0, 20, 40, 60, 80, 100};
    for (int r = 0; r < kTorqueGridRows; ++r) {
        const Quantity& quantity = kQuantities[static_cast<std::size_t>(r)];
        for (int c = 0; c < kTorqueGridColumns; ++c) {
            const std::string speed = number(kSpeeds[static_cast<std::size_t>(c)]);
            definitions.push_back({Block::Torque, std::string(quantity.prefix) + speed,
                                   editName(torqueGridEdit(r, c)), Number,
                                   std::string(quantity.meaning) + " at speed point Spd" + speed,
                                   std::string(quantity.unit), std::nullopt});
        }
    }
    return definitions;
}

// The wire field a control feeds: its own, or the one it shares as a partner.
const FieldLayout* wireField(const ParameterDefinition& definition) {
    for (const FieldLayout& field : layout(definition.block).fields) {
        if (field.control == definition.control || field.partner == definition.control) {
            return &field;
        }
    }
    return nullptr;
}

// A long list is a run of numbers, after a choice of its own where it has one.
std::string listed(const std::vector<std::string>& items) {
    if (items.empty()) {
        return {};
    }
    std::string text;
    if (items.size() <= 4) {
        for (const std::string& item : items) {
            text += (text.empty() ? "" : "; ") + item;
        }
        return text;
    }
    const bool special = items.front().empty() || items.front()[0] < '0' || items.front()[0] > '9';
    if (special) {
        text = items.front() + "; ";
    }
    return text + items[special ? 1 : 0] + " to " + items.back();
}

std::string accepted(const ParameterDefinition& definition) {
    const FieldLayout* field = wireField(definition);
    if (!field) {
        return {};
    }
    if (field->encoding == Encoding::ComboIndex || field->partner == definition.control) {
        return "one of the list: " + listed(comboItems(definition.control));
    }
    const auto range = typedRange(*field);
    if (!range) {
        return {};
    }
    if (field->encoding == Encoding::WheelSize) {
        return "700C, or a size from " + std::to_string(range->lowest) + " to " +
               std::to_string(range->highest) + ", chosen from the list or typed";
    }
    std::int64_t lowest = range->lowest;
    std::int64_t highest = range->highest;
    if (definition.check) {
        lowest = std::max(lowest, definition.check->lowest);
        if (!definition.check->upToMaxCurrent) {
            highest = std::min(highest, definition.check->highest);
        }
    }
    std::string text = std::to_string(lowest) + " to " + std::to_string(highest);
    if (definition.check && definition.check->pageWriteOnly) {
        text += " (Write Flash sends up to " + std::to_string(range->highest) + ")";
    }
    if (definition.check && definition.check->upToMaxCurrent) {
        text += ", and not above the controller's maximum current (Max.Current)";
    }
    if (definition.control.starts_with("ComboBox")) {
        text += ", chosen from the list or typed";
    }
    return text;
}

} // namespace

const std::vector<ParameterDefinition>& parameterDefinitions() {
    static const std::vector<ParameterDefinition> definitions = buildDefinitions();
    return definitions;
}

const ParameterDefinition* parameterDefinition(std::string_view control) {
    const auto& definitions = parameterDefinitions();
    const auto it = std::find_if(
        definitions.begin(), definitions.end(),
        [&](const ParameterDefinition& definition) { return definition.control == control; });
    return it == definitions.end() ? nullptr : &*it;
}

std::string parameterHelp(std::string_view control) {
    const ParameterDefinition* definition = parameterDefinition(control);
    if (!definition) {
        return {};
    }
    std::string help = definition->meaning + ".";
    if (!definition->unit.empty()) {
        help += "\nUnit: " + definition->unit;
    }
    help += "\nAccepted: " + accepted(*definition);
    help += "\nParameter file key: " + definition->key + " in [" +
            std::string(definition->section()) + "]";
    return help;
}

} // namespace morvent
