#include "ParameterFile.h"

#include "ComboItems.h"
#include "FieldStore.h"
#include "NumberConversion.h"
#include "ParameterFileFixture.h"
#include "ParameterTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace morvent::test {
namespace {

namespace fs = std::filesystem;

FieldStore windowFields() {
    FieldStore fields;
    fillParameterCombos(fields);
    return fields;
}

// Every control with a value of its own, so a value that lands in the wrong control shows.
FieldStore distinctSet(int seed) {
    FieldStore fields = windowFields();
    fillWithDistinctValues(fields, seed);
    return fields;
}

// The file a save writes where there was none: each section in order, CR LF line ends.
std::string newFileText(const Fields& fields) {
    std::string text;
    std::string_view section;
    for (const ParameterRow& row : parameterRows()) {
        if (row.section != section) {
            section = row.section;
            text += "[" + std::string(section) + "]\r\n";
        }
        const int value = row.kind == ParameterKind::Number ? toInteger(fields.text(row.control))
                                                            : fields.selectedIndex(row.control);
        text += row.key + "=" + std::to_string(value) + "\r\n";
    }
    return text;
}

class ParameterFileTest : public testing::Test {
protected:
    TempDir dir;
};

TEST_F(ParameterFileTest, NewFileHasSectionsInOrderCrLfAndDecimalValues) {
    FieldStore fields = distinctSet(2);
    fields.setText("Edit1", "0x1A");
    fields.setText("Edit91", " -$10");
    SaveParameterFile(fields, dir.path("new.el"));
    const std::string text = readText(dir.path("new.el"));
    EXPECT_EQ(text, newFileText(fields));
    EXPECT_NE(text.find("\r\nLC=26\r\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("\r\nSDS100=-16\r\n"));
}

// Hand edits and other tools' entries: comments, blank lines, a foreign section holding a key
// of the same name as one of ours, a foreign key inside our section, another spelling.
std::string decorated(std::string text) {
    const auto replace = [&](const std::string& from, const std::string& to) {
        const std::size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
    };
    text = "; saved by hand\r\n\r\n[Foreign]\r\nLC=999\r\n\r\n" + text;
    replace("[Pedal Assist]\r\n", "[Pedal Assist]\r\n; pedal\r\nOwnKey=5\r\n");
    replace("\r\nLC=", "\r\n  lc = ");
    replace("\r\n[Torque]", "\r\n\r\n[torque]");
    text += "[Tail]\r\nX=1";
    return text;
}

TEST_F(ParameterFileTest, SavingOverAFileReplacesValuesInPlaceAndKeepsEverythingElse) {
    const std::string path = dir.path("kept.el");
    writeText(path, decorated(newFileText(distinctSet(1))));
    const FieldStore second = distinctSet(2);
    SaveParameterFile(second, path);
    EXPECT_EQ(readText(path), decorated(newFileText(second)));
}

TEST_F(ParameterFileTest, MissingKeysAndSectionsAreAddedInTheFilesOwnLineEnds) {
    const std::string path = dir.path("part.el");
    writeText(path, "[Torque]\nBV=5\n; end\n");
    const FieldStore fields = distinctSet(3);
    SaveParameterFile(fields, path);
    const std::string text = readText(path);
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_TRUE(text.starts_with("[Torque]\nBV=3043\nEV0=3044\n")) << text.substr(0, 40);
    EXPECT_NE(text.find("\nSDS100=3102\n; end\n[Basic]\nLBP=3001\n"), std::string::npos);
    FieldStore loaded = windowFields();
    LoadParameterFile(loaded, path);
    EXPECT_EQ(snapshot(loaded), snapshot(fields));
}

struct SaveFailure {
    const char* name;
    std::function<void(FieldStore&)> spoil;
    const char* file; // relative to the temporary directory
    std::string message;
};

TEST_F(ParameterFileTest, FailedSaveLeavesTheFileAsItWas) {
    writeText(dir.path("plain"), "not a directory");
    fs::create_directory(dir.path("sub"));
    writeText(dir.path("old.el"), "[Basic]\r\nLC=1\r\n");
    const std::vector<SaveFailure> cases{
        {"empty field in the grid", [](FieldStore& f) { f.setText("Edit60", ""); }, "old.el",
         "'' is not a valid integer value"},
        {"voltage not a number", [](FieldStore& f) { f.setText("ComboBox3", "abc"); }, "new.el",
         "'abc' is not a valid integer value"},
        {"trailing blank", [](FieldStore& f) { f.setText("Edit91", "5 "); }, "old.el",
         "'5 ' is not a valid integer value"},
        {"no such directory", {}, "none/x.el", "Unable to write to " + dir.path("none/x.el")},
        {"directory is a file", {}, "plain/x.el", "Unable to write to " + dir.path("plain/x.el")},
        {"name of a directory", {}, "sub", "Unable to write to " + dir.path("sub")},
    };
    for (const SaveFailure& c : cases) {
        SCOPED_TRACE(c.name);
        FieldStore fields = distinctSet(4);
        if (c.spoil) {
            c.spoil(fields);
        }
        const auto before = dir.contents();
        try {
            SaveParameterFile(fields, dir.path(c.file));
            ADD_FAILURE() << "saved";
        } catch (const std::exception& e) {
            EXPECT_EQ(e.what(), c.message);
        }
        EXPECT_EQ(dir.contents(), before);
    }
}

TEST_F(ParameterFileTest, ReplacingKeepsTheFilesModeAndFollowsLinks) {
    writeText(dir.path("real.el"), "");
    fs::permissions(dir.path("real.el"), fs::perms(0640));
    fs::create_symlink("real.el", dir.path("link.el"));
    SaveParameterFile(distinctSet(5), dir.path("link.el"));
    EXPECT_TRUE(fs::is_symlink(dir.path("link.el")));
    EXPECT_EQ(fs::status(dir.path("real.el")).permissions(), fs::perms(0640));
    EXPECT_EQ(readText(dir.path("real.el")), newFileText(distinctSet(5)));
}

TEST_F(ParameterFileTest, LoadReadsValuesByTheNumberRule) {
    writeText(dir.path("odd.el"), "[basic]\nlc=0x1A\nALC0=  $1f\nALC1=-5\nALC2=abc\nALC3=\n"
                                  "ALC4=12 ;note\nALC5=\"7\"\nALC6=99999999999\nWD=-1\nSMM=99\n"
                                  "[Pedal Assist]\nPT=0X2\n[Throttle Handle]\nDA=x1\n");
    FieldStore fields = distinctSet(6);
    LoadParameterFile(fields, dir.path("odd.el"));
    const std::vector<std::pair<const char*, const char*>> texts{
        {"Edit1", "26"}, {"edit2", "31"}, {"Edit3", "-5"}, {"Edit4", "0"},
        {"Edit5", "0"},  {"Edit6", "0"},  {"Edit7", "7"},  {"Edit8", "0"}};
    for (const auto& [control, text] : texts) {
        EXPECT_EQ(fields.text(control), text) << control;
    }
    EXPECT_EQ(fields.selectedIndex("ComboBox4"), -1);
    EXPECT_EQ(fields.selectedIndex("ComboBox5"), -1);
    EXPECT_EQ(fields.selectedIndex("ComboBox6"), 2);
    EXPECT_EQ(fields.selectedIndex("ComboBox12"), 1);
    // Rows the file lacks read as 0 too.
    EXPECT_EQ(fields.text("Edit22"), "0");
}

TEST_F(ParameterFileTest, FileOfNoneOfTheKeysLoadsZeroAndEachListsFirstItem) {
    writeText(dir.path("empty.el"), "[Other]\r\nLC=5\r\n");
    FieldStore fields = distinctSet(7);
    LoadParameterFile(fields, dir.path("empty.el"));
    for (const ParameterRow& row : parameterRows()) {
        if (row.kind == ParameterKind::Number) {
            EXPECT_EQ(fields.text(row.control), "0") << row.control;
        } else {
            EXPECT_EQ(fields.selectedIndex(row.control), 0) << row.control;
            EXPECT_EQ(fields.text(row.control), comboItems(row.control).front()) << row.control;
        }
    }
}

TEST_F(ParameterFileTest, UnreadableFileChangesNoControl) {
    fs::create_directory(dir.path("sub"));
    for (const char* file : {"missing.el", "sub", "sub/missing.el"}) {
        FieldStore fields = distinctSet(8);
        try {
            LoadParameterFile(fields, dir.path(file));
            ADD_FAILURE() << file << " loaded";
        } catch (const ParameterFileError& e) {
            EXPECT_EQ(e.what(), "Unable to read " + dir.path(file));
        }
        EXPECT_EQ(snapshot(fields), snapshot(distinctSet(8))) << file;
    }
}

} // namespace
} // namespace morvent::test
