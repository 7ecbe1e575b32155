#include "ReplacedFiles.h"

#include "FileIo.h"
#include "ParameterFile.h"
#include "ParameterFileFixture.h"

#include <gtest/gtest.h>

#include <set>
#include <sys/stat.h>

namespace morvent::test {
namespace {

namespace fs = std::filesystem;

// The names in a folder, none when it is not there.
std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    if (fs::is_directory(folder)) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.insert(entry.path().filename());
        }
    }
    return names;
}

std::string textOf(const FieldStore& fields) {
    const QTemporaryDir scratch;
    SaveParameterFile(fields, pathIn(scratch, "x.el"), scratchReplaced());
    return readText(pathIn(scratch, "x.el"));
}

class ReplacedFilesTest : public testing::Test {
protected:
    std::string path(const std::string& name) const { return pathIn(dir, name); }
    std::string kept(const std::string& name) const { return pathIn(backups, "replaced/" + name); }
    QTemporaryDir dir;
    QTemporaryDir backups;
    ReplacedFiles replaced{pathIn(backups, "replaced")};
};

// Whatever a save replaces is in replaced/NAME/ first, byte for byte, under its time and the
// name's extension; a save that replaces nothing (a new file, an empty one, the same values)
// keeps nothing, and one whose copy cannot be kept changes nothing.
TEST_F(ReplacedFilesTest, EverySaveThatChangesAFileKeepsWhatItHeld) {
    const std::string other = "[Notes]\nkept=yes\n" + textOf(distinctSet(3));
    const std::string odd = "b\xE9ke 2.el"; // not UTF-8: kept byte for byte
    const struct {
        const char* name;
        std::string file;
        std::optional<std::string> before; // none: no file there
        bool hardLinked;                   // saved in place
        bool copied;
    } cases[] = {
        {"a new file", "new.el", std::nullopt, false, false},
        {"an empty file", "empty.el", "", false, false},
        {"the same values again", "same.el", textOf(distinctSet(1)), false, false},
        {"other values", "bike2.el", other, false, true},
        {"other values, saved in place", "linked.el", other, true, true},
        {"a name that is not UTF-8", odd, other, false, true},
        {"no extension", "abc", other, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.before) {
            writeText(path(c.file), *c.before);
        }
        if (c.hardLinked) {
            fs::create_hard_link(path(c.file), path(c.file + ".link"));
        }
        const SaveOutcome outcome = SaveParameterFile(distinctSet(1), path(c.file), replaced);
        EXPECT_TRUE(readText(path(c.file)).ends_with(textOf(distinctSet(1))));
        const std::set<std::string> copies = namesIn(kept(c.file));
        ASSERT_EQ(copies.size(), c.copied ? 1U : 0U);
        if (c.copied) {
            const std::string name = *copies.begin();
            EXPECT_EQ(outcome.replacedCopy, kept(c.file + "/" + name));
            EXPECT_EQ(readText(outcome.replacedCopy), *c.before);
            // 2026-12-07_08-15-30 and the original's extension
            EXPECT_EQ(name.size(), 19 + fs::path(c.file).extension().string().size()) << name;
            EXPECT_TRUE(name.ends_with(fs::path(c.file).extension().string())) << name;
        } else {
            EXPECT_EQ(outcome.replacedCopy, "");
        }
    }

    // A copy that cannot be kept stops the save before the file changes.
    writeText(path("locked.el"), other);
    writeText(pathIn(backups, "blocked"), "a file where the folder would be");
    try {
        SaveParameterFile(distinctSet(1), path("locked.el"),
                          ReplacedFiles(pathIn(backups, "blocked")));
        ADD_FAILURE() << "saved";
    } catch (const ParameterFileError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + path("locked.el") +
                                                 ": Unable to keep a copy in " +
                                                 pathIn(backups, "blocked/locked.el") +
                                                 ": Not a directory, so nothing was changed");
    }
    EXPECT_EQ(readText(path("locked.el")), other);
}

// Copies made within one second take the next number; the newest 200 of a name stay, and what
// is not a copy of that name is never removed.
TEST_F(ReplacedFilesTest, TheNewestCopiesOfANameStayAndNothingElseGoes) {
    fs::create_directories(kept("set.el"));
    for (const char* stranger :
         {"notes.txt", "2026-01-01_00-00-00.txt", "2026-01-01_00-00-0x.el"}) {
        writeText(kept("set.el/") + stranger, "mine");
    }
    ASSERT_TRUE(replaced.keep("/elsewhere/other.el", "other").kept);
    constexpr std::time_t kMoment = 1'800'000'000;
    std::vector<std::string> made;
    // Two seconds: the later second's copies are the newer, whatever their numbers.
    for (int n = 0; n < 205; ++n) {
        const ReplacedFiles::Outcome outcome =
            replaced.keep(path("set.el"), "copy " + std::to_string(n), kMoment + (n >= 195));
        ASSERT_TRUE(outcome.kept) << outcome.error;
        made.push_back(fs::path(outcome.path).filename());
    }
    EXPECT_EQ(made[1], made[0].substr(0, 19) + "_2.el");
    EXPECT_EQ(made[194], made[0].substr(0, 19) + "_195.el");
    EXPECT_EQ(made[196], made[195].substr(0, 19) + "_2.el");
    std::set<std::string> expected(made.begin() + 5, made.end());
    expected.insert({"notes.txt", "2026-01-01_00-00-00.txt", "2026-01-01_00-00-0x.el"});
    EXPECT_EQ(namesIn(kept("set.el")), expected);
    EXPECT_EQ(readText(kept("set.el/") + made[5]), "copy 5");
    EXPECT_EQ(namesIn(kept("other.el")).size(), 1U);
}

struct CutShort {
    std::string step;
};

// A save stopped after any of its steps, as by a process killed right there, leaves the old
// content, the new one, or a file that no load takes, never a mix that loads, and the old
// content is in replaced/ from before the first step.
TEST_F(ReplacedFilesTest, ASaveCutShortAtAnyStepLeavesOldNewOrAFileNoLoadTakes) {
    const std::vector<std::string> inPlace{"reserved", "marked", "written", "cut to size"};
    // A step left out here would go untested.
    std::vector<std::string> seen;
    writeText(path("probe.el"), textOf(distinctSet(2)));
    fs::create_hard_link(path("probe.el"), path("probe.link"));
    writeText(path("renamed.el"), textOf(distinctSet(2)));
    setSaveStepHook([&seen](std::string_view step) { seen.emplace_back(step); });
    SaveParameterFile(distinctSet(1), path("probe.el"), replaced);
    SaveParameterFile(distinctSet(1), path("renamed.el"), replaced);
    setSaveStepHook({});
    std::vector<std::string> all = inPlace;
    all.push_back("temporary written");
    EXPECT_EQ(seen, all);

    // The longer values first and the shorter, so both a tail of the old and one of the new
    // would be left by a plain overwrite.
    FieldStore longer = distinctSet(1);
    longer.setText("Edit91", "-2147483648");
    int n = 0;
    for (const std::string& step : all) {
        for (const auto& [from, to] :
             {std::pair{longer, distinctSet(0)}, {distinctSet(0), longer}}) {
            SCOPED_TRACE(step);
            const std::string file = path("cut" + std::to_string(++n) + ".el");
            const std::string old = textOf(from);
            const std::string wanted = textOf(to);
            writeText(file, old);
            if (step != "temporary written") {
                fs::create_hard_link(file, file + ".link");
            }
            setSaveStepHook([&step](std::string_view done) {
                if (done == step) {
                    throw CutShort{step};
                }
            });
            EXPECT_THROW(SaveParameterFile(to, file, replaced), CutShort);
            setSaveStepHook({});
            const std::string left = readText(file);
            if (left != old && left != wanted) {
                EXPECT_THROW(readParameterFile(file), ParameterFileError) << left;
            }
            const std::set<std::string> copies = namesIn(kept(fs::path(file).filename()));
            ASSERT_EQ(copies.size(), 1U);
            EXPECT_EQ(readText(kept(fs::path(file).filename().string() + "/" + *copies.begin())),
                      old);
        }
    }
}

} // namespace
} // namespace morvent::test
