#include "IniDocument.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace morvent {
namespace {

struct Lookup {
    const char* name;
    const char* text;
    const char* section;
    const char* key;
    std::optional<std::string> value;
};

TEST(IniDocumentTest, FindsValuesAsTheProfileFunctionsDo) {
    const std::vector<Lookup> cases{
        {"plain", "[Basic]\r\nLC=25\r\n", "Basic", "LC", "25"},
        {"LF line ends", "[Basic]\nLC=25\n", "Basic", "LC", "25"},
        {"no line end at the end", "[Basic]\r\nLC=25", "Basic", "LC", "25"},
        {"names in any case", "[bASIC]\r\nlc=25\r\n", "Basic", "LC", "25"},
        {"blanks around names and value", "  [ Basic ]  \r\n\t LC \t=  25 \t\r\n", "Basic", "LC",
         "25"},
        {"one pair of quotes", "[Basic]\r\nLC=\"25\"\r\n", "Basic", "LC", "25"},
        {"the first section of a name", "[Basic]\r\nLC=1\r\n[Basic]\r\nLC=2\r\n", "Basic", "LC",
         "1"},
        {"the first key of a name", "[Basic]\r\nLC=1\r\nLC=2\r\n", "Basic", "LC", "1"},
        {"a key in another section", "[Torque]\r\nLC=1\r\n[Basic]\r\nX=2\r\n", "Basic", "LC",
         std::nullopt},
        {"a key before any section", "LC=1\r\n[Basic]\r\n", "Basic", "LC", std::nullopt},
        {"a commented key", "[Basic]\r\n;LC=1\r\n", "Basic", "LC", std::nullopt},
        {"a key without equals sign", "[Basic]\r\nLC\r\n", "Basic", "LC", std::nullopt},
        {"an empty value", "[Basic]\r\nLC=\r\n", "Basic", "LC", ""},
        {"a section with a blank in its name", "[Pedal Assist]\r\nDA=3\r\n", "Pedal Assist", "DA",
         "3"},
        {"a byte order mark", "\xEF\xBB\xBF[Basic]\r\nLC=4\r\n", "Basic", "LC", "4"},
        {"a lone CR is no line end", "[Basic]\rLC=4\r\n", "Basic", "LC", std::nullopt},
    };
    for (const Lookup& c : cases) {
        EXPECT_EQ(IniDocument(c.text).value(c.section, c.key), c.value) << c.name;
    }
}

struct Edit {
    const char* name;
    const char* before;
    const char* section;
    const char* key;
    const char* after;
};

TEST(IniDocumentTest, SetValueChangesOnlyWhatItMust) {
    const std::vector<Edit> cases{
        {"a new text", "", "Basic", "LC", "[Basic]\r\nLC=7\r\n"},
        {"value replaced, key spelling and blanks kept", "[basic]\r\n  lc = 25 \r\nX=1\r\n",
         "Basic", "LC", "[basic]\r\n  lc = 7\r\nX=1\r\n"},
        {"quoted value replaced", "[Basic]\r\nLC=\"25\"\r\n", "Basic", "LC", "[Basic]\r\nLC=7\r\n"},
        {"key added after the section's last entry",
         "[Basic]\r\nA=1\r\n; about B\r\n\r\n[Torque]\r\nB=2\r\n", "Basic", "LC",
         "[Basic]\r\nA=1\r\nLC=7\r\n; about B\r\n\r\n[Torque]\r\nB=2\r\n"},
        {"key added to an empty section", "[Basic]\r\n\r\n[Torque]\r\n", "Basic", "LC",
         "[Basic]\r\nLC=7\r\n\r\n[Torque]\r\n"},
        {"key added to the last line lacking its line end", "[Basic]\r\nA=1", "Basic", "LC",
         "[Basic]\r\nA=1\r\nLC=7\r\n"},
        {"section added at the end", "; mine\r\n[Other]\r\nLC=1", "Basic", "LC",
         "; mine\r\n[Other]\r\nLC=1\r\n[Basic]\r\nLC=7\r\n"},
        {"LF text keeps LF", "[Other]\nX=1\n", "Basic", "LC", "[Other]\nX=1\n[Basic]\nLC=7\n"},
        {"first section of a name edited", "[Basic]\r\nA=1\r\n[Basic]\r\nLC=2\r\n", "Basic", "LC",
         "[Basic]\r\nA=1\r\nLC=7\r\n[Basic]\r\nLC=2\r\n"},
        {"same key elsewhere untouched", "[Torque]\r\nLC=1\r\n[Basic]\r\nLC=2\r\n", "Basic", "LC",
         "[Torque]\r\nLC=1\r\n[Basic]\r\nLC=7\r\n"},
    };
    for (const Edit& c : cases) {
        IniDocument document(c.before);
        document.setValue(c.section, c.key, "7");
        EXPECT_EQ(document.text(), c.after) << c.name;
        EXPECT_EQ(document.value(c.section, c.key), "7") << c.name;
    }
}

TEST(IniDocumentTest, TextComesBackByteForByte) {
    for (const char* text :
         {"", "\r\n", "\n\n", "[a]\r\nb=c\nd\r\r\n ;x\t", "\xEF\xBB\xBF=\r", "no line end"}) {
        EXPECT_EQ(IniDocument(text).text(), text);
    }
}

} // namespace
} // namespace morvent
