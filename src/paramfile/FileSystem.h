// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

// What the parameter files ask of the operating system beyond FileIo.h, for the code of this
// folder that is the same everywhere: one implementation per system, posix/FileSystem.cpp and
// win32/FileSystem.cpp, which also implement FileIo.h. Paths are UTF-8 (on POSIX, the bytes
// they are); errors are errno values.
namespace morvent {

// Where the last name of a path begins: just past its last separator ('/'; on Windows also '\'
// and a drive's colon), 0 when it has none.
std::size_t nameStart(std::string_view path);

// The UTC time of a moment, for names that carry it.
std::tm utcTimeOf(std::time_t moment);

// The path made absolute, against the current folder, without following links.
std::string absolutePath(const std::string& path);

// Makes folder and the folders above it that are missing: 0, or why not (ENOTDIR where a file
// stands in the way).
int makeFolders(const std::string& folder);

// Makes a new file at path holding content, on disk before this returns: 0, EEXIST when the name
// is taken (whatever is there is left alone, never opened and never followed), or why not, with
// nothing left behind.
int writeNewFile(const std::string& path, std::string_view content);

// The names in folder; none when it cannot be read.
std::vector<std::string> namesIn(const std::string& folder);

// The names in folder of regular files, links and folders left out; none when it cannot be read.
std::vector<std::string> plainFilesIn(const std::string& folder);

// Whether path is a folder itself, not a link (or junction) to one.
bool isPlainFolder(const std::string& path);

void removeFile(const std::string& path);

// An exclusive hold on the file at path, made if need be (a link there is not followed), from
// construction to destruction: a second hold of the same path, by another process or thread,
// waits until this one ends. Holds nothing when the file cannot be made or opened.
class FileLock {
public:
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    std::intptr_t m_handle; // a descriptor on POSIX, a HANDLE on Windows; -1 for none
};

// Puts a new name in folder on the disk, where the system needs asking for that.
void syncFolder(const std::string& folder);

// Shared by each system's replaceFile (FileIo.cpp).

// Called after each step of a save, for the tests' hook.
void saveStepDone(std::string_view step);

// A temporary's name is its stem, then six letters: hidden on POSIX, and set apart from a user's
// own files by its marker, so that only temporaries are ever cleaned up. The base is cut to leave
// room within the longest name a folder takes.
std::string temporaryStem(const std::string& base);
// The stem and six letters drawn at random.
std::string temporaryName(const std::string& stem);
bool isTemporaryName(std::string_view name, const std::string& stem);

// What a save in place writes first over the file's head: kSavingMark, or its NUL alone where the
// content is shorter than the mark, so that the content's head always covers it whole.
std::string_view markFor(std::string_view content);

} // namespace morvent
