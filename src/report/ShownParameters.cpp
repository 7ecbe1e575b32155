#include "ShownParameters.h"

#include "EditNames.h"
#include "ParameterDefinitions.h"

#include <array>

namespace morvent {

namespace {

// The captions the pages show beside their controls; their units come from the parameter table.
std::vector<ShownParameter> buildShown() {
    std::vector<ShownParameter> shown;
    const auto add = [&shown](Block block, const std::string& section, const std::string& label,
                              const std::string& column, const std::string& control) {
        const ParameterDefinition* definition = parameterDefinition(control);
        shown.push_back(
            {block, section, label, column, definition ? definition->unit : "", control});
    };
    const auto row = [&add](Block block, const std::string& label, const std::string& control) {
        add(block, "", label, "", control);
    };

    using enum Block;
    row(Basic, "Low Battery Protect(V)", "ComboBox3");
    row(Basic, "Limited Current(A)", "Edit1");
    for (int level = 0; level < 10; ++level) {
        const std::string assist = "Assit" + std::to_string(level);
        add(Basic, "Assist levels", assist, "Limit Current(%)", editName(2 + level));
        add(Basic, "Assist levels", assist, "Limit Spd(%)", editName(12 + level));
    }
    row(Basic, "Wheel Diameler(Inch)", "ComboBox4");
    row(Basic, "Speed Meter Model", "ComboBox5");
    row(Basic, "SpdMeter Signal", "Edit22");

    row(PedalAssist, "Pedal Type", "ComboBox6");
    row(PedalAssist, "Disignated Assist", "ComboBox7");
    row(PedalAssist, "Speed Limited", "ComboBox8");
    row(PedalAssist, "Start Current(%)", "Edit23");
    row(PedalAssist, "Slow-Start Mode(1-8)", "ComboBox9");
    row(PedalAssist, "Startup Dgree(Signal No.)", "Edit24");
    row(PedalAssist, "Work Mode(Angular Speed of pedal/wheel*10)", "ComboBox10");
    row(PedalAssist, "Time of stop(x10ms)", "Edit25");
    row(PedalAssist, "Current Decay(1-8)", "Edit26");
    row(PedalAssist, "Stop Decay(x10ms)", "Edit27");
    row(PedalAssist, "Keep Current(%)", "Edit31");

    row(ThrottleHandle, "Start Voltage(x100mv)", "Edit28");
    row(ThrottleHandle, "End Voltage(x100mV)", "Edit29");
    row(ThrottleHandle, "Mode", "ComboBox11");
    row(ThrottleHandle, "Designated Assist", "ComboBox12");
    row(ThrottleHandle, "Speed Limited", "ComboBox13");
    row(ThrottleHandle, "Start Current(%)", "Edit30");

    row(Torque, "Base Voltage", "Edit32");
    row(Torque, "Error Voltage: Min", "Edit33");
    row(Torque, "Error Voltage: Max", "Edit34");
    // The bands by weight; the page sets them in two columns, lighter on the left.
    const std::array<std::pair<const char*, int>, 8> bands{{{"0 - 5 Kg", 35},
                                                            {"5 - 10 Kg", 39},
                                                            {"10 - 15 Kg", 36},
                                                            {"15 - 20 Kg", 40},
                                                            {"20 - 30 Kg", 37},
                                                            {"30 - 40 Kg", 41},
                                                            {"40 - 50 Kg", 38},
                                                            {"50 - 60 Kg", 42}}};
    for (const auto& [band, edit] : bands) {
        row(Torque, std::string("Delta Voltage: ") + band, editName(edit));
    }
    row(Torque, "0 Speed Boost Time", "Edit43");
    const std::array<const char*, 8> quantities{"Start(Kg)",  "Full(Kg)",    "Return(Kg)",
                                                "MinCur(%)",  "MaxCur(%)",   "KeepCur(%)",
                                                "CurDecy",    "StarDegree"};
    for (std::size_t r = 0; r < quantities.size(); ++r) {
        for (int c = 0; c < 6; ++c) {
            add(Torque, "Torque map", quantities[r], "Spd" + std::to_string(20 * c),
                editName(44 + 6 * static_cast<int>(r) + c));
        }
    }
    return shown;
}

} // namespace

const std::vector<ShownParameter>& shownParameters() {
    static const std::vector<ShownParameter> shown = buildShown();
    return shown;
}

std::string fullLabel(const ShownParameter& parameter) {
    return parameter.column.empty()          ? parameter.label
           : parameter.section == "Torque map" ? parameter.label + " " + parameter.column
                                               : parameter.column + " " + parameter.label;
}

std::string shownValue(const Fields& fields, const std::string& control) {
    return fields.text(control);
}

} // namespace morvent
