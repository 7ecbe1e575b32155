#include "ParameterTable.h"

#include "BlockLayout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace morvent {
namespace {

// The file holds every control the four blocks are built from, once each and nothing else, in
// sections that come in page order with keys unique within each; only the lists used by position
// are stored by index.
TEST(ParameterTableTest, CoversEveryBlockControlOnceInPageOrder) {
    std::multiset<std::string> fromBlocks;
    std::set<std::string> byPosition;
    for (const Block block : kAllBlocks) {
        for (const FieldSpec& field : layout(block).fields) {
            fromBlocks.insert(field.control);
            if (field.encoding == Encoding::ComboIndex || field.encoding == Encoding::WheelSize) {
                byPosition.insert(field.control);
            }
            if (!field.partner.empty()) {
                fromBlocks.insert(field.partner);
                byPosition.insert(field.partner);
            }
        }
    }
    std::multiset<std::string> inFile;
    std::set<std::pair<std::string_view, std::string>> keys;
    std::vector<std::string_view> sections;
    for (const ParameterRow& row : parameterRows()) {
        inFile.insert(row.control);
        EXPECT_TRUE(keys.insert({row.section, row.key}).second) << row.key;
        EXPECT_EQ(row.kind == ParameterKind::SelectedIndex, byPosition.contains(row.control));
        if (sections.empty() || sections.back() != row.section) {
            sections.push_back(row.section);
        }
    }
    EXPECT_EQ(inFile, fromBlocks);
    EXPECT_EQ(sections, (std::vector<std::string_view>{kBasicSection, kPedalAssistSection,
                                                       kThrottleHandleSection, kTorqueSection}));
}

TEST(ParameterTableTest, RowsBindTheirKeysToTheirControls) {
    const std::vector<std::tuple<std::size_t, const char*, const char*>> rows{
        {1, "LBP", "ComboBox3"}, {3, "ALC0", "edit2"},    {13, "ALBP0", "Edit12"},
        {25, "SMS", "Edit22"},   {36, "KC", "Edit31"},    {40, "DA", "ComboBox12"},
        {50, "DV4", "Edit39"},   {54, "SBT", "Edit43"},   {60, "SS100", "Edit49"},
        {61, "FS0", "Edit50"},   {98, "SDS20", "Edit87"}, {102, "SDS100", "Edit91"}};
    ASSERT_EQ(parameterRows().size(), 102u);
    for (const auto& [number, key, control] : rows) {
        EXPECT_EQ(parameterRows()[number - 1].key, key) << number;
        EXPECT_EQ(parameterRows()[number - 1].control, control) << number;
    }
}

} // namespace
} // namespace morvent
