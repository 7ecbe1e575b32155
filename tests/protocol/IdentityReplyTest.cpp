#include "IdentityReply.h"
#include "TestFields.h"

#include <gtest/gtest.h>

namespace morvent {
namespace {

using test::hex;

const Bytes kExample = hex("51 10 4B 4C 4D 4E 50 51 52 53 31 30 31 32 33 34 02 19 1F");

TEST(IdentityReply, WorkedExampleShowsTheSixCaptionsAndTheVoltageList) {
    ASSERT_TRUE(identityChecksumValid(kExample));
    FieldStore fields = test::windowFields();
    fields.setText("ComboBox3", "20");
    EXPECT_EQ(applyIdentity(kExample, fields), 25);
    EXPECT_EQ(fields.text("Label6"), "Manufacturer:KLMN");
    EXPECT_EQ(fields.text("Label7"), "Model:PQRS");
    EXPECT_EQ(fields.text("Label8"), "Harware Ver: V1.0");
    EXPECT_EQ(fields.text("Label9"), "Firmware Ver: V1.2.3.4");
    EXPECT_EQ(fields.text("Label10"), "Nominal Voltage: 48V");
    EXPECT_EQ(fields.text("Label11"), "Max.Current: 25A");
    EXPECT_EQ(fields.items("ComboBox3"),
              (std::vector<std::string>{"38", "39", "40", "41", "42", "43"}));
}

TEST(IdentityReply, ChecksumMayAlsoBeFourteenBelowTheSum) {
    Bytes reply = kExample;
    reply.back() = 0x11;
    EXPECT_TRUE(identityChecksumValid(reply));
    reply.back() = 0x1E;
    EXPECT_FALSE(identityChecksumValid(reply));
    // Only the identity reply has the second form.
    reply.back() = 0x11;
    EXPECT_FALSE(readReplyChecksumValid(reply));
}

struct VoltageClass {
    std::uint8_t code;
    const char* caption;
    const char* first;
    const char* last;
    std::size_t count;
};

class IdentityVoltageClass : public testing::TestWithParam<VoltageClass> {};

TEST_P(IdentityVoltageClass, SetsCaptionAndLowBatteryChoices) {
    Bytes reply = kExample;
    reply[16] = GetParam().code;
    FieldStore fields;
    applyIdentity(reply, fields);
    EXPECT_EQ(fields.text("Label10"), GetParam().caption);
    const auto& items = fields.items("ComboBox3");
    ASSERT_EQ(items.size(), GetParam().count);
    EXPECT_EQ(items.front(), GetParam().first);
    EXPECT_EQ(items.back(), GetParam().last);
}

INSTANTIATE_TEST_SUITE_P(Codes, IdentityVoltageClass,
                         testing::Values(VoltageClass{0, "Nominal Voltage: 24V", "18", "22", 5},
                                         VoltageClass{1, "Nominal Voltage: 36V", "28", "32", 5},
                                         VoltageClass{2, "Nominal Voltage: 48V", "38", "43", 6},
                                         VoltageClass{3, "Nominal Voltage: 60V", "48", "55", 8},
                                         VoltageClass{4, "Nominal Voltage: 24-48V", "18", "43", 26},
                                         VoltageClass{5, "Nominal Voltage: 24-60V", "18", "55", 38},
                                         VoltageClass{255, "Nominal Voltage: 24-60V", "18", "55",
                                                      38}));

TEST(IdentityReply, BytesAboveAsciiBecomeTheirLatin1Characters) {
    Bytes reply = kExample;
    reply[2] = 0xE9;
    reply[3] = 0x80;
    reply[4] = 0xFF;
    reply[10] = 0xB5;
    reply[17] = 0;
    FieldStore fields;
    EXPECT_EQ(applyIdentity(reply, fields), 0);
    EXPECT_EQ(fields.text("Label6"), "Manufacturer:\u00E9\u0080\u00FFN");
    EXPECT_EQ(fields.text("Label8"), "Harware Ver: V\u00B5.0");
    EXPECT_EQ(fields.text("Label11"), "Max.Current: 0A");
}

TEST(FirmwareText, ReplacesTheVersionWithTheTextWhateverTheChecksum) {
    FieldStore fields;
    const Bytes reply = readReply(Command::FirmwareText, hex("56 32 2E 35 62"));
    EXPECT_TRUE(readReplyChecksumValid(reply));
    applyFirmwareText(reply, fields);
    EXPECT_EQ(fields.text("Label9"), "Firmware Ver:V2.5b");

    applyFirmwareText(hex("50 00 50"), fields);
    EXPECT_EQ(fields.text("Label9"), "Firmware Ver:");

    const Bytes wrong = hex("50 02 41 42 00");
    EXPECT_FALSE(readReplyChecksumValid(wrong));
    EXPECT_EQ(firmwareTextCaption(wrong), "Firmware Ver:AB");
}

} // namespace
} // namespace morvent
