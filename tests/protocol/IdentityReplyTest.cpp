// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "IdentityReply.h"
#include "LiveReadingsReply.h"
#include "TestFields.h"

#include <gtest/gtest.h>

namespace morvent {
namespace {

using test::hex;

// Bytes above ASCII become their Latin-1 characters.
const Bytes kExample = hex("51 10 E9 80 FF 4E 50 51 52 53 B5 30 31 32 33 34 02 19 27");

TEST(IdentityReply, ShowsTheSixCaptionsAndTheVoltageList) {
    FieldStore fields;
    EXPECT_EQ(applyIdentity(kExample, fields), 25);
    EXPECT_EQ(fields.text("Label6"), "Manufacturer:\u00E9\u0080\u00FFN");
    EXPECT_EQ(fields.text("Label7"), "Model:PQRS");
    EXPECT_EQ(fields.text("Label8"), "Harware Ver: V\u00B5.0");
    EXPECT_EQ(fields.text("Label9"), "Firmware Ver: V1.2.3.4");
    EXPECT_EQ(fields.text("Label10"), "Nominal Voltage: 48V");
    EXPECT_EQ(fields.text("Label11"), "Max.Current: 25A");
}

// The nominal voltage's caption, and the low-battery choices: every volt of the class's range.
TEST(IdentityReply, VoltageClassSetsCaptionAndLowBatteryChoices) {
    const std::tuple<std::uint8_t, const char*, int, int> classes[] = {
        {0, "24V", 18, 22},    {1, "36V", 28, 32},    {2, "48V", 38, 43},     {3, "60V", 48, 55},
        {4, "24-48V", 18, 43}, {5, "24-60V", 18, 55}, {255, "24-60V", 18, 55}};
    for (const auto& [code, caption, lowest, highest] : classes) {
        Bytes reply = kExample;
        reply[16] = code;
        FieldStore fields;
        applyIdentity(reply, fields);
        EXPECT_EQ(fields.text("Label10"), std::string("Nominal Voltage: ") + caption);
        std::vector<std::string> volts;
        for (int v = lowest; v <= highest; ++v) {
            volts.push_back(std::to_string(v));
        }
        EXPECT_EQ(fields.items("ComboBox3"), volts) << caption;
    }
}

TEST(LiveReadings, FillTheFiveReadOnlyFieldsHighByteFirst) {
    FieldStore fields;
    applyLiveReadings(hex("56 09 01 2C 01 00 64 00 C8 03 E8 A4"), fields);
    test::expectHolds(fields, "Edit92=300 Edit93=1 Edit94=100 Edit95=200 Edit96=1000");
    applyLiveReadings(hex("56 09 FF FF FF FF FF FF FF FF FF 56"), fields);
    test::expectHolds(fields, "Edit92=65535 Edit93=255 Edit94=65535 Edit95=65535 Edit96=65535");
}

} // namespace
} // namespace morvent
