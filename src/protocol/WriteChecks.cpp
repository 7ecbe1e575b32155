// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "WriteChecks.h"
#include "Wording.h"

#include "NumberConversion.h"
#include "ParameterTable.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace morvent {

namespace {

// The bounds, names and order come from the parameter table.
std::optional<Refusal> outOfRange(const Parameter& p, const Fields& fields, int maxCurrent) {
    const RangeCheck& check = *p.check;
    const std::int64_t highest = check.upToMaxCurrent ? maxCurrent : check.highest;
    const std::int64_t v = toInteger(fields.text(p.control));
    if (v > highest || v < check.lowest) {
        WordedText message(
            QT_TRANSLATE_NOOP("Protocol", "The %1 is out of range,Please input again."),
            {WordedText(std::string(check.name))});
        std::string english = message.english();
        return Refusal{std::move(english), p.control, layout(p.block).page, std::move(message)};
    }
    return std::nullopt;
}

// A page's Write tests its checked fields in table order.
std::optional<Refusal> pageChecks(Block block, const Fields& fields, int maxCurrent) {
    for (const Parameter* p : pageParameters(block)) {
        if (p->check) {
            if (auto refusal = outOfRange(*p, fields, maxCurrent)) {
                return refusal;
            }
        }
    }
    return std::nullopt;
}

// Write Flash's own order: the table's, those marked last after all others; none of the checks
// a page's Write alone makes.
std::optional<Refusal> flashChecks(std::optional<Block> only, const Fields& fields,
                                   int maxCurrent) {
    for (const bool last : {false, true}) {
        for (const Parameter& p : parameterTable()) {
            if (p.check && !p.check->pageWriteOnly && p.check->lastInWriteFlash == last &&
                (!only || p.block == *only)) {
                if (auto refusal = outOfRange(p, fields, maxCurrent)) {
                    return refusal;
                }
            }
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<Refusal> checkBasicWrite(const Fields& fields, int maxCurrent) {
    return pageChecks(Block::Basic, fields, maxCurrent);
}

std::optional<Refusal> checkPedalAssistWrite(const Fields& fields) {
    return pageChecks(Block::PedalAssist, fields, 0);
}

std::optional<Refusal> checkThrottleHandleWrite(const Fields& fields) {
    return pageChecks(Block::ThrottleHandle, fields, 0);
}

std::optional<Refusal> checkTorqueWrite(const Fields& fields) {
    return pageChecks(Block::Torque, fields, 0);
}

std::optional<Refusal> checkWriteFlash(const Fields& fields, int maxCurrent) {
    return flashChecks(std::nullopt, fields, maxCurrent);
}

std::optional<Refusal> checkWriteFlashBlock(Block block, const Fields& fields, int maxCurrent) {
    return flashChecks(block, fields, maxCurrent);
}

} // namespace morvent
