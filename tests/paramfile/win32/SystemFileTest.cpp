// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// Saves as Windows has them: files other programs hold open, the read-only mark, links that
// only some systems let a user make.

#include "FileIo.h"
#include "ParameterFileFixture.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace morvent::test {

namespace {

std::wstring wide(const std::string& name) {
    return fsPath(name).wstring();
}

// Whether a symbolic link was made: without the right to make one (or developer mode) Windows
// refuses, and Wine 8 reports one made but makes none.
bool madeLink(const std::string& link, const std::string& target) {
    ::CreateSymbolicLinkW(wide(link).c_str(), wide(target).c_str(),
                          SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
    const DWORD attributes = ::GetFileAttributesW(wide(link).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

} // namespace

// A file marked read-only is refused as one the user may not write is on POSIX.
std::vector<RefusedSave> systemRefusedSaves(const QTemporaryDir& dir) {
    const std::string file = pathIn(dir, "readonly.el");
    writeText(file, "[Basic]\r\nLC=1\r\n");
    ::SetFileAttributesW(wide(file).c_str(), FILE_ATTRIBUTE_READONLY);
    return {{"readonly.el", "Unable to write to " + file}};
}

// UTF-8 beyond ASCII, which Windows' own calls take as UTF-16.
std::string unusualName() {
    return "b\xC3\xAFke 2.el";
}

namespace {

// However another program shares the file, short of what a save needs (writing and taking its
// name), the save is refused naming the reason, and nothing changes: the file, no copy kept, no
// temporary left. A program that shares everything stands in nobody's way.
TEST_F(ParameterFileTest, AFileAnotherProgramHoldsOpenIsRefusedWithTheReason) {
    const ReplacedFiles replaced(path("replaced"));
    const std::string old = savedText(distinctSet(1));
    const struct {
        DWORD sharing;
        bool saved;
    } cases[] = {{0, false},
                 {FILE_SHARE_READ, false},
                 {FILE_SHARE_READ | FILE_SHARE_WRITE, false},
                 {FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sharing);
        writeText(path("held.el"), old);
        const HANDLE held = ::CreateFileW(wide(path("held.el")).c_str(), GENERIC_READ, c.sharing,
                                          nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        const std::string message = saveRefusal(distinctSet(2), path("held.el"), replaced);
        ::CloseHandle(held);
        EXPECT_EQ(message, c.saved ? std::string()
                                   : "Unable to write to " + path("held.el") +
                                         ": another program has it open");
        EXPECT_EQ(readText(path("held.el")), c.saved ? savedText(distinctSet(2)) : old);
        // Beside the file nothing else: the copies' folder (with its lock) is the tool's own.
        std::set<std::string> beside = namesIn(path(""));
        beside.erase("replaced");
        EXPECT_EQ(beside, std::set<std::string>{"held.el"});
        std::filesystem::remove_all(fsPath(path("replaced")));
    }
}

// A copies' folder under a name Windows refuses to make is refused with Windows' own reason,
// not taken for a folder already there, and the file stays as it was.
TEST_F(ParameterFileTest, ACopiesFolderWindowsCannotMakeIsRefusedWithItsReason) {
    const std::string old = savedText(distinctSet(1));
    writeText(path("old.el"), old);
    const ReplacedFiles replaced(path("copies|kept"));
    EXPECT_EQ(saveRefusal(distinctSet(2), path("old.el"), replaced),
              "Unable to write to " + path("old.el") + ": Unable to keep a copy in " +
                  replaced.folderFor(path("old.el")) + ": " + fileErrorText(EINVAL) +
                  ", so nothing was changed");
    EXPECT_EQ(readText(path("old.el")), old);
}

// As on POSIX: a link is saved through, its target written and the link kept; a link to nothing
// is refused naming what it points at.
TEST_F(ParameterFileTest, ALinkIsSavedThroughAndALinkToNothingIsRefused) {
    if (!madeLink(path("link.el"), "target.el")) {
        GTEST_SKIP() << "no symbolic link could be made here: Windows needs the right to make "
                        "one, and Wine 8 reports one made but makes none";
    }
    writeText(path("target.el"), savedText(distinctSet(1)));
    SaveParameterFile(distinctSet(2), path("link.el"), scratchReplaced());
    EXPECT_EQ(readText(path("target.el")), savedText(distinctSet(2)));
    EXPECT_TRUE(::GetFileAttributesW(wide(path("link.el")).c_str()) & FILE_ATTRIBUTE_REPARSE_POINT);
    ASSERT_TRUE(madeLink(path("dangling.el"), "gone\\set.el"));
    EXPECT_EQ(saveRefusal(distinctSet(2), path("dangling.el")),
              "Unable to write to " + path("dangling.el") +
                  ": it is a symbolic link to gone\\set.el, which does not exist");
}

} // namespace
} // namespace morvent::test
