#include "WriteChecks.h"

#include "NumberConversion.h"
#include "ParameterDefinitions.h"

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace morvent {

namespace {

// The bounds and names come from the parameter table; the order of the checks is each button's.
std::optional<Refusal> firstOutOfRange(std::span<const std::string_view> controls,
                                       const Fields& fields, int maxCurrent) {
    for (const std::string_view control : controls) {
        const ParameterDefinition* definition = parameterDefinition(control);
        if (!definition || !definition->check) {
            throw std::logic_error("no range check for " + std::string(control));
        }
        const RangeCheck& check = *definition->check;
        const std::int64_t highest = check.upToMaxCurrent ? maxCurrent : check.highest;
        const std::int64_t v = toInteger(fields.text(control));
        if (v > highest || v < check.lowest) {
            return Refusal{"The " + std::string(check.name) +
                               " is out of range,Please input again.",
                           definition->control, layout(definition->block).page};
        }
    }
    return std::nullopt;
}

constexpr std::array<std::string_view, 2> kBasicChecks{"Edit1", "Edit22"};
constexpr std::array<std::string_view, 6> kPedalAssistChecks{"Edit23", "Edit24", "Edit25",
                                                             "Edit26", "Edit27", "Edit31"};
constexpr std::array<std::string_view, 3> kThrottleHandleChecks{"Edit28", "Edit29", "Edit30"};
constexpr std::array<std::string_view, 2> kTorqueChecks{"Edit32", "Edit33"};
// Write Flash's own order: the Pedal Assist keep current comes last.
constexpr std::array<std::string_view, 11> kWriteFlashChecks{"Edit1",  "Edit22", "Edit23", "Edit24",
                                                             "Edit25", "Edit26", "Edit27", "Edit28",
                                                             "Edit29", "Edit30", "Edit31"};

} // namespace

std::optional<Refusal> checkBasicWrite(const Fields& fields, int maxCurrent) {
    return firstOutOfRange(kBasicChecks, fields, maxCurrent);
}

std::optional<Refusal> checkPedalAssistWrite(const Fields& fields) {
    return firstOutOfRange(kPedalAssistChecks, fields, 0);
}

std::optional<Refusal> checkThrottleHandleWrite(const Fields& fields) {
    return firstOutOfRange(kThrottleHandleChecks, fields, 0);
}

std::optional<Refusal> checkTorqueWrite(const Fields& fields) {
    return firstOutOfRange(kTorqueChecks, fields, 0);
}

std::optional<Refusal> checkWriteFlash(const Fields& fields, int maxCurrent) {
    return firstOutOfRange(kWriteFlashChecks, fields, maxCurrent);
}

std::optional<Refusal> checkWriteFlashBlock(Block block, const Fields& fields, int maxCurrent) {
    for (const std::string_view control : kWriteFlashChecks) {
        if (parameterDefinition(control)->block == block) {
            if (auto refusal = firstOutOfRange(std::span(&control, 1), fields, maxCurrent)) {
                return refusal;
            }
        }
    }
    return std::nullopt;
}

} // namespace morvent
