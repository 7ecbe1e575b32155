// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <cstddef>
#include <ctime>
#include <string>
#include <string_view>

namespace morvent {

// Where a save puts what it is about to replace, so that no save loses a file: the folder
// "replaced" in the backups folder, one folder per file below it (folderFor), holding the file's
// full path in source.txt and one copy per replacement numbered past the copies before it, then
// named by the UTC time it was made and the file's own extension,
// replaced/bike2.el-1f3a9c07/0007_2026-12-07_08-15-30Z.el. Folders of one name alone, from
// before, are left as they are. A copy never takes
// another's name; the kKeptPerName copies made last stay (by their numbers, since a clock may be
// set back), the one just made always, and nothing else in the folder (no name of another form,
// no link, no folder) is ever removed. Plain C++, for the window and the command-line tool alike.
class ReplacedFiles {
public:
    static constexpr std::size_t kKeptPerName = 200;
    // The file in a name's folder that holds the full path its copies came from.
    static constexpr const char* kSourceName = "source.txt";
    // The file in a name's folder that a save holds from reading the file to replacing it.
    static constexpr const char* kLockName = ".lock";

    struct Outcome {
        bool kept = false;
        std::string path;  // of the copy
        std::string error; // why none was made: the folder or file, and the system's reason
    };

    // folder is the "replaced" folder itself; it is created when the first copy is made.
    explicit ReplacedFiles(std::string folder) : m_folder(std::move(folder)) {}

    const std::string& folder() const { return m_folder; }

    // Where the copies of the file at originalPath go: its name, then a short hash of the full
    // path of its folder, replaced/bike2.el-1f3a9c07, so that two folders' files of one name are
    // kept apart.
    std::string folderFor(const std::string& originalPath) const;

    // Keeps content as the newest copy of the file at originalPath, then
    // removes the oldest copies of that name beyond kKeptPerName. The copy is whole and on disk
    // before this returns it; on failure nothing is left behind.
    Outcome keep(const std::string& originalPath, std::string_view content,
                 std::time_t now = std::time(nullptr)) const;

    // The newest copy of the file at originalPath that holds what a whole save left, not what a
    // save cut short did (isCutShortSave); empty when there is none.
    std::string newestWholeCopy(const std::string& originalPath) const;

private:
    std::string m_folder;
};

} // namespace morvent
