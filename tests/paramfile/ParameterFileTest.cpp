// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ParameterFile.h"

#include "BlockLayout.h"
#include "FileIo.h"
#include "IniDocument.h"
#include "ParameterFileFixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <thread>

namespace morvent::test {
namespace {

namespace fs = std::filesystem;

// Each row reads the key LC of a text, sets it to 7, and shows the whole text after: names are
// compared as the platform's profile functions compare them, only the value of the key's line
// changes, a missing key is added after its section's last entry and a missing section at the
// end, in the text's own line ends, and every other line stays byte for byte.
TEST(IniDocumentTest, ReadsAndSetsAKeyAsTheProfileFunctionsDo) {
    const struct {
        const char* name;
        const char* before;
        const char* section;
        std::optional<std::string> value;
        const char* after;
    } cases[] = {
        {"a new text", "", "Basic", std::nullopt, "[Basic]\r\nLC=7\r\n"},
        {"names in any case, blanks around them kept",
         "  [ bASIC ]  \r\n\t lc \t=  25 \t\r\nX=1\r\n", "Basic", "25",
         "  [ bASIC ]  \r\n\t lc \t=  7\r\nX=1\r\n"},
        {"one pair of quotes", "[Basic]\r\nLC=\"25\"\r\n", "Basic", "25", "[Basic]\r\nLC=7\r\n"},
        {"an empty value", "[Basic]\nLC=\n", "Basic", "", "[Basic]\nLC=7\n"},
        {"the first section and the first key of a name",
         "[Basic]\r\nLC=1\r\nLC=3\r\n[Basic]\r\nLC=2\r\n", "Basic", "1",
         "[Basic]\r\nLC=7\r\nLC=3\r\n[Basic]\r\nLC=2\r\n"},
        {"no key before any section, in another one, commented or without equals sign",
         "LC=0\r\n[Torque]\r\nLC=1\r\n[Basic]\r\n;LC=2\r\nLC\r\nA=1\r\n; about B\r\n\r\n"
         "[Torque]\r\nB=2\r\n",
         "Basic", std::nullopt,
         "LC=0\r\n[Torque]\r\nLC=1\r\n[Basic]\r\n;LC=2\r\nLC\r\nA=1\r\nLC=7\r\n; about B\r\n\r\n"
         "[Torque]\r\nB=2\r\n"},
        {"an empty section", "[Basic]\r\n\r\n[Torque]\r\n", "Basic", std::nullopt,
         "[Basic]\r\nLC=7\r\n\r\n[Torque]\r\n"},
        {"a last line without its line end", "[Basic]\r\nA=1", "Basic", std::nullopt,
         "[Basic]\r\nA=1\r\nLC=7\r\n"},
        {"a section added in the first line's line ends", "; mine\n[Other]\r\nX=1", "Basic",
         std::nullopt, "; mine\n[Other]\r\nX=1\n[Basic]\nLC=7\n"},
        {"a byte order mark, mixed line ends and a lone CR",
         "\xEF\xBB\xBF[Basic]\r\nLC=4\nd\r\r\n ;x\t", "Basic", "4",
         "\xEF\xBB\xBF[Basic]\r\nLC=7\nd\r\r\n ;x\t"},
        {"a lone CR ends no line", "[Basic]\rLC=4\r\n", "Basic", std::nullopt,
         "[Basic]\rLC=4\r\nLC=7\r\n"},
        {"a section with a blank in its name", "[Pedal Assist]\r\nLC=3\r\n", "Pedal Assist", "3",
         "[Pedal Assist]\r\nLC=7\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        IniDocument document(c.before);
        EXPECT_EQ(document.value(c.section, "LC"), c.value);
        document.setValue(c.section, "LC", "7");
        EXPECT_EQ(document.text(), c.after);
        EXPECT_EQ(document.value(c.section, "LC"), "7");
    }
}

// Keys are unique within their sections; the lists that travel by position are kept by index.
TEST(ParameterTableTest, KeysAreUniqueAndListsByPositionKeptByIndex) {
    std::set<std::pair<std::string_view, std::string>> keys;
    for (const Parameter& row : parameterTable()) {
        EXPECT_TRUE(keys.insert({row.section(), row.key}).second) << row.key;
        EXPECT_EQ(row.kind == ParameterKind::SelectedIndex,
                  row.widget == Widget::Choice || row.encoding == Encoding::WheelSize);
    }
}

// A new file holds each value in decimal under its page's section, sections in page order, with
// CR LF line ends; saving over a file changes only the values.
TEST_F(ParameterFileTest, SavingWritesEveryValueAndKeepsWhatElseTheFileHolds) {
    FieldStore fields = distinctSet(2);
    fields.setText("Edit1", "0x1A");
    fields.setText("Edit91", " -$10");
    SaveParameterFile(fields, path("new.el"), scratchReplaced());
    const std::string text = readText(path("new.el"));
    std::size_t at = 0;
    for (const Block block : kAllBlocks) { // one line more each: no other section
        at = text.find("[" + std::string(layout(block).title) + "]\r\n", at);
        EXPECT_NE(at, std::string::npos) << layout(block).title;
    }
    const auto count = static_cast<std::ptrdiff_t>(parameterTable().size() + kAllBlocks.size());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), count);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), count);
    EXPECT_NE(text.find("\r\nLC=26\r\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("\r\nSDS100=-16\r\n"));
    fields.setText("Edit1", "26");
    fields.setText("Edit91", "-16");
    EXPECT_EQ(loaded("new.el"), snapshot(fields));

    // Lines of other tools and of hand edits stay where they were.
    const auto decorated = [](std::string text) {
        text.replace(text.find("\r\nLC="), 5, "\r\n  lc = ");
        text.insert(text.find("[Torque]"), "; by hand\r\n\r\nOwnKey=5\r\n");
        return "[Foreign]\r\nLC=999\r\n" + text + "[Tail]\r\nX=1";
    };
    writeText(path("kept.el"), decorated(savedText(distinctSet(1))));
    SaveParameterFile(distinctSet(2), path("kept.el"), scratchReplaced());
    EXPECT_EQ(readText(path("kept.el")), decorated(savedText(distinctSet(2))));
}

TEST_F(ParameterFileTest, AFailedSaveLeavesTheFileAsItWas) {
    writeText(path("plain"), "not a directory");
    fs::create_directory(path("sub"));
    writeText(path("old.el"), "[Basic]\r\nLC=1\r\n");
    // Too large to be read whole, so its other lines could not be kept.
    writeText(path("big.el"), "");
    fs::resize_file(path("big.el"), kParameterFileLimit + 1);
    // Within the limit, but not with the values added to it.
    writeText(path("full.el"), "[Notes]\r\nN=" + std::string(kParameterFileLimit - 20, 'n'));
    // Files a load refuses for what they are get no sections added, and a link to nothing stays.
    writeText(path("utf16.el"), std::string("\xFF\xFE[\0B\0]\0", 8));
    writeText(path("binary.el"), std::string("[Basic]\r\nLC=1\0\r\n", 15));
    // What a save replaces cannot be kept where a file stands in the folder's way.
    writeText(path("blocked"), "");
    const std::string binary =
        ": it is not a parameter file: it is UTF-16 or binary, not 8-bit text";
    const auto held = [](const std::string& shown) {
        return shown + ", which a parameter file cannot hold";
    };
    const auto refused = [this](const std::string& file, const std::string& why) {
        return "Unable to write to " + path(file) + why;
    };
    struct Case {
        const char* control; // given a text that is no number
        const char* text;
        std::string file;
        std::string message;
    };
    std::vector<Case> cases = {
        {"Edit60", "", "old.el", "'' is not a valid integer value"},
        {"ComboBox3", "abc", "new.el", "'abc' is not a valid integer value"},
        {"Edit91", "5 ", "old.el", "'5 ' is not a valid integer value"},
        // What a list shows that the file has no number for: the one size whose place would read
        // as "nothing selected", and texts that name no item.
        {"ComboBox4", "15", "old.el", held("Wheel Diameler(Inch) on the Basic page shows 15")},
        {"ComboBox4", "x", "new.el", held("Wheel Diameler(Inch) on the Basic page shows x")},
        {"ComboBox11", "Fast", "old.el", held("Mode on the Throttle Handle page shows Fast")},
        {nullptr, nullptr, "none/x.el", "Unable to write to " + path("none/x.el")},
        {nullptr, nullptr, "plain/x.el", "Unable to write to " + path("plain/x.el")},
        {nullptr, nullptr, "sub", "Unable to write to " + path("sub")},
        {nullptr, nullptr, "big.el",
         refused("big.el", ". At more than 1 MiB it is not a parameter file")},
        {nullptr, nullptr, "full.el",
         refused("full.el", ". At more than 1 MiB it is not a parameter file")},
        {nullptr, nullptr, "utf16.el", refused("utf16.el", binary)},
        {nullptr, nullptr, "binary.el", refused("binary.el", binary)},
        {nullptr, nullptr, "old.el",
         refused("old.el", ": Unable to keep a copy in " +
                               ReplacedFiles(path("blocked")).folderFor(path("old.el")) +
                               ": Not a directory, so nothing was changed")},
    };
    for (const RefusedSave& row : systemRefusedSaves(dir)) {
        cases.push_back({nullptr, nullptr, row.file, row.message});
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        FieldStore fields = distinctSet(4);
        if (c.control) {
            fields.setText(c.control, c.text);
        }
        const auto before = contents(dir);
        EXPECT_EQ(saveRefusal(fields, path(c.file), ReplacedFiles(path("blocked"))), c.message);
        EXPECT_EQ(contents(dir), before);
    }
}

// What a list shows is what a load puts back: a wheel size typed beyond the list (kept as the
// place it would have in a list of every size) and an item shown but not selected, as
// "Disignated Assist:" is when the window starts.
TEST_F(ParameterFileTest, WhatTheListsShowSurvivesSaveThenLoad) {
    const auto texts = [](const Fields& fields) {
        std::vector<std::string> all;
        for (const Parameter& row : parameterTable()) {
            all.push_back(row.control + "=" + fields.text(row.control));
        }
        return all;
    };
    const std::pair<const char*, const char*> cases[] = {{"ComboBox4", "31"},
                                                         {"ComboBox4", "127"},
                                                         {"ComboBox4", "12"},
                                                         {"ComboBox4", "700C"},
                                                         {"ComboBox4", ""},
                                                         {"ComboBox7", "By Display's Command"},
                                                         {"ComboBox10", "Undeterminated"}};
    for (const auto& [control, text] : cases) {
        SCOPED_TRACE(std::string(control) + "=" + text);
        FieldStore fields = distinctSet(3);
        fields.set(control, text, -1);
        SaveParameterFile(fields, path("shown.el"), scratchReplaced());
        FieldStore back = distinctSet(4);
        LoadParameterFile(back, path("shown.el"));
        EXPECT_EQ(texts(back), texts(fields));
    }
}

// Values by the number rule; a missing key, a value that is no whole number and a key in a
// foreign section read as 0, for a list its first item; an index outside a list selects nothing.
TEST_F(ParameterFileTest, LoadGivesEveryControlTheFilesValueOrZero) {
    // Padded to the size a file may have, exactly.
    const std::string head = "[Other]\nSS0=5\nPAD=";
    const std::string rest = "\n[basic]\nlc=0x1A\nALC0=abc\nalc1=-5\nWD=-1\n"
                             "SMM=99\n[Pedal Assist]\nPT=2\n[Throttle Handle]\nDA=1\n";
    writeText(path("odd.el"),
              head + std::string(kParameterFileLimit - head.size() - rest.size(), 'y') + rest);
    const std::map<std::string, std::string> given{{"Edit1", "=26"},     {"Edit3", "=-5"},
                                                   {"ComboBox4", "#-1"}, {"ComboBox5", "#-1"},
                                                   {"ComboBox6", "#2"},  {"ComboBox12", "#1"}};
    std::vector<std::string> expected;
    for (const Parameter& row : parameterTable()) {
        const bool number = row.kind == ParameterKind::Number;
        expected.push_back(row.control + (given.contains(row.control) ? given.at(row.control)
                                          : number                    ? "=0"
                                                                      : "#0"));
    }
    EXPECT_EQ(loaded("odd.el"), expected);
}

// What a save replaces is in replaced/NAME-HASH/ first, byte for byte, under its number, UTC time
// and the name's extension, beside the path it came from; a save that replaces nothing (a new,
// empty or same file) keeps nothing.
TEST_F(ParameterFileTest, EverySaveThatChangesAFileKeepsWhatItHeld) {
    const ReplacedFiles replaced(path("replaced"));
    const std::string kept = replaced.folder() + "/";
    const std::string other = "[Notes]\nkept=yes\n" + savedText(distinctSet(3));
    const struct {
        std::string file;
        std::optional<std::string> before; // none: no file there
        bool copied;
        bool hardLinked = false; // saved in place
    } cases[] = {{"new.el", std::nullopt, false},
                 {"empty.el", "", false},
                 {"same.el", savedText(distinctSet(1)), false},
                 {"bike2.el", other, true},
                 {"linked.el", other, true, true},
                 {unusualName(), other, true},
                 {"abc", other, true},
                 {"notes.0123456789abcde", other, true}}; // the longest extension kept
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        // As the bytes they are: a name is kept byte for byte.
        const std::string file = dir.path().toStdString() + "/" + c.file;
        if (c.before) {
            writeText(file, *c.before);
        }
        if (c.hardLinked) {
            fs::create_hard_link(fsPath(file), fsPath(path("link")));
        }
        const std::string copy = SaveParameterFile(distinctSet(1), file, replaced).replacedCopy;
        EXPECT_TRUE(readText(file).ends_with(savedText(distinctSet(1))));
        const std::string folder = replaced.folderFor(file) + "/";
        std::set<std::string> copies = namesIn(folder);
        // The path the copies came from beside them.
        // As the system writes paths (backslashes on Windows).
        EXPECT_EQ(readText(folder + ReplacedFiles::kSourceName),
                  c.copied ? fsPath(file).make_preferred().string() + "\n" : "");
        copies.erase(ReplacedFiles::kSourceName);
        copies.erase(ReplacedFiles::kLockName);
        ASSERT_EQ(copies.size(), c.copied ? 1U : 0U);
        EXPECT_EQ(copy, c.copied ? folder + *copies.begin() : "");
        if (c.copied) {
            EXPECT_EQ(readText(copy), *c.before);
            // 0001_2026-12-07_08-15-30Z and the original's extension
            EXPECT_EQ(*copies.begin(),
                      "0001_" + copies.begin()->substr(5, 20) + utf8Of(fsPath(c.file).extension()));
        }
    }
}

// Copies are ranked by the order they were made, whatever the clock says (set back here): the
// newest 200 of a name stay, the one just made always, and what is not a copy of that name
// (another name, a folder, a link out of the folder) is never removed nor followed.
TEST_F(ParameterFileTest, TheNewestCopiesOfANameStayAndNothingElseGoes) {
    const ReplacedFiles replaced(path("replaced"));
    const std::string folder = replaced.folderFor("/a/set.el") + "/";
    // Two folders' files of one name are kept apart.
    EXPECT_NE(replaced.folderFor("/b/set.el"), replaced.folderFor("/a/set.el"));
    fs::create_directories(fsPath(folder + "0001_2026-01-01_00-00-00.el"));
    std::set<std::string> left{"notes.txt", "2026-01-01_00-00-00.txt", "2026-01-01_00-00-0x.el",
                               "0001_2026-01-01_00-00-00.el", "2020-01-01_00-00-00.el"};
    for (const std::string stranger :
         {"notes.txt", "2026-01-01_00-00-00.txt", "2026-01-01_00-00-0x.el"}) {
        writeText(folder + stranger, "mine");
    }
    // Copies named by their time alone, as they once were, are older than any numbered one.
    for (const char* named : {"2026-01-01_00-00-02.el", "2026-01-01_00-00-02_2.el"}) {
        writeText(folder + named, "old copy");
    }
    writeText(path("outside.el"), "theirs");
    // Wine makes no symbolic links; there the link's row is left out.
    std::error_code noLink;
    fs::create_symlink(fsPath(path("outside.el")), fsPath(folder + "2020-01-01_00-00-00.el"),
                       noLink);
    if (noLink) {
        left.erase("2020-01-01_00-00-00.el");
    }
    std::vector<std::string> made;
    for (int n = 0; n < 250; ++n) {
        const std::string content = "copy " + std::to_string(n);
        const ReplacedFiles::Outcome kept =
            replaced.keep("/a/set.el", content, 1'800'000'000 - n / 2);
        ASSERT_EQ(readText(kept.path), content) << n;
        made.push_back(utf8Of(fsPath(kept.path).filename()));
    }
    EXPECT_EQ(made[0], "0001_2027-01-15_08-00-00Z.el"); // in UTC
    EXPECT_EQ(made[249].substr(0, 5), "0250_");
    left.insert(ReplacedFiles::kSourceName);
    left.insert(made.begin() + 50, made.end());
    EXPECT_EQ(namesIn(folder), left);
    EXPECT_EQ(readText(path("outside.el")), "theirs");
}

// Two saves of one file at once (two read-outs to one name) each end in the file or among its
// copies: neither takes the old content after the other has read it.
TEST_F(ParameterFileTest, SavesOfOneFileAtOnceEachEndInTheFileOrACopy) {
    const ReplacedFiles replaced(path("replaced"));
    std::vector<std::string> texts;
    for (int n = 0; n < 41; ++n) {
        texts.push_back(savedText(distinctSet(n)));
    }
    writeText(path("both.el"), texts[40]);
    const auto saving = [&](int first) {
        for (int n = first; n < 40; n += 2) {
            SaveParameterFile(distinctSet(n), path("both.el"), replaced);
        }
    };
    std::thread other(saving, 1);
    saving(0);
    other.join();
    std::set<std::string> found{readText(path("both.el"))};
    const std::string folder = replaced.folderFor(path("both.el")) + "/";
    for (const std::string& name : namesIn(folder)) {
        found.insert(readText(folder + name));
    }
    for (int n = 0; n < 41; ++n) {
        EXPECT_TRUE(found.contains(texts[n])) << n;
    }
}

struct CutShort {};

// A save stopped after any step, as by a kill right there, leaves the old content, the new, or a
// file no load takes, never a mix that loads; the old is in replaced/ before the first step.
// Longer values over shorter and the reverse: a plain overwrite would leave either one's tail.
// A file so left is known for this program's own: a load says the save was cut short and where
// the old content is, and a save replaces it, keeping it as a copy.
TEST_F(ParameterFileTest, ASaveCutShortAtAnyStepLeavesOldNewOrAFileNoLoadTakes) {
    const ReplacedFiles replaced(path("replaced"));
    FieldStore longer = distinctSet(1);
    longer.setText("Edit91", "-2147483648");
    int n = 0;
    for (const std::string step :
         {"reserved", "marked", "written", "cut to size", "temporary written"}) {
        for (const auto& [from, to] :
             {std::pair{longer, distinctSet(0)}, {distinctSet(0), longer}}) {
            SCOPED_TRACE(step);
            const std::string name = "cut" + std::to_string(++n) + ".el";
            const std::string old = savedText(from);
            writeText(path(name), old);
            if (step != "temporary written") {
                fs::create_hard_link(fsPath(path(name)), fsPath(path(name + ".link")));
            }
            setSaveStepHook([&step](std::string_view done) {
                if (done == step) {
                    throw CutShort{};
                }
            });
            EXPECT_THROW(SaveParameterFile(to, path(name), replaced), CutShort);
            setSaveStepHook({});
            const std::string left = readText(path(name));
            const std::string folder = replaced.folderFor(path(name)) + "/";
            const std::string copy = folder + *std::next(namesIn(folder).begin());
            ASSERT_EQ(namesIn(folder).size(), 3U); // with the source and the lock
            EXPECT_EQ(readText(copy), old);
            if (left == old || left == savedText(to)) {
                continue;
            }
            try {
                readParameterFile(path(name), nullptr, &replaced);
                ADD_FAILURE() << left;
            } catch (const ParameterFileError& refused) {
                EXPECT_EQ(std::string(refused.what()),
                          path(name) +
                              " holds no parameters: the last save to it was cut short. "
                              "What it held before that save is kept in " +
                              copy);
            }
            EXPECT_EQ(SaveParameterFile(to, path(name), replaced).replacedCopy.empty(), false);
            EXPECT_EQ(readText(path(name)), savedText(to));
            EXPECT_EQ(namesIn(folder).size(), 4U);
        }
    }
}

} // namespace
} // namespace morvent::test
