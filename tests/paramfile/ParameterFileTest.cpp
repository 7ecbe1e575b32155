#include "ParameterFile.h"

#include "ComboItems.h"
#include "FieldStore.h"
#include "NumberConversion.h"
#include "ParameterFileFixture.h"
#include "ParameterTable.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <set>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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
    writeText(dir.path("empty.el"), "[Other]\r\nLC=5\r\n[Basic]\r\n");
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

// Saves the set of the seed to path in a process of the unprivileged user nobody; returns its
// exit status and its error output.
std::pair<int, std::string> saveAsNobody(const std::string& path, int seed) {
    const std::string command = "setpriv --reuid=65534 --regid=65534 --clear-groups " +
                                std::string(SAVE_CHILD) + " '" + path + "' " +
                                std::to_string(seed) + " 2>&1";
    std::FILE* child = ::popen(command.c_str(), "r");
    std::string output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, child)) {
        output += buffer;
    }
    return {::pclose(child), output};
}

std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename());
    }
    return names;
}

enum class Beside { Nothing, HardLink, SymbolicLinkSavedThrough, LeftTemporary };

struct SaveSituation {
    const char* name;
    uid_t folderOwner;
    mode_t folderMode;
    std::optional<mode_t> fileMode; // none: there is no file yet
    uid_t fileOwner;
    gid_t fileGroup;
    Beside beside;
    bool saved;
};

TEST_F(ParameterFileTest, SavingAsAUserKeepsOwnerModeAndLinksAndNeverReplacesWhatTheyMayNotWrite) {
    if (::geteuid() != 0 || ::access("/usr/bin/setpriv", X_OK) != 0) {
        GTEST_SKIP() << "needs root to set up other users' files, and setpriv to save as nobody";
    }
    constexpr uid_t nobody = 65534;
    constexpr gid_t nogroup = 65534;
    using enum Beside;
    const std::vector<SaveSituation> cases{
        {"own file", nobody, 0755, 0640, nobody, nogroup, Nothing, true},
        {"read-only file", nobody, 0755, 0444, nobody, nogroup, Nothing, false},
        {"another user's file in a shared folder", 0, 01777, 0644, 0, 0, Nothing, false},
        {"another user's file the user may write", 0, 01777, 0666, 0, 0, Nothing, true},
        {"a group the user is not in", nobody, 0755, 0664, nobody, 0, Nothing, true},
        {"a second hard link", nobody, 0755, 0644, nobody, nogroup, HardLink, true},
        {"a symbolic link", nobody, 0755, 0640, nobody, nogroup, SymbolicLinkSavedThrough, true},
        {"a folder that takes no new file", nobody, 0555, 0644, nobody, nogroup, Nothing, true},
        {"a temporary a killed save left", nobody, 0755, 0644, nobody, nogroup, LeftTemporary,
         true},
        {"new file", nobody, 0755, {}, nobody, nogroup, Nothing, true},
        {"new file in another user's folder", 0, 0755, {}, 0, 0, Nothing, false},
    };
    const mode_t umask = ::umask(0);
    ::umask(umask);
    ::chmod(dir.root().c_str(), 0755);
    const std::string old = "[Basic]\r\nLC=1\r\n";
    writeText(dir.path("expected.el"), old);
    SaveParameterFile(distinctSet(9), dir.path("expected.el"));
    const std::string saved = readText(dir.path("expected.el"));
    int n = 0;
    for (const SaveSituation& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string folder = dir.path(std::to_string(++n));
        const std::string file = folder + "/x.el";
        const std::string other =
            folder + (c.beside == LeftTemporary ? "/.x.el.saving-Ab12Cd" : "/other.el");
        fs::create_directory(folder);
        if (c.fileMode) {
            writeText(file, old);
            ASSERT_EQ(::chown(file.c_str(), c.fileOwner, c.fileGroup), 0);
            ASSERT_EQ(::chmod(file.c_str(), *c.fileMode), 0);
        }
        if (c.beside == HardLink) {
            fs::create_hard_link(file, other);
        } else if (c.beside == SymbolicLinkSavedThrough) {
            fs::create_symlink("x.el", other);
        } else if (c.beside == LeftTemporary) {
            writeText(other, "half");
            ASSERT_EQ(::chown(other.c_str(), nobody, nogroup), 0);
        }
        ASSERT_EQ(::chown(folder.c_str(), c.folderOwner, c.folderOwner), 0);
        ASSERT_EQ(::chmod(folder.c_str(), c.folderMode), 0);
        struct stat before {};
        ::stat(file.c_str(), &before);
        std::set<std::string> names = namesIn(folder);

        const std::string target = c.beside == SymbolicLinkSavedThrough ? other : file;
        const auto [status, message] = saveAsNobody(target, 9);
        EXPECT_EQ(status == 0, c.saved) << message;
        if (!c.saved) {
            EXPECT_EQ(message, "Unable to write to " + target);
        }
        struct stat after {};
        ASSERT_EQ(::stat(file.c_str(), &after) == 0, c.fileMode || c.saved);
        if (c.fileMode) {
            EXPECT_EQ(after.st_uid, before.st_uid);
            EXPECT_EQ(after.st_gid, before.st_gid);
            EXPECT_EQ(after.st_mode, before.st_mode);
            EXPECT_EQ(after.st_nlink, before.st_nlink);
        } else if (c.saved) {
            EXPECT_EQ(after.st_uid, nobody);
            EXPECT_EQ(after.st_mode & 07777, 0666 & ~umask);
            names.insert("x.el");
        }
        if (c.fileMode || c.saved) {
            EXPECT_EQ(readText(file),
                      c.saved ? c.fileMode ? saved : newFileText(distinctSet(9)) : old);
        }
        if (c.beside == HardLink) {
            EXPECT_EQ(readText(other), readText(file));
        } else if (c.beside == SymbolicLinkSavedThrough) {
            EXPECT_TRUE(fs::is_symlink(other));
        } else if (c.beside == LeftTemporary) {
            names.erase(fs::path(other).filename());
        }
        EXPECT_EQ(namesIn(folder), names);
    }
}

// Starts a process that saves the sets of seed and seed + 1 to path by turns until ended.
pid_t startSaving(std::string path, int seed) {
    std::string child = SAVE_CHILD;
    std::string seedText = std::to_string(seed);
    std::string again = "again";
    char* argv[] = {child.data(), path.data(), seedText.data(), again.data(), nullptr};
    pid_t pid = -1;
    ::posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ);
    return pid;
}

int endedBy(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
}

TEST_F(ParameterFileTest, AnInterruptedSaveLeavesTheOldFileOrTheNewAndNoTemporary) {
    const std::string file = dir.path("x.el");
    SaveParameterFile(distinctSet(1), file);
    const std::set<std::string> whole{newFileText(distinctSet(1)), newFileText(distinctSet(2))};
    std::mt19937 random(16);
    std::uniform_int_distribution<int> moment(0, 20000);
    constexpr std::array kSignals{SIGINT, SIGTERM, SIGHUP, SIGKILL};
    for (int round = 0; round < 40; ++round) {
        const int signal = kSignals[static_cast<std::size_t>(round) % kSignals.size()];
        SCOPED_TRACE(::strsignal(signal));
        const pid_t pid = startSaving(file, 1);
        ASSERT_GT(pid, 0);
        ::usleep(static_cast<useconds_t>(moment(random)));
        ::kill(pid, signal);
        EXPECT_EQ(endedBy(pid), signal);
        EXPECT_TRUE(whole.contains(readText(file)));
        if (signal == SIGKILL) {
            // Nothing runs on SIGKILL: the next save of the file cleans up after it.
            SaveParameterFile(distinctSet(1), file);
        }
        EXPECT_EQ(namesIn(dir.root()), std::set<std::string>{"x.el"});
    }

    // Started under nohup, a run goes on through a hang-up.
    std::signal(SIGHUP, SIG_IGN);
    const pid_t pid = startSaving(file, 3);
    std::signal(SIGHUP, SIG_DFL);
    // Once it has saved, it has set its signals up.
    for (int wait = 0; wait < 10000 && !readText(file).starts_with("[Basic]\r\nLBP=300"); ++wait) {
        ::usleep(1000);
    }
    ::kill(pid, SIGHUP);
    ::kill(pid, SIGTERM);
    EXPECT_EQ(endedBy(pid), SIGTERM);
}

} // namespace
} // namespace morvent::test
