// The codecs against the simulated controller: values written through a write frame come back
// unchanged through a read reply.

#include "BlockCodec.h"
#include "ControllerModel.h"
#include "StatusTable.h"
#include "TestFields.h"

#include <gtest/gtest.h>

#include <random>

namespace morvent {
namespace {

// Any value the field's controls can carry to the wire.
void randomise(const FieldSpec& fieldSpec, std::mt19937& rng, Fields& fields) {
    const auto pick = [&rng](int lowest, int highest) {
        return std::uniform_int_distribution<int>(lowest, highest)(rng);
    };
    switch (fieldSpec.encoding) {
    case Encoding::Number:
        fields.setText(fieldSpec.control,
                       std::to_string(pick(0, fieldSpec.width == 2 ? 0xFFFF : 0xFF)));
        break;
    case Encoding::ComboIndex:
    case Encoding::WheelSize:
        fields.setSelectedIndex(fieldSpec.control,
                                pick(0, fields.itemCount(fieldSpec.control) - 1));
        break;
    case Encoding::SpeedMeter:
        fields.setSelectedIndex(fieldSpec.partner,
                                pick(0, fields.itemCount(fieldSpec.partner) - 1));
        fields.setText(fieldSpec.control, std::to_string(pick(0, 0x3F)));
        break;
    }
}

class BlockRoundTrip : public testing::TestWithParam<Block> {};

TEST_P(BlockRoundTrip, ValuesTheControllerAcceptsReadBackEqual) {
    const BlockLayout& block = layout(GetParam());
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        ControllerModel controller(seed);
        FieldStore written = test::windowFields();
        for (const FieldSpec& fieldSpec : block.fields) {
            randomise(fieldSpec, rng, written);
        }

        // Draw again whatever the controller refuses until it takes the whole block, so the
        // values end up uniform over what it accepts.
        Bytes payload;
        for (int attempt = 0;; ++attempt) {
            ASSERT_LT(attempt, 100000) << "the controller never took the block";
            ASSERT_EQ(checkFieldWidths(block.block, written), std::nullopt);
            payload = buildPayload(block.block, written);
            const auto replies = controller.feed(writeFrame(block.command, payload));
            ASSERT_EQ(replies.size(), 1u);
            const Bytes& ack = replies.front().bytes;
            ASSERT_TRUE(acknowledgementChecksumValid(ack));
            const StatusOutcome outcome = interpretStatus(block.block, replyByte(ack, 1));
            if (outcome.kind == StatusKind::Accepted) {
                break;
            }
            ASSERT_EQ(outcome.kind, StatusKind::FieldRefused);
            randomise(*fieldAtByte(block.block, replyByte(ack, 1)), rng, written);
        }
        EXPECT_EQ(controller.image(block.command), payload);

        const auto replies = controller.feed(readRequest(block.command));
        ASSERT_EQ(replies.size(), 1u);
        ASSERT_TRUE(readReplyChecksumValid(replies.front().bytes));
        FieldStore read = test::windowFields();
        applyReadReply(block.block, replies.front().bytes, read);
        for (const FieldSpec& fieldSpec : block.fields) {
            for (const std::string& control : {fieldSpec.control, fieldSpec.partner}) {
                if (!control.empty()) {
                    EXPECT_EQ(read.text(control), written.text(control)) << control;
                    EXPECT_EQ(read.selectedIndex(control), written.selectedIndex(control))
                        << control;
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Blocks, BlockRoundTrip, testing::ValuesIn(kAllBlocks),
                         [](const auto& info) {
                             std::string name(layout(info.param).title);
                             std::erase(name, ' ');
                             return name;
                         });

} // namespace
} // namespace morvent
