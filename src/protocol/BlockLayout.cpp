// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "BlockLayout.h"
#include "Wording.h"

#include <algorithm>

namespace morvent {

namespace {

struct Messages {
    Command command;
    std::size_t length;
    std::string_view read;
    std::string_view write;
    std::string_view success;
};

constexpr std::array<Messages, 4> kMessages{{
    {Command::Basic, kBasicLength,
     QT_TRANSLATE_NOOP("Protocol", "Read The Basic Info CheckSum Error"),
     QT_TRANSLATE_NOOP("Protocol", "Write The Basic Info CheckSum Error"),
     QT_TRANSLATE_NOOP("Protocol", "Basic Set successfully.")},
    {Command::PedalAssist, kPedalAssistLength,
     QT_TRANSLATE_NOOP("Protocol", "Read The Pedal Assist Info CheckSum Error"),
     QT_TRANSLATE_NOOP("Protocol", "Write The Pedal Assist Info CheckSum Error"),
     QT_TRANSLATE_NOOP("Protocol", "Pedal Assist Set successfully.")},
    {Command::ThrottleHandle, kThrottleHandleLength,
     QT_TRANSLATE_NOOP("Protocol", "Read The Throttle Handle Info CheckSum Error"),
     QT_TRANSLATE_NOOP("Protocol", "Write The Throttle Handle Info CheckSum Error"),
     QT_TRANSLATE_NOOP("Protocol", "Throttle Handle Set successfully.")},
    {Command::Torque, kTorqueLength,
     QT_TRANSLATE_NOOP("Protocol", "Read The Torque Info CheckSum Error"),
     QT_TRANSLATE_NOOP("Protocol", "Write The Torque Info CheckSum Error"),
     QT_TRANSLATE_NOOP("Protocol", "Torque Set successfully.")},
}};

// Every payload byte's field, so that a status byte finds its field at once.
struct Layouts {
    std::vector<BlockLayout> blocks;
    std::array<std::vector<const FieldLayout*>, 4> byByte;

    Layouts() {
        for (const Block block : kAllBlocks) {
            const Messages& m = kMessages[static_cast<std::size_t>(block)];
            BlockLayout b{
                block,  m.command, blockTitle(block), static_cast<int>(block), m.length, {},
                m.read, m.write,   m.success};
            for (const Parameter& p : parameterTable()) {
                if (p.block == block && p.index != kNoByte) {
                    b.fields.push_back(p);
                }
            }
            std::sort(b.fields.begin(), b.fields.end(),
                      [](const FieldLayout& x, const FieldLayout& y) { return x.index < y.index; });
            blocks.push_back(std::move(b));
        }
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
