#pragma once

#include "Frames.h"

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

// How a field's controls turn into its payload bytes and back.
enum class Encoding : std::uint8_t {
    // The control's text as a whole number, one byte or two (high byte first). The only kind a
    // controller reply can fill with any value.
    Number,
    // The position of the item the combo box shows (shownItem: the one its text names, else
    // the one selected) plus an offset; where index 0 means "leave it to the display" (or
    // "Undeterminated"), that index travels as 0xFF instead.
    ComboIndex,
    // Wheel diameter, by the text shown: "700C" has a code of its own between 27 and 28 inch;
    // every other size, listed or typed, travels doubled.
    WheelSize,
    // One byte shared by two controls: the speed meter model in bits 7..6 (from the partner
    // combo box) and the signal count in bits 5..0 (from the control's text).
    SpeedMeter,
};

// Irregular status messages of the controller's firmware, kept as its users know them.
enum class MessageQuirk : std::uint8_t {
    None,
    NoFullStop,         // "... setting error,Please reset" without the closing full stop
    BlankBeforeSetting, // "The StartKgS5  setting error" with two blanks
};

// One field of a block: where it sits in the payload and which control holds it.
struct FieldLayout {
    std::size_t index = 0; // first payload byte
    std::size_t width = 1; // payload bytes: 1, or 2 for a 16-bit field (high byte first)
    Encoding encoding = Encoding::Number;
    std::string control; // the control read, written and focused
    // The field's name as the controller's status message gives it. A 16-bit field's two status
    // messages insert "H" or "L" before the name's first blank ("BaseV Voltage" gives
    // "BaseVH Voltage" and "BaseVL Voltage").
    std::string name;
    int offset = 0;                    // ComboIndex: wire value = selected index + offset
    bool displayCommandAtZero = false; // ComboIndex: index 0 travels as 0xFF
    std::string partner;               // SpeedMeter: the model's combo box
    MessageQuirk quirk = MessageQuirk::None;
};

struct BlockLayout {
    Block block;
    Command command;
    std::string_view title;          // the page's tab caption
    int page;                        // index of the page in the main window's notebook
    std::size_t length;              // payload bytes, also the all-accepted status
    std::vector<FieldLayout> fields; // payload order; together they cover every payload byte once
    std::string_view readChecksumMessage;
    std::string_view writeChecksumMessage;
    std::string_view successMessage; // a single write accepted
};

const BlockLayout& layout(Block block);

// The block whose replies begin with this code, if any.
std::optional<Block> blockForCode(std::uint8_t code);

// The field that holds the given payload byte; nullptr beyond the block's length.
const FieldLayout* fieldAtByte(Block block, std::size_t payloadByte);

inline constexpr std::string_view kReadFlashSucceeded = "Read Flash successfully.";
inline constexpr std::string_view kWriteFlashSucceeded = "Write Flash successfully.";

} // namespace morvent
