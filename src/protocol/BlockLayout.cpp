#include "BlockLayout.h"

#include "EditNames.h"

namespace morvent {

namespace {

FieldLayout number(std::size_t index, std::string control, std::string name,
                   MessageQuirk quirk = MessageQuirk::None) {
    FieldLayout f;
    f.index = index;
    f.control = std::move(control);
    f.name = std::move(name);
    f.quirk = quirk;
    return f;
}

FieldLayout number16(std::size_t index, std::string control, std::string name) {
    FieldLayout f = number(index, std::move(control), std::move(name));
    f.width = 2;
    return f;
}

FieldLayout combo(std::size_t index, std::string control, std::string name, int offset,
                  bool displayCommandAtZero) {
    FieldLayout f = number(index, std::move(control), std::move(name));
    f.encoding = Encoding::ComboIndex;
    f.offset = offset;
    f.displayCommandAtZero = displayCommandAtZero;
    return f;
}

BlockLayout basic() {
    BlockLayout b{Block::Basic,
                  Command::Basic,
                  "Basic",
                  0,
                  kBasicLength,
                  {},
                  "Read The Basic Info CheckSum Error",
                  "Write The Basic Info CheckSum Error",
                  "Basic Set successfully."};
    // The low-battery voltage is a combo box used by its text: its list depends on the
    // controller's voltage class, and a read writes whatever voltage the controller holds.
    b.fields.push_back(number(0, "ComboBox3", "Limit Volt"));
    b.fields.push_back(number(1, "Edit1", "Limited Current"));
    for (int row = 0; row < 10; ++row) {
        b.fields.push_back(number(2 + static_cast<std::size_t>(row), editName(row + 2),
                                  "Limit Current" + std::to_string(row),
                                  row == 2 ? MessageQuirk::NoFullStop : MessageQuirk::None));
    }
    for (int row = 0; row < 10; ++row) {
        // The firmware calls row 2 "SPDt2".
        const std::string name = row == 2 ? "Limit SPDt2" : "Limit SPD" + std::to_string(row);
        b.fields.push_back(number(12 + static_cast<std::size_t>(row), editName(12 + row), name));
    }
    FieldLayout wheel = number(22, "ComboBox4", "SpdMT");
    wheel.encoding = Encoding::WheelSize;
    b.fields.push_back(wheel);
    FieldLayout meter = number(23, "Edit22", "SpdMeter Signal");
    meter.encoding = Encoding::SpeedMeter;
    meter.partner = "ComboBox5";
    b.fields.push_back(meter);
    return b;
}

BlockLayout pedalAssist() {
    return {Block::PedalAssist,
            Command::PedalAssist,
            "Pedal Assist",
            1,
            kPedalAssistLength,
            {
                combo(0, "ComboBox6", "Pedal Type", 0, false),
                combo(1, "ComboBox7", "Disignated Assist", -1, true),
                combo(2, "ComboBox8", "Speed Limited", 14, true),
                number(3, "Edit23", "Start Current"),
                combo(4, "ComboBox9", "Slow-Start Mode", 1, false),
                number(5, "Edit24", "Startup Dgree"),
                combo(6, "ComboBox10", "Work Mode", 9, true),
                number(7, "Edit25", "Time of stop"),
                number(8, "Edit26", "Current Decay"),
                number(9, "Edit27", "Stop Decay"),
                number(10, "Edit31", "Keep Current"),
            },
            "Read The Pedal Assist Info CheckSum Error",
            "Write The Pedal Assist Info CheckSum Error",
            "Pedal Assist Set successfully."};
}

BlockLayout throttleHandle() {
    return {Block::ThrottleHandle,
            Command::ThrottleHandle,
            "Throttle Handle",
            2,
            kThrottleHandleLength,
            {
                number(0, "Edit28", "Start Voltage"),
                number(1, "Edit29", "End Voltage"),
                combo(2, "ComboBox11", "Mode", 0, false),
                combo(3, "ComboBox12", "Designated Assist", -1, true),
                combo(4, "ComboBox13", "Speed Limited", 14, true),
                number(5, "Edit30", "Start Current"),
            },
            "Read The Throttle Handle Info CheckSum Error",
            "Write The Throttle Handle Info CheckSum Error",
            "Throttle Handle Set successfully."};
}

BlockLayout torque() {
    BlockLayout b{Block::Torque,
                  Command::Torque,
                  "Torque",
                  3,
                  kTorqueLength,
                  {},
                  "Read The Torque Info CheckSum Error",
                  "Write The Torque Info CheckSum Error",
                  "Torque Set successfully."};
    b.fields = {
        number16(0, "Edit32", "BaseV Voltage"),
        number16(2, "Edit33", "ErrorVlow Voltage"),
        number16(4, "Edit34", "ErrorVhigh Voltage"),
        // The delta voltages go in ascending weight bands, which alternate between the page's
        // left column (Edit35..Edit38) and right column (Edit39..Edit42).
        number16(6, "Edit35", "DeltaV5Kg Voltage"),
        number16(8, "Edit39", "DeltaV10Kg Voltage"),
        number16(10, "Edit36", "DeltaV15Kg Voltage"),
        number16(12, "Edit40", "DeltaV20Kg Voltage"),
        number16(14, "Edit37", "DeltaV30Kg Voltage"),
        number16(16, "Edit41", "DeltaV40Kg Voltage"),
        number16(18, "Edit38", "DeltaV50Kg Voltage"),
        number16(20, "Edit42", "DeltaV60Kg Voltage"),
        number(22, "Edit43", "0BootTime"),
    };
    // The page shows the grid row by row (a quantity per row, a speed point per column), but
    // the controller takes it column by column. Its messages name the speed points S0 .. S25.
    static constexpr std::array<std::string_view, kTorqueGridRows> kRows{
        "StartKg", "FullKg", "ReturnKg", "minCur", "maxCur", "KeepCur", "CurDecay", "StartDegree"};
    static constexpr std::array<std::string_view, kTorqueGridColumns> kSpeedPoints{
        "S0", "S5", "S10", "S15", "S20", "S25"};
    for (int column = 0; column < kTorqueGridColumns; ++column) {
        for (int row = 0; row < kTorqueGridRows; ++row) {
            const auto index = static_cast<std::size_t>(23 + kTorqueGridRows * column + row);
            // Three of the firmware's grid messages carry a second blank before "setting".
            const bool blank = index == 31 || index == 35 || index == 59;
            b.fields.push_back(
                number(index, editName(torqueGridEdit(row, column)),
                       std::string(kRows[static_cast<std::size_t>(row)]) +
                           std::string(kSpeedPoints[static_cast<std::size_t>(column)]),
                       blank ? MessageQuirk::BlankBeforeSetting : MessageQuirk::None));
        }
    }
    return b;
}

// Every payload byte's field, so that a status byte finds its field at once.
struct Layouts {
    std::array<BlockLayout, 4> blocks{basic(), pedalAssist(), throttleHandle(), torque()};
    std::array<std::vector<const FieldLayout*>, 4> byByte;

    Layouts() {
        for (const BlockLayout& b : blocks) {
            auto& bytes = byByte[static_cast<std::size_t>(b.block)];
            bytes.assign(b.length, nullptr);
            for (const FieldLayout& f : b.fields) {
                for (std::size_t i = 0; i < f.width; ++i) {
                    bytes.at(f.index + i) = &f;
                }
            }
        }
    }
};

const Layouts& layouts() {
    static const Layouts all;
    return all;
}

} // namespace

const BlockLayout& layout(Block block) {
    return layouts().blocks.at(static_cast<std::size_t>(block));
}

std::optional<Block> blockForCode(std::uint8_t code) {
    for (const BlockLayout& b : layouts().blocks) {
        if (morvent::code(b.command) == code) {
            return b.block;
        }
    }
    return std::nullopt;
}

const FieldLayout* fieldAtByte(Block block, std::size_t payloadByte) {
    const auto& bytes = layouts().byByte.at(static_cast<std::size_t>(block));
    return payloadByte < bytes.size() ? bytes[payloadByte] : nullptr;
}

} // namespace morvent
