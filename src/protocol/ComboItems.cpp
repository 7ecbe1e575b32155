#include "ComboItems.h"

#include <algorithm>

namespace morvent {

namespace {

std::vector<std::string> numbers(int first, int last, std::string_view suffix = {}) {
    std::vector<std::string> items;
    for (int v = first; v <= last; ++v) {
        items.push_back(std::to_string(v) + std::string(suffix));
    }
    return items;
}

std::vector<std::string> after(std::string_view first, std::vector<std::string> rest) {
    rest.insert(rest.begin(), std::string(first));
    return rest;
}

struct VoltageClass {
    std::string_view caption;
    int lowest;
    int highest;
};

// Codes 5 and above all mean the widest class.
constexpr std::array<VoltageClass, 6> kVoltageClasses{{
    {"Nominal Voltage: 24V", 18, 22},
    {"Nominal Voltage: 36V", 28, 32},
    {"Nominal Voltage: 48V", 38, 43},
    {"Nominal Voltage: 60V", 48, 55},
    {"Nominal Voltage: 24-48V", 18, 43},
    {"Nominal Voltage: 24-60V", 18, 55},
}};

const VoltageClass& voltageClassOf(std::uint8_t code) {
    return kVoltageClasses[std::min<std::size_t>(code, kVoltageClasses.size() - 1)];
}

constexpr std::string_view kDisplayCommand = "By Display's Command";

} // namespace

std::vector<std::string> comboItems(std::string_view control) {
    if (control == "ComboBox3") {
        return lowBatteryItems(0);
    }
    if (control == "ComboBox4") {
        // "700C" sits between 27 and 28 inch, at index 12.
        std::vector<std::string> items = numbers(16, 27);
        items.emplace_back("700C");
        const auto big = numbers(28, 30);
        items.insert(items.end(), big.begin(), big.end());
        return items;
    }
    if (control == "ComboBox5") {
        return {"External,Wheel Meter", "Internal,Motor Meter", "By Motor Phase"};
    }
    if (control == "ComboBox6") {
        return {"None", "DH-Sensor-12", "BB-Sensor-32", "DoubleSignal-24"};
    }
    if (control == "ComboBox7" || control == "ComboBox12") {
        return after(kDisplayCommand, numbers(0, 9));
    }
    if (control == "ComboBox8" || control == "ComboBox13") {
        return after(kDisplayCommand, numbers(15, 40, "Km/H"));
    }
    if (control == "ComboBox9") {
        return numbers(1, 8);
    }
    if (control == "ComboBox10") {
        return after("Undeterminated", numbers(10, 80));
    }
    if (control == "ComboBox11") {
        return {"Speed", "Current"};
    }
    return {};
}

void fillParameterCombos(Fields& fields) {
    for (const std::string_view control : kParameterCombos) {
        fields.setItems(control, comboItems(control));
    }
}

int shownItem(const Fields& fields, std::string_view control) {
    const std::vector<std::string> items = comboItems(control);
    const auto named = std::find(items.begin(), items.end(), fields.text(control));
    return named != items.end() ? static_cast<int>(named - items.begin())
                                : fields.selectedIndex(control);
}

std::vector<std::string> lowBatteryItems(std::uint8_t voltageClass) {
    const VoltageClass& c = voltageClassOf(voltageClass);
    return numbers(c.lowest, c.highest);
}

std::string_view nominalVoltageCaption(std::uint8_t voltageClass) {
    return voltageClassOf(voltageClass).caption;
}

} // namespace morvent
