// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// Any bytes one receive event may deliver, taken as every kind of reply: a block read reply and
// a write acknowledgement for each block, the identity, the firmware text and the live readings.
// Each goes through the checksum test and the decoder the dispatcher uses.

#include "BlockCodec.h"
#include "FieldStore.h"
#include "FuzzCheck.h"
#include "IdentityReply.h"
#include "LiveReadingsReply.h"
#include "NumberConversion.h"
#include "ParameterTable.h"
#include "StatusTable.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

using namespace morvent;

namespace {

bool validUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
        } else if (lead >= 0x80) {
            return false;
        }
        if (i + extra >= text.size()) {
            return false;
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += 1 + extra;
    }
    return true;
}

std::size_t codePoints(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text) {
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return n;
}

// The block's combo boxes filled as the window fills them; nothing else, to keep runs fast.
const FieldStore& window(const BlockLayout& block) {
    static const std::array<FieldStore, kAllBlocks.size()> stores = [] {
        std::array<FieldStore, kAllBlocks.size()> all;
        for (const Block b : kAllBlocks) {
            for (const FieldLayout& field : layout(b).fields) {
                for (const std::string& control : {field.control, field.partner}) {
                    if (const Parameter* p = parameter(control); p && !p->items.empty()) {
                        const auto& items = p->items;
                        all[static_cast<std::size_t>(b)].setItems(control, items);
                    }
                }
            }
        }
        return all;
    }();
    return stores[static_cast<std::size_t>(block.block)];
}

// Every control the block reaches holds the same in both stores.
bool sameBlockValues(const BlockLayout& block, const FieldStore& a, const FieldStore& b) {
    for (const FieldLayout& field : block.fields) {
        for (const std::string& control : {field.control, field.partner}) {
            if (!control.empty() && (a.text(control) != b.text(control) ||
                                     a.selectedIndex(control) != b.selectedIndex(control))) {
                return false;
            }
        }
    }
    return true;
}

void blockReply(const BlockLayout& block, std::span<const std::uint8_t> reply) {
    static_cast<void>(readReplyFlaw(block.command, reply));
    FieldStore fields = window(block);
    applyReadReply(block.block, reply, fields);
    for (const FieldLayout& field : block.fields) {
        const int index = fields.selectedIndex(field.control);
        FUZZ_CHECK(index >= -1 && index < std::max(1, fields.itemCount(field.control)));
    }

    // What a controller reply put into the controls fits the wire and goes back unchanged.
    Bytes payload;
    try {
        FUZZ_CHECK(!checkFieldWidths(block.block, fields));
        payload = buildPayload(block.block, fields);
    } catch (const ConversionError&) {
        // Only a wheel code outside the list leaves a control without a number.
        FUZZ_CHECK(block.block == Block::Basic && fields.selectedIndex("ComboBox4") == -1);
        return;
    }
    FUZZ_CHECK(payload.size() == block.length);
    FieldStore again = window(block);
    applyReadReply(block.block, readReply(block.command, payload), again);
    FUZZ_CHECK(sameBlockValues(block, fields, again));
    FUZZ_CHECK(buildPayload(block.block, again) == payload);
}

void acknowledgement(const BlockLayout& block, std::span<const std::uint8_t> reply) {
    static_cast<void>(acknowledgementFlaw(block.command, reply));
    const StatusOutcome outcome = interpretStatus(block.block, replyByte(reply, 1));
    if (outcome.kind == StatusKind::FieldRefused) {
        FUZZ_CHECK(outcome.refusal.message.starts_with("The "));
        FUZZ_CHECK(!outcome.refusal.control.empty());
        FUZZ_CHECK(outcome.refusal.page == block.page);
    }
}

void identity(std::span<const std::uint8_t> reply) {
    static_cast<void>(readReplyFlaw(Command::Identity, reply));
    FieldStore fields;
    FUZZ_CHECK(applyIdentity(reply, fields) == replyByte(reply, 17));
    for (const char* label : {"Label6", "Label7", "Label8", "Label9", "Label10", "Label11"}) {
        FUZZ_CHECK(validUtf8(fields.text(label)));
    }
    // One character per byte, whatever the byte.
    FUZZ_CHECK(codePoints(fields.text("Label6")) == std::string_view("Manufacturer:").size() + 4);
    FUZZ_CHECK(fields.itemCount("ComboBox3") >= 5);

    static_cast<void>(readReplyFlaw(Command::FirmwareText, reply));
    applyFirmwareText(reply, fields);
    FUZZ_CHECK(validUtf8(fields.text("Label9")));
    FUZZ_CHECK(codePoints(fields.text("Label9")) ==
               std::string_view("Firmware Ver:").size() + replyByte(reply, 1));
}

void liveReadings(std::span<const std::uint8_t> reply) {
    static_cast<void>(readReplyFlaw(Command::LiveReadings, reply));
    FieldStore fields;
    applyLiveReadings(reply, fields);
    for (const FieldLayout& field : liveReadingFields()) {
        const std::int32_t v = toInteger(fields.text(field.control));
        FUZZ_CHECK(v >= 0 && v < (field.width == 2 ? 0x10000 : 0x100));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> reply(data, size);
    for (const Block b : kAllBlocks) {
        blockReply(layout(b), reply);
        acknowledgement(layout(b), reply);
    }
    identity(reply);
    liveReadings(reply);
    return 0;
}
