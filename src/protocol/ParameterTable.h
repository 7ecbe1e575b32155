// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "Fields.h"
#include "Wording.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvent {

// The four parameter blocks, in the order Write Flash stores them and Read Flash fetches them.
enum class Block : std::uint8_t { Basic, PedalAssist, ThrottleHandle, Torque };

inline constexpr std::array<Block, 4> kAllBlocks{Block::Basic, Block::PedalAssist,
                                                 Block::ThrottleHandle, Block::Torque};

// The page's tab caption, which also names the block's section in parameter files.
std::string_view blockTitle(Block block);

// How a field's controls turn into its payload bytes and back.
enum class Encoding : std::uint8_t {
    // The control's text as a whole number, one byte or two (high byte first). The only kind a
    // controller reply can fill with any value.
    Number,
    // The position of the item the combo box shows (shownItem: the one its text names, else
    // the one selected) plus an offset; where index 0 means "leave it to the display" (or
    // "Undeterminated"), that index travels as 0xFF instead.
    ComboIndex,
    // Wheel diameter, by the text shown: k700C has a code of its own between 27 and 28 inch;
    // every other size, listed or typed, travels doubled.
    WheelSize,
    // One byte shared by two controls: the speed meter model in bits 7..6 (from the partner
    // combo box) and the signal count in bits 5..0 (from the control's text).
    SpeedMeter,
};

// The one wheel size that is no number of inches: the 13th item of the wheel list, sent with a
// code of its own, and only while it is shown.
inline constexpr std::string_view k700C = "700C";
inline constexpr int k700CIndex = 12;
inline constexpr std::uint8_t k700CCode = 0x37;

// Irregular status messages of the controller's firmware, kept as its users know them.
enum class MessageQuirk : std::uint8_t {
    None,
    NoFullStop,         // "... setting error,Please reset" without the closing full stop
    BlankBeforeSetting, // "The StartKgS5  setting error" with two blanks
};

// How a control's value is kept in a parameter file. The file stores what the control shows,
// not the byte that goes to the controller.
enum class ParameterKind : std::uint8_t {
    Number,        // the control's text as a whole number, written back in decimal
    SelectedIndex, // the combo box's selected index, -1 when nothing is selected
};

// What kind of control the page shows.
enum class Widget : std::uint8_t {
    Edit,
    Choice,      // a combo box used by the item it shows
    TypedChoice, // a combo box used by its text: its list only offers values
};

// A range a Write button tests a field against before anything is sent.
struct RangeCheck {
    std::int64_t lowest;
    std::int64_t highest;
    // As "The NAME is out of range,Please input again." names the field.
    std::string_view name;
    // The upper bound is the controller's maximum current from its identity, not `highest`.
    bool upToMaxCurrent = false;
    // Tested by the page's own Write button only; Write Flash sends whatever fits the field.
    bool pageWriteOnly = false;
    // Write Flash tests it after all the other blocks' fields.
    bool lastInWriteFlash = false;
};

inline constexpr std::size_t kNoByte = static_cast<std::size_t>(-1);

// One parameter control of the four pages: where it travels, how the page shows it, what the
// tool checks, and where a parameter file keeps it.
struct Parameter {
    Block block = Block::Basic;
    std::string control; // the component name: read, written and focused

    // On the wire. A control without a byte of its own (the speed meter model) is the partner of
    // the field whose byte it shares.
    std::size_t index = kNoByte; // first payload byte
    std::size_t width = 1;       // 1, or 2 for a 16-bit field (high byte first)
    Encoding encoding = Encoding::Number;
    int offset = 0;                    // ComboIndex: wire value = shown item + offset
    bool displayCommandAtZero = false; // ComboIndex: item 0 travels as 0xFF
    std::string partner;               // SpeedMeter: the model's combo box
    // The field's name as the controller's status messages give it. A 16-bit field's two status
    // messages insert "H" or "L" before the name's first blank ("BaseV Voltage" gives
    // "BaseVH Voltage" and "BaseVL Voltage").
    std::string name;
    MessageQuirk quirk = MessageQuirk::None;

    // On the page.
    Widget widget = Widget::Edit;
    std::vector<std::string> items; // a combo box's list as the layout has it
    // Its list is the connected controller's voltage class (lowBatteryItems).
    bool itemsFollowVoltageClass = false;
    std::string label;  // the caption beside it
    std::string column; // the heading above its column or group, where it has one
    std::string unit;   // empty where the value has none
    std::string meaning;
    // The caption, heading and meaning as they were made, for the window to translate.
    WordedText labelWording;
    WordedText columnWording;
    WordedText meaningWording;
    std::optional<RangeCheck> check;

    // In parameter files: [section] key.
    std::string key;
    ParameterKind kind = ParameterKind::Number;

    std::string_view section() const { return blockTitle(block); }
    bool isCombo() const { return widget != Widget::Edit; }
};

// The 102 parameter controls in the order a parameter file holds them.
const std::vector<Parameter>& parameterTable();

// The row of a parameter control; nullptr for any other name.
const Parameter* parameter(std::string_view control);

// The rows of a block's page, in table order.
std::vector<const Parameter*> pageParameters(Block block);

// The one row whose list follows the controller's voltage class.
const Parameter& voltageClassParameter();

// The caption as the page shows it, its column's heading first ("Spd20 Start(Kg):").
std::string shownLabel(const Parameter& parameter);

// The help a parameter control shows when pointed at: what it sets, its unit, the values the
// tool accepts (its range check within what its wire field can carry, or its list), and its key
// in parameter files. Empty for a name that is no parameter control.
std::string parameterHelp(std::string_view control);
WordedText parameterHelpWording(std::string_view control);

// The values a field's typed number may take: the width of its wire field, or less where the
// byte carries something else besides (the speed meter's signal count has six bits, a wheel
// size travels doubled). Nothing for combo boxes used by their index.
struct TypedRange {
    std::int64_t lowest;
    std::int64_t highest;
};
std::optional<TypedRange> typedRange(const Parameter& field);

// Fills every parameter combo box with its list (selecting nothing).
void fillParameterCombos(Fields& fields);

// The item a combo box with a fixed list stands for: the one its text names, as typed over it,
// or else its selected item; -1 when its text names none and nothing is selected. What a page
// shows is what goes out, so a typed item counts before a selection it was typed over.
int shownItem(const Fields& fields, std::string_view control);

// What a parameter file keeps of a list (ParameterKind::SelectedIndex): the item the control
// shows, counted from 0, -1 for none; a wheel size beyond the list as the place it would have in a
// list of every size (31 inch after 30, 14 before 16). Nothing when the file cannot hold what the
// control shows: a text that names no item (for the wheel, no size), or 15 inch, whose place
// reads as "nothing selected".
std::optional<std::int32_t> fileIndex(const Parameter& p, const Fields& fields);
// What a load shows for a kept index: its item, the wheel size at that place, or nothing.
void applyFileIndex(const Parameter& p, std::int32_t index, Fields& fields);
// True when a load shows something for the index in a list of `items`.
bool fileIndexShows(const Parameter& p, std::int32_t index, int items);

// The choices of "Low Battery Protect(V):" for a nominal voltage class from the identity reply:
// every volt of the class's range, ascending.
std::vector<std::string> lowBatteryItems(std::uint8_t voltageClass);

// The caption "Nominal Voltage: 48V" for a voltage class.
std::string_view nominalVoltageCaption(std::uint8_t voltageClass);

} // namespace morvent
