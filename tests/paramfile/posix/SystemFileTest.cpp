// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// Saves as POSIX systems have them: owners, modes, hard links, symbolic links and signals.

#include "Children.h"
#include "FileIo.h"
#include "ParameterFileFixture.h"
#include "ProcessProbes.h"
#include "SignalUndo.h"
#include "Wait.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <cstring>
#include <functional>
#include <grp.h>
#include <optional>
#include <random>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace morvent::test {

std::vector<RefusedSave> systemRefusedSaves(const QTemporaryDir& dir) {
    std::filesystem::create_symlink("gone/set.el", pathIn(dir, "dangling.el"));
    return {{"dangling.el", "Unable to write to " + pathIn(dir, "dangling.el") +
                                ": it is a symbolic link to gone/set.el, which does not exist"}};
}

// Not UTF-8: a name is the bytes it is.
std::string unusualName() {
    return "b\xE9ke 2.el";
}

namespace {

namespace fs = std::filesystem;

// Runs body in a process of its own, started as from a shell with the signals in `ignored`
// ignored, with the undo steps the command-line tool installs; the process ends with 0 when body
// returns true.
pid_t inChild(const std::function<bool()>& body, std::initializer_list<int> ignored = {}) {
    const pid_t pid = forkAsFromAShell(ignored);
    if (pid == 0) {
        installSignalUndo();
        ::_exit(body() ? 0 : 1);
    }
    return pid;
}

bool saves(int seed, const std::string& path, const ReplacedFiles& replaced = scratchReplaced()) {
    return saveRefusal(distinctSet(seed), path, replaced).empty();
}

enum class Beside { Nothing, HardLink, SymbolicLinkSavedThrough, LeftTemporary };

TEST_F(ParameterFileTest, SavingAsAUserKeepsOwnerModeAndLinksAndNeverReplacesWhatTheyMayNotWrite) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to set up other users' files";
    }
    constexpr uid_t nobody = 65534;
    constexpr gid_t nogroup = 65534;
    using enum Beside;
    const struct {
        const char* name;
        uid_t folderOwner;
        mode_t folderMode;
        std::optional<mode_t> fileMode; // none: there is no file yet
        uid_t fileOwner;
        gid_t fileGroup;
        Beside beside;
        bool saved;
    } cases[] = {
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
    ::chmod(dir.path().toLocal8Bit().constData(), 0755);
    // The user keeps what a save replaces in a folder of their own.
    const ReplacedFiles replaced(path("replaced"));
    fs::create_directory(replaced.folder());
    ASSERT_EQ(::chown(replaced.folder().c_str(), nobody, nogroup), 0);
    const std::string old = savedText(distinctSet(8));
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string folder = path(std::to_string(++n));
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
        const bool existed = ::stat(file.c_str(), &before) == 0;
        // A left temporary goes; a new file comes.
        std::set<std::string> names = namesIn(folder);
        std::erase_if(names, [](const std::string& n) { return n.find(".saving-") != n.npos; });

        // Through the link where there is one; a hard link split, or a symbolic one replaced,
        // would leave the file as it was or with one link less.
        const std::string target = c.beside == SymbolicLinkSavedThrough ? other : file;
        const pid_t pid = inChild([&] {
            return ::setgroups(0, nullptr) == 0 && ::setresgid(nogroup, nogroup, nogroup) == 0 &&
                   ::setresuid(nobody, nobody, nobody) == 0 && saves(9, target, replaced);
        });
        EXPECT_EQ(endOfChild(pid) == 0, c.saved);
        EXPECT_EQ(readText(file), c.saved ? savedText(distinctSet(9)) : existed ? old : "");
        struct stat after {};
        ::stat(file.c_str(), &after);
        if (existed) {
            EXPECT_EQ(std::tie(after.st_uid, after.st_gid, after.st_mode, after.st_nlink),
                      std::tie(before.st_uid, before.st_gid, before.st_mode, before.st_nlink));
            // Replaced whole wherever the new file can have what the old one had.
            const bool replaced = c.saved && c.fileOwner == nobody && c.fileGroup == nogroup &&
                                  c.beside != HardLink && c.folderMode != 0555;
            EXPECT_EQ(after.st_ino != before.st_ino, replaced);
        } else if (c.saved) {
            EXPECT_EQ(after.st_uid, nobody);
            EXPECT_EQ(after.st_mode & 07777, 0666 & ~umask);
            names.insert("x.el");
        }
        EXPECT_EQ(namesIn(folder), names);
    }
}

TEST_F(ParameterFileTest, AnInterruptedSaveLeavesTheOldFileOrTheNewAndNoTemporary) {
    const std::string file = path("x.el");
    SaveParameterFile(distinctSet(1), file, scratchReplaced());
    // Saves the sets of seed and seed + 1 by turns until ended.
    const auto saving = [&file](int seed, std::initializer_list<int> ignored = {}) {
        return inChild(
            [&file, seed] {
                while (saves(seed, file) && saves(seed + 1, file)) {
                }
                return false;
            },
            ignored);
    };
    const std::set<std::string> whole{savedText(distinctSet(1)), savedText(distinctSet(2))};
    std::mt19937 random(16);
    std::uniform_int_distribution<int> moment(0, 20000);
    constexpr std::array kSignals{SIGINT, SIGTERM, SIGHUP, SIGKILL};
    for (int round = 0; round < 40; ++round) {
        const int signal = kSignals[static_cast<std::size_t>(round) % kSignals.size()];
        SCOPED_TRACE(::strsignal(signal));
        const pid_t pid = saving(1);
        ::usleep(static_cast<useconds_t>(moment(random)));
        ::kill(pid, signal);
        EXPECT_EQ(endOfChild(pid), 128 + signal);
        EXPECT_TRUE(whole.contains(readText(file)));
        if (signal == SIGKILL) {
            // Nothing runs on SIGKILL: the next save of the file cleans up after it.
            SaveParameterFile(distinctSet(1), file, scratchReplaced());
        }
        EXPECT_EQ(namesIn(pathIn(dir, "")), std::set<std::string>{"x.el"});
    }

    // Started under nohup, a run goes on through a hang-up.
    const std::set<std::string> later{savedText(distinctSet(3)), savedText(distinctSet(4))};
    const pid_t pid = saving(3, {SIGHUP});
    // Once it has saved, it has set its signals up.
    EXPECT_TRUE(waitFor([&] { return later.contains(readText(file)); }));
    ::kill(pid, SIGHUP);
    ::kill(pid, SIGTERM);
    EXPECT_EQ(endOfChild(pid), 128 + SIGTERM);
}

// An ending signal waits for the change under way, however its guards nest, and only then runs
// the undo steps: never one in the middle of a change, nor a change after them.
TEST_F(ParameterFileTest, AnEndingSignalWaitsForTheChangeUnderWay) {
    int line[2];
    ASSERT_EQ(::pipe(line), 0);
    const pid_t pid = inChild([&line] {
        const SignalUndo undo(
            [](const void* fd) { (void)!::write(*static_cast<const int*>(fd), "u", 1); }, &line[1]);
        {
            const UndoGuard change;
            { const UndoGuard nested; }
            ::kill(::getpid(), SIGTERM);
            ::usleep(200000); // time enough for steps that did not wait
            (void)!::write(line[1], "c", 1);
        }
        ::sleep(10);
        return false;
    });
    ::close(line[1]);
    EXPECT_EQ(endOfChild(pid), 128 + SIGTERM);
    char seen[4] = {};
    EXPECT_EQ(::read(line[0], seen, sizeof seen), 2);
    EXPECT_STREQ(seen, "cu");
    ::close(line[0]);
}

// Saves, new or replacing, with the copy each keeps, and a load leave no descriptor open.
TEST_F(ParameterFileTest, SavesAndLoadsLeaveNoDescriptorOpen) {
    const int before = openDescriptorCount();
    EXPECT_TRUE(saves(1, path("set.el")) && saves(2, path("set.el")));
    EXPECT_EQ(loaded("set.el"), snapshot(distinctSet(2)));
    EXPECT_EQ(openDescriptorCount(), before);
}

// Should the path have become something else since the save looked at it, the step that writes
// refuses it on its own, and leaves it as it is: a folder, a named pipe nobody reads.
TEST_F(ParameterFileTest, ReplacingRefusesWhatIsNoLongerARegularFile) {
    fs::create_directory(path("folder.el"));
    ASSERT_EQ(::mkfifo(path("pipe.el").c_str(), 0600), 0);
    EXPECT_FALSE(replaceFile(path("folder.el"), savedText(distinctSet(1))));
    EXPECT_FALSE(replaceFile(path("pipe.el"), savedText(distinctSet(1))));
    EXPECT_TRUE(fs::is_empty(path("folder.el")) && fs::is_fifo(path("pipe.el")));
}

} // namespace
} // namespace morvent::test
