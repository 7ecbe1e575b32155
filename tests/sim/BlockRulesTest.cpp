#include "BlockRules.h"

#include <gtest/gtest.h>

#include <set>

namespace morvent {
namespace {

const ControllerRatings kFactoryRatings = ratingsFromIdentity(factoryIdentity());

TEST(SimBlockRules, FactoryImagesPassTheirOwnRules) {
    EXPECT_EQ(kFactoryRatings.voltageClass, 2);
    EXPECT_EQ(kFactoryRatings.maxCurrent, 25);
    for (Command block : kParameterBlockCodes) {
        const Bytes image = factoryImage(block);
        ASSERT_EQ(image.size(), parameterBlockLength(block));
        const auto rules = acceptanceRules(block, kFactoryRatings);
        EXPECT_EQ(firstRejectedByte(rules, image), image.size()) << int(code(block));
    }
}

TEST(SimBlockRules, EveryPayloadByteHasARule) {
    for (Command block : kParameterBlockCodes) {
        std::set<std::size_t> covered;
        for (const AcceptanceRule& rule : acceptanceRules(block, kFactoryRatings)) {
            for (std::size_t i = 0; i < rule.width; ++i) {
                covered.insert(rule.index + i);
            }
        }
        EXPECT_EQ(covered.size(), *parameterBlockLength(block)) << int(code(block));
        EXPECT_EQ(*covered.rbegin(), *parameterBlockLength(block) - 1) << int(code(block));
    }
}

TEST(SimBlockRules, CutOffBandFollowsTheVoltageClass) {
    struct Case {
        std::uint8_t voltageClass;
        std::uint8_t low;
        std::uint8_t high;
    };
    const Case cases[] = {{0, 18, 22}, {1, 28, 32}, {2, 38, 43},  {3, 48, 55},
                          {4, 18, 43}, {5, 18, 55}, {255, 18, 55}};
    for (const Case& c : cases) {
        const auto rules = acceptanceRules(Command::Basic, {c.voltageClass, 25});
        Bytes basic = factoryImage(Command::Basic);
        for (const auto& [volts, accepted] :
             {std::pair{c.low - 1, false}, {c.low, true}, {c.high, true}, {c.high + 1, false}}) {
            basic[0] = static_cast<std::uint8_t>(volts);
            EXPECT_EQ(firstRejectedByte(rules, basic), accepted ? kBasicLength : 0)
                << "class " << int(c.voltageClass) << ", " << volts << " V";
        }
    }
}

} // namespace
} // namespace morvent
