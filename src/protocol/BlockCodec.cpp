// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "BlockCodec.h"

#include "NumberConversion.h"
#include "ParameterTable.h"

#include <algorithm>

#include <string>

namespace morvent {

namespace {

std::uint8_t low8(std::uint32_t v) {
    return static_cast<std::uint8_t>(v & 0xFFu);
}

// Unsigned arithmetic: a typed value may be anything a 32-bit integer holds, and only its low
// bits travel.
std::uint32_t bits(std::int32_t v) {
    return static_cast<std::uint32_t>(v);
}

// What the field's control shows, as the controller would be sent it; a text that stands for no
// number raises ConversionError with the text.
std::int64_t wired(const FieldLayout& field, const Fields& fields) {
    const std::string text = fields.text(field.control);
    const int index =
        field.encoding == Encoding::ComboIndex ? fields.selectedIndex(field.control) : -1;
    if (const auto v = wireValue(field, text, index)) {
        return *v;
    }
    return toInteger(text);
}

void encode(const FieldLayout& field, const Fields& fields, Bytes& payload) {
    // Unsigned arithmetic: a typed value may be anything a 32-bit integer holds, and only its
    // low bits travel.
    const auto v = static_cast<std::uint32_t>(wired(field, fields));
    switch (field.encoding) {
    case Encoding::Number:
        if (field.width == 2) {
            payload[field.index] = low8(v >> 8);
            payload[field.index + 1] = low8(v);
        } else {
            payload[field.index] = low8(v);
        }
        break;
    case Encoding::ComboIndex:
        payload[field.index] = field.displayCommandAtZero && v == 0 ? std::uint8_t{0xFF}
                                                                    : low8(v + bits(field.offset));
        break;
    case Encoding::WheelSize:
        payload[field.index] = low8(v);
        break;
    case Encoding::SpeedMeter: {
        // With no model selected the model bits come out as "By Motor Phase", as the
        // controller has always received them.
        const int model = fields.selectedIndex(field.partner);
        const std::uint32_t m = model == 2 ? 192u : bits(model * 64);
        payload[field.index] = low8(m + v);
        break;
    }
    }
}

void decode(const FieldLayout& field, std::span<const std::uint8_t> reply, Fields& fields) {
    const std::uint8_t b = replyByte(reply, 2 + field.index);
    switch (field.encoding) {
    case Encoding::Number: {
        const unsigned v = field.width == 2 ? 256u * b + replyByte(reply, 3 + field.index) : b;
        fields.setText(field.control, std::to_string(v));
        break;
    }
    case Encoding::ComboIndex:
        fields.setSelectedIndex(
            field.control, field.displayCommandAtZero && b == 0xFF ? 0 : int{b} - field.offset);
        break;
    case Encoding::WheelSize: {
        // Sizes travel doubled; an odd code rounds up, except k700C's.
        const int h = b / 2 + b % 2;
        int index = h - 15;
        if (h <= 27) {
            index = h - 16;
        } else if (h == 28 && b % 2 == 1) {
            index = k700CIndex;
        }
        fields.setSelectedIndex(field.control, index);
        break;
    }
    case Encoding::SpeedMeter: {
        // Model code 2 is never sent; a controller that holds it is shown as "By Motor Phase".
        const int m = b >> 6;
        fields.setSelectedIndex(field.partner, m == 3 ? 2 : m);
        fields.setText(field.control, std::to_string(b & 0x3F));
        break;
    }
    }
}

std::optional<Refusal> firstTooWide(const BlockLayout& block, const Fields& fields) {
    for (const FieldLayout& field : block.fields) {
        const auto range = typedRange(field);
        if (!range) {
            continue;
        }
        if (field.encoding == Encoding::WheelSize && fields.text(field.control) == k700C) {
            continue;
        }
        const std::int64_t v = toInteger(fields.text(field.control));
        if (v < range->lowest || v > range->highest) {
            WordedText message(
                QT_TRANSLATE_NOOP("Protocol", "The %1 is out of range,Please input again."),
                {WordedText::literal(field.name)});
            std::string english = message.english();
            return Refusal{std::move(english), field.control, block.page, std::move(message)};
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::int64_t> wireValue(const Parameter& p, std::string_view text, int index) {
    switch (p.encoding) {
    case Encoding::ComboIndex: {
        const auto named = std::find(p.items.begin(), p.items.end(), text);
        return named != p.items.end() ? named - p.items.begin() : index;
    }
    case Encoding::WheelSize: {
        // By the text shown, not by the item selected: a size typed over k700C is that size.
        if (text == k700C) {
            return k700CCode;
        }
        const auto size = parseInteger(text);
        return size ? std::optional<std::int64_t>(std::int64_t{*size} * 2) : std::nullopt;
    }
    case Encoding::Number:
    case Encoding::SpeedMeter:
        break;
    }
    return parseInteger(text);
}

Bytes buildPayload(Block block, const Fields& fields) {
    const BlockLayout& b = layout(block);
    Bytes payload(b.length, 0);
    for (const FieldLayout& field : b.fields) {
        encode(field, fields, payload);
    }
    return payload;
}

Bytes buildWriteFrame(Block block, const Fields& fields) {
    return writeFrame(layout(block).command, buildPayload(block, fields));
}

void applyReplyFields(std::span<const FieldLayout> definitions, std::span<const std::uint8_t> reply,
                      Fields& fields) {
    for (const FieldLayout& field : definitions) {
        decode(field, reply, fields);
    }
}

void applyReadReply(Block block, std::span<const std::uint8_t> reply, Fields& fields) {
    applyReplyFields(layout(block).fields, reply, fields);
}

void settleCombo(std::string_view control, Fields& fields) {
    const Parameter* p = parameter(control);
    if (!p || !p->isCombo()) {
        return;
    }
    const std::string shown = fields.text(control);
    if (p->widget == Widget::TypedChoice) {
        // Setting the text selects the item it names, or none, and keeps it as it is.
        fields.setText(control, shown);
        return;
    }
    const int item = shownItem(fields, control);
    const std::string itemText = item >= 0 && item < static_cast<int>(p->items.size())
                                     ? p->items[static_cast<std::size_t>(item)]
                                     : std::string();
    if (shown != itemText || fields.selectedIndex(control) != item) {
        fields.setText(control, itemText);
    }
}

void settleCombos(Block block, Fields& fields) {
    for (const FieldLayout& field : layout(block).fields) {
        settleCombo(field.control, fields);
        if (!field.partner.empty()) {
            settleCombo(field.partner, fields);
        }
    }
}

std::optional<Refusal> checkFieldWidths(Block block, const Fields& fields) {
    return firstTooWide(layout(block), fields);
}

std::optional<Refusal> checkFieldWidthsForFlash(const Fields& fields) {
    for (const Block block : kAllBlocks) {
        if (auto refusal = firstTooWide(layout(block), fields)) {
            return refusal;
        }
    }
    return std::nullopt;
}

} // namespace morvent
