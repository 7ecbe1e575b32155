#include "WriteChecks.h"

#include "NumberConversion.h"

#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>

namespace morvent {

namespace {

struct RangeRule {
    std::string_view control;
    std::int64_t lowest;
    std::int64_t highest;
    std::string_view name; // as the out-of-range message names the field
    int page;
};

constexpr std::int64_t kNoLowerBound = std::numeric_limits<std::int64_t>::min();

RangeRule limitedCurrent(int maxCurrent) {
    return {"Edit1", kNoLowerBound, maxCurrent, "Limited Current", 0};
}
constexpr RangeRule kSpeedMeterSignal{"Edit22", 1, 36, "SpdMeter Signal", 0};

constexpr RangeRule kPedalStartCurrent{"Edit23", 1, 100, "Start Current", 1};
constexpr RangeRule kStartupDegree{"Edit24", 1, 20, "Startup Dgree", 1};
constexpr RangeRule kTimeOfStop{"Edit25", 0, 255, "Time of stop", 1};
constexpr RangeRule kCurrentDecay{"Edit26", 1, 8, "Current Decay", 1};
constexpr RangeRule kStopDecay{"Edit27", 0, 255, "Stop Decay", 1};
constexpr RangeRule kKeepCurrent{"Edit31", 1, 100, "Keep Current", 1};

constexpr RangeRule kStartVoltage{"Edit28", 0, 50, "Start Voltage", 2};
constexpr RangeRule kEndVoltage{"Edit29", 0, 50, "End Voltage", 2};
constexpr RangeRule kThrottleStartCurrent{"Edit30", 1, 100, "Start Current", 2};

// The two blanks of "The BaseVoltage of  is out of range" are the tool's message as it has always
// read.
constexpr RangeRule kBaseVoltage{"Edit32", 0, 5000, "BaseVoltage of ", 3};
constexpr RangeRule kErrorVoltageMin{"Edit33", 0, 5000, "ErrorVoltage of Min", 3};

std::optional<Refusal> firstOutOfRange(std::span<const RangeRule> rules, const Fields& fields) {
    for (const RangeRule& rule : rules) {
        const std::string control(rule.control);
        const std::int64_t v = toInteger(fields.text(control));
        if (v > rule.highest || v < rule.lowest) {
            return Refusal{"The " + std::string(rule.name) + " is out of range,Please input again.",
                           control, rule.page};
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<Refusal> checkBasicWrite(const Fields& fields, int maxCurrent) {
    const std::array rules{limitedCurrent(maxCurrent), kSpeedMeterSignal};
    return firstOutOfRange(rules, fields);
}

std::optional<Refusal> checkPedalAssistWrite(const Fields& fields) {
    static constexpr std::array rules{kPedalStartCurrent, kStartupDegree, kTimeOfStop,
                                      kCurrentDecay,      kStopDecay,     kKeepCurrent};
    return firstOutOfRange(rules, fields);
}

std::optional<Refusal> checkThrottleHandleWrite(const Fields& fields) {
    static constexpr std::array rules{kStartVoltage, kEndVoltage, kThrottleStartCurrent};
    return firstOutOfRange(rules, fields);
}

std::optional<Refusal> checkTorqueWrite(const Fields& fields) {
    static constexpr std::array rules{kBaseVoltage, kErrorVoltageMin};
    return firstOutOfRange(rules, fields);
}

std::optional<Refusal> checkWriteFlash(const Fields& fields, int maxCurrent) {
    const std::array rules{limitedCurrent(maxCurrent),
                           kSpeedMeterSignal,
                           kPedalStartCurrent,
                           kStartupDegree,
                           kTimeOfStop,
                           kCurrentDecay,
                           kStopDecay,
                           kStartVoltage,
                           kEndVoltage,
                           kThrottleStartCurrent,
                           kKeepCurrent};
    return firstOutOfRange(rules, fields);
}

} // namespace morvent
