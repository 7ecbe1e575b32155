// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ParameterTable.h"

#include "EditNames.h"
#include "NumberConversion.h"
#include "Wording.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace morvent {

namespace {

constexpr std::int64_t kNoLowerBound = std::numeric_limits<std::int64_t>::min();

std::string number(int n) {
    return std::to_string(n);
}

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
    {QT_TRANSLATE_NOOP("Protocol", "Nominal Voltage: 24V"), 18, 22},
    {QT_TRANSLATE_NOOP("Protocol", "Nominal Voltage: 36V"), 28, 32},
    {QT_TRANSLATE_NOOP("Protocol", "Nominal Voltage: 48V"), 38, 43},
    {QT_TRANSLATE_NOOP("Protocol", "Nominal Voltage: 60V"), 48, 55},
    {QT_TRANSLATE_NOOP("Protocol", "Nominal Voltage: 24-48V"), 18, 43},
    {QT_TRANSLATE_NOOP("Protocol", "Nominal Voltage: 24-60V"), 18, 55},
}};

const VoltageClass& voltageClassOf(std::uint8_t code) {
    return kVoltageClasses[std::min<std::size_t>(code, kVoltageClasses.size() - 1)];
}

constexpr std::string_view kDisplayCommand = QT_TRANSLATE_NOOP("Protocol", "By Display's Command");

// A row is started with what every row has and finished with what sets it apart.
struct Rows {
    std::vector<Parameter> all;

    Parameter& add(Block block, std::string control, std::string key, std::string label,
                   std::string meaning, std::string unit, std::size_t index, std::string name) {
        Parameter& p = all.emplace_back();
        p.block = block;
        p.control = std::move(control);
        p.key = std::move(key);
        p.label = std::move(label);
        p.meaning = std::move(meaning);
        p.labelWording = WordedText(p.label);
        p.meaningWording = WordedText(p.meaning);
        p.unit = std::move(unit);
        p.index = index;
        p.name = std::move(name);
        return p;
    }
    // A caption or meaning built from a template: kept as made, the English from it.
    static void word(std::string& english, WordedText& made, WordedText wording) {
        english = wording.english();
        made = std::move(wording);
    }
    // A combo box used by the item it shows, kept in files by its position.
    Parameter& choice(Block block, std::string control, std::string key, std::string label,
                      std::string meaning, std::string unit, std::size_t index, std::string name,
                      std::vector<std::string> items, int offset = 0,
                      bool displayCommandAtZero = false) {
        Parameter& p = add(block, std::move(control), std::move(key), std::move(label),
                           std::move(meaning), std::move(unit), index, std::move(name));
        p.widget = Widget::Choice;
        p.encoding = Encoding::ComboIndex;
        p.kind = ParameterKind::SelectedIndex;
        p.items = std::move(items);
        p.offset = offset;
        p.displayCommandAtZero = displayCommandAtZero;
        return p;
    }
};

// The units of the timing and throttle-voltage fields.
constexpr const char* kTimes10ms = "\u00d710 ms";
constexpr const char* kTimes100mV = "\u00d7100 mV";

// The caption of an assist level's limit, in both columns of the Basic page ("Assit3:").
WordedText assistCaption(int level) {
    return WordedText(QT_TRANSLATE_NOOP("Protocol", "Assit%1:"),
                      {WordedText::literal(number(level))});
}

// The wheel list: every size from 16 to 30 inch, k700C in its place after 27 inch.
std::vector<std::string> wheelSizes() {
    std::vector<std::string> wheels = numbers(16, 27);
    wheels.emplace_back(k700C);
    for (const std::string& size : numbers(28, 30)) {
        wheels.push_back(size);
    }
    return wheels;
}

// The lists shared by the Pedal Assist and Throttle Handle pages, the display's choice first.
std::vector<std::string> assistLevelItems() {
    return after(kDisplayCommand, numbers(0, 9));
}

std::vector<std::string> speedLimitItems() {
    return after(kDisplayCommand, numbers(15, 40, "Km/H"));
}

// The current and speed limits of the ten assist levels, the Basic page's two columns.
void addAssistLimits(Rows& t) {
    using enum Block;
    for (int level = 0; level < 10; ++level) {
        Parameter& p = t.add(Basic, editName(2 + level), "ALC" + number(level), {}, {}, "%",
                             static_cast<std::size_t>(2 + level), "Limit Current" + number(level));
        Rows::word(p.label, p.labelWording, assistCaption(level));
        Rows::word(p.meaning, p.meaningWording,
                   WordedText(QT_TRANSLATE_NOOP("Protocol", "Current limit at assist level %1"),
                              {WordedText::literal(number(level))}));
        p.column = QT_TRANSLATE_NOOP("Protocol", "Limit Current(%)");
        if (level == 2) {
            t.all.back().quirk = MessageQuirk::NoFullStop;
        }
    }
    for (int level = 0; level < 10; ++level) {
        // The firmware calls level 2 "SPDt2".
        Parameter& p = t.add(Basic, editName(12 + level), "ALBP" + number(level), {}, {}, "%",
                             static_cast<std::size_t>(12 + level),
                             level == 2 ? "Limit SPDt2" : "Limit SPD" + number(level));
        Rows::word(p.label, p.labelWording, assistCaption(level));
        Rows::word(p.meaning, p.meaningWording,
                   WordedText(QT_TRANSLATE_NOOP("Protocol", "Speed limit at assist level %1"),
                              {WordedText::literal(number(level))}));
        p.column = QT_TRANSLATE_NOOP("Protocol", "Limit Spd(%)");
    }
}

void addBasic(Rows& t) {
    using enum Block;
    // The low-battery voltage travels and is kept by its text: its list follows the controller's
    // voltage class, so a position would mean another voltage on another controller, and a read
    // writes whatever voltage the controller holds.
    Parameter& lowBattery = t.add(
        Basic, "ComboBox3", "LBP", QT_TRANSLATE_NOOP("Protocol", "Low Battery Protect(V):"),
        QT_TRANSLATE_NOOP(
            "Protocol",
            "Low battery protection: the battery voltage at which the controller cuts off; the "
            "list offers the voltages of the connected controller's class"),
        "V", 0, "Limit Volt");
    lowBattery.widget = Widget::TypedChoice;
    lowBattery.items = lowBatteryItems(0);
    lowBattery.itemsFollowVoltageClass = true;
    t.add(Basic, "Edit1", "LC", QT_TRANSLATE_NOOP("Protocol", "Limited Current(A):"),
          QT_TRANSLATE_NOOP("Protocol", "Limited current: the controller's overall current limit"),
          "A", 1, QT_TRANSLATE_NOOP("Protocol", "Limited Current"))
        .check =
        RangeCheck{kNoLowerBound, 0, QT_TRANSLATE_NOOP("Protocol", "Limited Current"), true};
    addAssistLimits(t);
    Parameter& wheel =
        t.choice(Basic, "ComboBox4", "WD", QT_TRANSLATE_NOOP("Protocol", "Wheel Diameler(Inch): "),
                 QT_TRANSLATE_NOOP("Protocol", "Wheel diameter"),
                 QT_TRANSLATE_NOOP("Protocol", "inch"), 22, "SpdMT", wheelSizes());
    wheel.widget = Widget::TypedChoice;
    wheel.encoding = Encoding::WheelSize;
    t.choice(Basic, "ComboBox5", "SMM", QT_TRANSLATE_NOOP("Protocol", "Speed Meter Model: "),
             QT_TRANSLATE_NOOP("Protocol", "Speed meter model: where the speed signal comes from"),
             "", kNoByte, "",
             {QT_TRANSLATE_NOOP("Protocol", "External,Wheel Meter"),
              QT_TRANSLATE_NOOP("Protocol", "Internal,Motor Meter"),
              QT_TRANSLATE_NOOP("Protocol", "By Motor Phase")});
    Parameter& meter =
        t.add(Basic, "Edit22", "SMS", QT_TRANSLATE_NOOP("Protocol", "SpdMeter Signal: "),
              QT_TRANSLATE_NOOP("Protocol", "Speed meter signals"), "", 23,
              QT_TRANSLATE_NOOP("Protocol", "SpdMeter Signal"));
    meter.encoding = Encoding::SpeedMeter;
    meter.partner = "ComboBox5";
    meter.check = RangeCheck{1, 36, QT_TRANSLATE_NOOP("Protocol", "SpdMeter Signal")};
}

void addPedalAssist(Rows& t) {
    using enum Block;
    const auto assistLevels = assistLevelItems();
    const auto speedLimits = speedLimitItems();
    t.choice(
        PedalAssist, "ComboBox6", "PT", QT_TRANSLATE_NOOP("Protocol", "Pedal Type: "),
        QT_TRANSLATE_NOOP("Protocol", "Pedal sensor type"), "", 0, "Pedal Type",
        {QT_TRANSLATE_NOOP("Protocol", "None"), "DH-Sensor-12", "BB-Sensor-32", "DoubleSignal-24"});
    t.choice(
        PedalAssist, "ComboBox7", "DA", QT_TRANSLATE_NOOP("Protocol", "Disignated Assist: "),
        QT_TRANSLATE_NOOP(
            "Protocol", "Assist level under pedal assist: a fixed level, or the display's choice"),
        "", 1, "Disignated Assist", assistLevels, -1, true);
    t.choice(
        PedalAssist, "ComboBox8", "SL", QT_TRANSLATE_NOOP("Protocol", "Speed Limited: "),
        QT_TRANSLATE_NOOP("Protocol", "Speed limit under pedal assist, or the display's choice"),
        "km/h", 2, "Speed Limited", speedLimits, 14, true);
    t.choice(PedalAssist, "ComboBox9", "SSM",
             QT_TRANSLATE_NOOP("Protocol", "Slow-Start Mode(1-8): "),
             QT_TRANSLATE_NOOP("Protocol", "Slow-start mode"), "", 4, "Slow-Start Mode",
             numbers(1, 8), 1);
    t.choice(PedalAssist, "ComboBox10", "WM",
             QT_TRANSLATE_NOOP("Protocol", "Work Mode(Angular Speed of pedal/wheel*10): "),
             QT_TRANSLATE_NOOP("Protocol", "Work mode: the angular speed of pedal to wheel"),
             "\u00d710", 6, "Work Mode",
             after(QT_TRANSLATE_NOOP("Protocol", "Undeterminated"), numbers(10, 80)), 9, true);
    t.add(PedalAssist, "Edit23", "SC", QT_TRANSLATE_NOOP("Protocol", "Start Current(%): "),
          QT_TRANSLATE_NOOP("Protocol", "Start current under pedal assist"), "%", 3,
          QT_TRANSLATE_NOOP("Protocol", "Start Current"))
        .check = RangeCheck{1, 100, QT_TRANSLATE_NOOP("Protocol", "Start Current")};
    t.add(PedalAssist, "Edit24", "SDN",
          QT_TRANSLATE_NOOP("Protocol", "Startup Dgree(Signal No.): "),
          QT_TRANSLATE_NOOP("Protocol",
                            "Startup degree: the pedal sensor signals before the motor starts"),
          QT_TRANSLATE_NOOP("Protocol", "signals"), 5,
          QT_TRANSLATE_NOOP("Protocol", "Startup Dgree"))
        .check = RangeCheck{1, 20, QT_TRANSLATE_NOOP("Protocol", "Startup Dgree")};
    t.add(PedalAssist, "Edit25", "TS", QT_TRANSLATE_NOOP("Protocol", "Time of stop(x10ms): "),
          QT_TRANSLATE_NOOP("Protocol", "Time of stop"), kTimes10ms, 7,
          QT_TRANSLATE_NOOP("Protocol", "Time of stop"))
        .check = RangeCheck{0, 255, QT_TRANSLATE_NOOP("Protocol", "Time of stop")};
    t.add(PedalAssist, "Edit26", "CD", QT_TRANSLATE_NOOP("Protocol", "Current Decay(1-8): "),
          QT_TRANSLATE_NOOP("Protocol", "Current decay"), "", 8,
          QT_TRANSLATE_NOOP("Protocol", "Current Decay"))
        .check = RangeCheck{1, 8, QT_TRANSLATE_NOOP("Protocol", "Current Decay")};
    t.add(PedalAssist, "Edit27", "SD", QT_TRANSLATE_NOOP("Protocol", "Stop Decay(x10ms): "),
          QT_TRANSLATE_NOOP("Protocol", "Stop decay"), kTimes10ms, 9,
          QT_TRANSLATE_NOOP("Protocol", "Stop Decay"))
        .check = RangeCheck{0, 255, QT_TRANSLATE_NOOP("Protocol", "Stop Decay")};
    t.add(PedalAssist, "Edit31", "KC", QT_TRANSLATE_NOOP("Protocol", "Keep Current(%)"),
          QT_TRANSLATE_NOOP("Protocol", "Keep current"), "%", 10,
          QT_TRANSLATE_NOOP("Protocol", "Keep Current"))
        .check =
        RangeCheck{1, 100, QT_TRANSLATE_NOOP("Protocol", "Keep Current"), false, false, true};
}

void addThrottleHandle(Rows& t) {
    using enum Block;
    const auto assistLevels = assistLevelItems();
    const auto speedLimits = speedLimitItems();
    t.add(ThrottleHandle, "Edit28", "SV", QT_TRANSLATE_NOOP("Protocol", "Start Voltage(x100mv): "),
          QT_TRANSLATE_NOOP("Protocol",
                            "Start voltage: the throttle voltage at which the motor starts"),
          kTimes100mV, 0, QT_TRANSLATE_NOOP("Protocol", "Start Voltage"))
        .check = RangeCheck{0, 50, QT_TRANSLATE_NOOP("Protocol", "Start Voltage")};
    t.add(ThrottleHandle, "Edit29", "EV", QT_TRANSLATE_NOOP("Protocol", "End Voltage(x100mV): "),
          QT_TRANSLATE_NOOP("Protocol", "End voltage: the throttle voltage of full command"),
          kTimes100mV, 1, QT_TRANSLATE_NOOP("Protocol", "End Voltage"))
        .check = RangeCheck{0, 50, QT_TRANSLATE_NOOP("Protocol", "End Voltage")};
    t.choice(ThrottleHandle, "ComboBox11", "MODE", QT_TRANSLATE_NOOP("Protocol", "Mode: "),
             QT_TRANSLATE_NOOP("Protocol", "What the throttle commands: speed or current"), "", 2,
             "Mode",
             {QT_TRANSLATE_NOOP("Protocol", "Speed"), QT_TRANSLATE_NOOP("Protocol", "Current")});
    t.choice(
        ThrottleHandle, "ComboBox12", "DA", QT_TRANSLATE_NOOP("Protocol", "Designated Assist: "),
        QT_TRANSLATE_NOOP(
            "Protocol", "Assist level under the throttle: a fixed level, or the display's choice"),
        "", 3, "Designated Assist", assistLevels, -1, true);
    t.choice(
        ThrottleHandle, "ComboBox13", "SL", QT_TRANSLATE_NOOP("Protocol", "Speed Limited: "),
        QT_TRANSLATE_NOOP("Protocol", "Speed limit under the throttle, or the display's choice"),
        "km/h", 4, "Speed Limited", speedLimits, 14, true);
    t.add(ThrottleHandle, "Edit30", "SC", QT_TRANSLATE_NOOP("Protocol", "Start Current(%): "),
          QT_TRANSLATE_NOOP("Protocol", "Start current under the throttle"), "%", 5,
          QT_TRANSLATE_NOOP("Protocol", "Start Current"))
        .check = RangeCheck{1, 100, QT_TRANSLATE_NOOP("Protocol", "Start Current")};
}

// The Torque page's sensor voltages and its zero-speed boost, ahead of its calibration grid.
void addTorqueVoltages(Rows& t) {
    using enum Block;
    // The two blanks of "The BaseVoltage of  is out of range" are the tool's message as it has
    // always read.
    const auto voltage = [&](std::string control, std::string key, std::string label,
                             std::string meaning, std::size_t index, std::string name,
                             std::string column = {}) -> Parameter& {
        Parameter& p = t.add(Torque, std::move(control), std::move(key), std::move(label),
                             std::move(meaning), "mV", index, std::move(name));
        p.width = 2;
        p.column = std::move(column);
        return p;
    };
    voltage("Edit32", "BV", QT_TRANSLATE_NOOP("Protocol", "Base Voltage:"),
            QT_TRANSLATE_NOOP("Protocol", "Base voltage of the torque sensor"), 0, "BaseV Voltage")
        .check = RangeCheck{0, 5000, QT_TRANSLATE_NOOP("Protocol", "BaseVoltage of "), false, true};
    voltage("Edit33", "EV0", QT_TRANSLATE_NOOP("Protocol", "Min"),
            QT_TRANSLATE_NOOP("Protocol", "Error voltage, minimum"), 2, "ErrorVlow Voltage",
            QT_TRANSLATE_NOOP("Protocol", "Error Voltage:"))
        .check =
        RangeCheck{0, 5000, QT_TRANSLATE_NOOP("Protocol", "ErrorVoltage of Min"), false, true};
    voltage("Edit34", "EV1", QT_TRANSLATE_NOOP("Protocol", "Max"),
            QT_TRANSLATE_NOOP("Protocol", "Error voltage, maximum"), 4, "ErrorVhigh Voltage",
            QT_TRANSLATE_NOOP("Protocol", "Error Voltage:"));
    // The delta voltages by band as the page lists them, its left column then its right; the
    // controller takes them in ascending bands, which alternate between the two columns.
    struct Band {
        std::string_view weights;
        int upper;
    };
    static constexpr std::array<Band, 8> kBands{{{"0 - 5", 5},
                                                 {"10 - 15", 15},
                                                 {"20 - 30", 30},
                                                 {"40 - 50", 50},
                                                 {"5 - 10", 10},
                                                 {"15 - 20", 20},
                                                 {"30 - 40", 40},
                                                 {"50 - 60", 60}}};
    for (int b = 0; b < std::ssize(kBands); ++b) {
        const Band& band = kBands[static_cast<std::size_t>(b)];
        const std::string weights(band.weights);
        const int rank =
            static_cast<int>(std::count_if(kBands.begin(), kBands.end(), [&](const Band& other) {
                return other.upper < band.upper;
            }));
        Parameter& p = voltage(editName(35 + b), "DV" + number(b), {}, {},
                               static_cast<std::size_t>(6 + 2 * rank),
                               "DeltaV" + number(band.upper) + "Kg Voltage",
                               QT_TRANSLATE_NOOP("Protocol", "Delta Voltage:"));
        Rows::word(
            p.label, p.labelWording,
            WordedText(QT_TRANSLATE_NOOP("Protocol", "%1 Kg:"), {WordedText::literal(weights)}));
        Rows::word(p.meaning, p.meaningWording,
                   WordedText(QT_TRANSLATE_NOOP("Protocol", "Delta voltage of the %1 Kg band"),
                              {WordedText::literal(weights)}));
    }
    t.add(Torque, "Edit43", "SBT", QT_TRANSLATE_NOOP("Protocol", "0 Speed Boost Time:"),
          QT_TRANSLATE_NOOP("Protocol", "Boost time at zero speed"), kTimes10ms, 22, "0BootTime");
}

void addTorqueGrid(Rows& t) {
    using enum Block;
    // The calibration grid, a quantity at a time and within it from the lowest speed point up.
    // The page shows it row by row, but the controller takes it column by column; its messages
    // name the speed points S0 .. S25.
    struct Quantity {
        std::string_view prefix;
        std::string_view label;
        std::string_view meaning;
        std::string_view unit;
        std::string_view name;
    };
    static constexpr std::array<Quantity, kTorqueGridRows> kQuantities{{
        {"SS", QT_TRANSLATE_NOOP("Protocol", "Start(Kg):"),
         QT_TRANSLATE_NOOP("Protocol", "Start weight"), "Kg", "StartKg"},
        {"FS", QT_TRANSLATE_NOOP("Protocol", "Full(Kg):"),
         QT_TRANSLATE_NOOP("Protocol", "Full weight"), "Kg", "FullKg"},
        {"RS", QT_TRANSLATE_NOOP("Protocol", "Return(Kg):"),
         QT_TRANSLATE_NOOP("Protocol", "Return weight"), "Kg", "ReturnKg"},
        {"MIS", QT_TRANSLATE_NOOP("Protocol", "MinCur(%):"),
         QT_TRANSLATE_NOOP("Protocol", "Minimum current"), "%", "minCur"},
        {"MAS", QT_TRANSLATE_NOOP("Protocol", "MaxCur(%):"),
         QT_TRANSLATE_NOOP("Protocol", "Maximum current"), "%", "maxCur"},
        {"KS", QT_TRANSLATE_NOOP("Protocol", "KeepCur(%):"),
         QT_TRANSLATE_NOOP("Protocol", "Keep current"), "%", "KeepCur"},
        {"CS", QT_TRANSLATE_NOOP("Protocol", "CurDecy:"),
         QT_TRANSLATE_NOOP("Protocol", "Current decay"), "", "CurDecay"},
        {"SDS", QT_TRANSLATE_NOOP("Protocol", "StarDegree:"),
         QT_TRANSLATE_NOOP("Protocol", "Start degree"), "", "StartDegree"},
    }};
    for (int r = 0; r < kTorqueGridRows; ++r) {
        const Quantity& q = kQuantities[static_cast<std::size_t>(r)];
        for (int c = 0; c < kTorqueGridColumns; ++c) {
            const std::string speed = number(20 * c);
            const auto index = static_cast<std::size_t>(23 + kTorqueGridRows * c + r);
            Parameter& cell =
                t.add(Torque, editName(torqueGridEdit(r, c)), std::string(q.prefix) + speed,
                      std::string(q.label), {}, std::string(q.unit), index,
                      std::string(q.name) + "S" + number(5 * c));
            Rows::word(
                cell.meaning, cell.meaningWording,
                WordedText(QT_TRANSLATE_NOOP("Protocol", "%1 at speed point Spd%2"),
                           {WordedText(std::string(q.meaning)), WordedText::literal(speed)}));
            Rows::word(
                cell.column, cell.columnWording,
                WordedText(QT_TRANSLATE_NOOP("Protocol", "Spd%1"), {WordedText::literal(speed)}));
            // Three of the firmware's grid messages carry a second blank before "setting".
            if (index == 31 || index == 35 || index == 59) {
                cell.quirk = MessageQuirk::BlankBeforeSetting;
            }
        }
    }
}

// The pages in the order a parameter file holds them.
std::vector<Parameter> buildTable() {
    Rows t;
    addBasic(t);
    addPedalAssist(t);
    addThrottleHandle(t);
    addTorqueVoltages(t);
    addTorqueGrid(t);
    for (Parameter& p : t.all) {
        if (p.columnWording.empty() && !p.column.empty()) {
            p.columnWording = WordedText(p.column);
        }
    }
    return std::move(t.all);
}

// A long list is a run of numbers, after a choice of its own where it has one.
WordedText listed(const std::vector<std::string>& items) {
    if (items.empty()) {
        return {};
    }
    const auto and_ = [](WordedText text, WordedText item) {
        return WordedText(QT_TRANSLATE_NOOP("Protocol", "%1; %2"),
                          {std::move(text), std::move(item)});
    };
    if (items.size() <= 4) {
        WordedText text;
        for (const std::string& item : items) {
            text = text.empty() ? WordedText(item) : and_(std::move(text), WordedText(item));
        }
        return text;
    }
    const bool special = items.front().empty() || items.front()[0] < '0' || items.front()[0] > '9';
    WordedText text(QT_TRANSLATE_NOOP("Protocol", "%1 to %2"),
                    {WordedText(items[special ? 1 : 0]), WordedText(items.back())});
    return special ? and_(WordedText(items.front()), std::move(text)) : text;
}

WordedText accepted(const Parameter& p) {
    if (p.widget == Widget::Choice) {
        return WordedText(QT_TRANSLATE_NOOP("Protocol", "one of the list: %1"), {listed(p.items)});
    }
    const auto range = typedRange(p);
    if (!range) {
        return {};
    }
    const auto count = [](std::int64_t n) { return WordedText::literal(std::to_string(n)); };
    if (p.encoding == Encoding::WheelSize) {
        return WordedText(
            QT_TRANSLATE_NOOP("Protocol",
                              "700C, or a size from %1 to %2, chosen from the list or typed"),
            {count(range->lowest), count(range->highest)});
    }
    std::int64_t lowest = range->lowest;
    std::int64_t highest = range->highest;
    if (p.check) {
        lowest = std::max(lowest, p.check->lowest);
        if (!p.check->upToMaxCurrent) {
            highest = std::min(highest, p.check->highest);
        }
    }
    WordedText text(QT_TRANSLATE_NOOP("Protocol", "%1 to %2"), {count(lowest), count(highest)});
    if (p.check && p.check->pageWriteOnly) {
        text = WordedText(QT_TRANSLATE_NOOP("Protocol", "%1 (Write Flash sends up to %2)"),
                          {std::move(text), count(range->highest)});
    }
    if (p.check && p.check->upToMaxCurrent) {
        text = WordedText(
            QT_TRANSLATE_NOOP("Protocol",
                              "%1, and not above the controller's maximum current (Max.Current)"),
            {std::move(text)});
    }
    if (p.isCombo()) {
        text = WordedText(QT_TRANSLATE_NOOP("Protocol", "%1, chosen from the list or typed"),
                          {std::move(text)});
    }
    return text;
}

} // namespace

std::string_view blockTitle(Block block) {
    static constexpr std::array<std::string_view, 4> kTitles{
        QT_TRANSLATE_NOOP("Protocol", "Basic"), QT_TRANSLATE_NOOP("Protocol", "Pedal Assist"),
        QT_TRANSLATE_NOOP("Protocol", "Throttle Handle"), QT_TRANSLATE_NOOP("Protocol", "Torque")};
    return kTitles.at(static_cast<std::size_t>(block));
}

const std::vector<Parameter>& parameterTable() {
    static const std::vector<Parameter> table = buildTable();
    return table;
}

const Parameter* parameter(std::string_view control) {
    const auto& table = parameterTable();
    const auto it = std::find_if(table.begin(), table.end(),
                                 [&](const Parameter& p) { return p.control == control; });
    return it == table.end() ? nullptr : &*it;
}

std::vector<const Parameter*> pageParameters(Block block) {
    std::vector<const Parameter*> rows;
    for (const Parameter& p : parameterTable()) {
        if (p.block == block) {
            rows.push_back(&p);
        }
    }
    return rows;
}

const Parameter& voltageClassParameter() {
    for (const Parameter& p : parameterTable()) {
        if (p.itemsFollowVoltageClass) {
            return p;
        }
    }
    throw std::logic_error("no list follows the voltage class");
}

std::string shownLabel(const Parameter& p) {
    return p.column.empty() ? p.label : p.column + " " + p.label;
}

std::string parameterHelp(std::string_view control) {
    return parameterHelpWording(control).english();
}

WordedText parameterHelpWording(std::string_view control) {
    const Parameter* p = parameter(control);
    if (!p) {
        return {};
    }
    // The key and the section as the file has them: a technician looks for them there.
    std::vector<WordedText> lines{
        WordedText(QT_TRANSLATE_NOOP("Protocol", "%1."), {p->meaningWording}),
    };
    if (!p->unit.empty()) {
        lines.push_back(
            WordedText(QT_TRANSLATE_NOOP("Protocol", "Unit: %1"), {WordedText(p->unit)}));
    }
    lines.push_back(WordedText(QT_TRANSLATE_NOOP("Protocol", "Accepted: %1"), {accepted(*p)}));
    lines.push_back(
        WordedText(QT_TRANSLATE_NOOP("Protocol", "Parameter file key: %1 in [%2]"),
                   {WordedText::literal(p->key), WordedText::literal(std::string(p->section()))}));
    std::string pattern = "%1";
    for (std::size_t n = 2; n <= lines.size(); ++n) {
        pattern += "\n%" + std::to_string(n);
    }
    return WordedText::joined(std::move(pattern), std::move(lines));
}

std::optional<TypedRange> typedRange(const Parameter& field) {
    switch (field.encoding) {
    case Encoding::Number:
        return TypedRange{0, field.width == 2 ? 0xFFFF : 0xFF};
    case Encoding::WheelSize:
        return TypedRange{0, 0xFF / 2};
    case Encoding::SpeedMeter:
        return TypedRange{0, 0x3F};
    case Encoding::ComboIndex:
        break;
    }
    return std::nullopt;
}

void fillParameterCombos(Fields& fields) {
    for (const Parameter& p : parameterTable()) {
        if (p.isCombo()) {
            fields.setItems(p.control, p.items);
        }
    }
}

int shownItem(const Fields& fields, std::string_view control) {
    const Parameter* p = parameter(control);
    const std::string shown = fields.text(control);
    if (p) {
        const auto named = std::find(p->items.begin(), p->items.end(), shown);
        if (named != p->items.end()) {
            return static_cast<int>(named - p->items.begin());
        }
    }
    return fields.selectedIndex(control);
}

namespace {

// The wheel list: every size from 16 inch up, k700C in the place after 27 inch.
constexpr std::int64_t kFirstWheel = 16;
constexpr std::int64_t k700CPlace = k700CIndex;

std::int64_t wheelPlace(std::int64_t size) {
    return size - kFirstWheel + (size - kFirstWheel >= k700CPlace ? 1 : 0);
}

std::int64_t wheelAt(std::int64_t place) {
    return place + kFirstWheel - (place > k700CPlace ? 1 : 0);
}

} // namespace

std::optional<std::int32_t> fileIndex(const Parameter& p, const Fields& fields) {
    const std::string shown = fields.text(p.control);
    if (p.encoding == Encoding::WheelSize) {
        if (shown.empty() || shown == k700C) {
            return shown.empty() ? -1 : static_cast<std::int32_t>(k700CPlace);
        }
        const std::optional<std::int32_t> size = parseInteger(shown);
        const std::int64_t place = size ? wheelPlace(*size) : -1;
        if (place == -1 || place < std::numeric_limits<std::int32_t>::min()) {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(place);
    }
    const int item = shownItem(fields, p.control);
    const bool named = item >= 0 && item < static_cast<int>(p.items.size()) &&
                       p.items[static_cast<std::size_t>(item)] == shown;
    if (!shown.empty() && !named) {
        return std::nullopt;
    }
    return item;
}

void applyFileIndex(const Parameter& p, std::int32_t index, Fields& fields) {
    if (p.encoding == Encoding::WheelSize && index != -1 &&
        (index < 0 || index >= fields.itemCount(p.control))) {
        fields.setText(p.control, std::to_string(wheelAt(index)));
    } else {
        fields.setSelectedIndex(p.control, index);
    }
}

bool fileIndexShows(const Parameter& p, std::int32_t index, int items) {
    return (index >= 0 && index < items) || (p.encoding == Encoding::WheelSize && index != -1);
}

std::vector<std::string> lowBatteryItems(std::uint8_t voltageClass) {
    const VoltageClass& c = voltageClassOf(voltageClass);
    return numbers(c.lowest, c.highest);
}

std::string_view nominalVoltageCaption(std::uint8_t voltageClass) {
    return voltageClassOf(voltageClass).caption;
}

} // namespace morvent
