#pragma once

#include "Fields.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace morvent {

// The item lists of the parameter combo boxes. A combo box used by its index travels as the
// position of its item, so these lists are part of the protocol as much as of the window.
// ComboBox3's list is the layout's until an identity reply replaces it (lowBatteryItems).
std::vector<std::string> comboItems(std::string_view control);

// The combo boxes of the four parameter pages, ComboBox3 to ComboBox13.
inline constexpr std::array<std::string_view, 11> kParameterCombos{
    "ComboBox3", "ComboBox4",  "ComboBox5",  "ComboBox6",  "ComboBox7", "ComboBox8",
    "ComboBox9", "ComboBox10", "ComboBox11", "ComboBox12", "ComboBox13"};

// Fills every parameter combo box with its list (selecting nothing).
void fillParameterCombos(Fields& fields);

// The item a combo box with a fixed list stands for: the one its text names, as typed over it,
// or else its selected item; -1 when its text names none and nothing is selected. What a page
// shows is what goes out, so a typed item counts before a selection it was typed over.
int shownItem(const Fields& fields, std::string_view control);

// The choices of "Low Battery Protect(V):" for a nominal voltage class from the identity reply:
// every volt of the class's range, ascending.
std::vector<std::string> lowBatteryItems(std::uint8_t voltageClass);

// The caption "Nominal Voltage: 48V" for a voltage class.
std::string_view nominalVoltageCaption(std::uint8_t voltageClass);

} // namespace morvent
