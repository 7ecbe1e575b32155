// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace morvent {

// Why readFile gave nothing.
enum class ReadRefusal {
    Unreadable, // missing, not a regular file, no permission, an I/O error
    TooLarge,   // more bytes than the caller takes
};

// The whole content of the regular file at path, or nullopt when it cannot be opened or read or
// holds more than limit bytes. A file over the limit is refused by its size before anything is
// read, and reading stops one byte past the limit should it grow meanwhile, so a huge file never
// costs its size in memory. why, when given, says which.
std::optional<std::string> readFile(const std::string& path, std::size_t limit,
                                    ReadRefusal* why = nullptr);

// Whether a path names nothing at all, so that a file there would be a new one. A path whose
// directory part names a regular file names nothing either.
bool isMissing(const std::string& path);

// Whether path is a symbolic link to nothing: a save there would replace the link. On Windows
// also a junction to nothing; other reparse points (files kept in the cloud) are files.
bool isDanglingLink(const std::string& path);

// What the link at path points at, as the link says it; empty when it says nothing.
std::string linkTarget(const std::string& path);

// Why the existing file at path could not be written now, asked before anything is changed for
// it: 0 when it can be opened for writing and is a regular file, kNotARegularFile for anything
// else that opens (a device, a named pipe with a reader), or the system's reason as an errno
// value: ENOENT when nothing is there, EACCES for a file the user may not change (on Windows
// also one marked read-only), EBUSY on Windows for one that another program holds open without
// sharing it.
inline constexpr int kNotARegularFile = -1;
int whyNotWritable(const std::string& path);

// Why no new file could be made where path names one: 0 when its folder takes one, else the
// reason as an errno value.
int whyNoNewFile(const std::string& path);

// The system's reason for an errno value, in words: strerror's, but for EBUSY on Windows.
std::string fileErrorText(int error);

// The reason to name with a file that is refused because another program holds it open (EBUSY
// on Windows), for messages that otherwise give no reason; empty for every other error, and
// always on POSIX, where programs hold no file against others.
std::string heldOpenReason(int error);

// Replaces the file at path by one holding exactly content, or creates it. A link is followed,
// so the file it names is written and the link stays; a link to nothing is refused.
//
// The content goes to a temporary file beside the old one, reaches the disk, and only then takes
// the old one's name, so after a failure, a crash or a full disk the file is either the old one
// or the new one. The temporary is removed on every failure, and by the undo steps of
// SignalUndo when SIGINT, SIGTERM or SIGHUP (on Windows Ctrl+C, Ctrl+Break, a closed console)
// end the process; one left by a process that was killed outright is removed by the next save
// of the same file. On Windows the old file's name is taken by ReplaceFileW, which keeps the
// old file's attributes and access list, and a file another program holds open is refused.
//
// An existing file keeps its owner, group, mode and hard links: where the new file could not
// have them (another user's file in a shared folder, a group the user is not in, a second link)
// or the folder takes no new file, the content is written into the existing file instead, its
// room reserved first so a full disk fails before a byte changes. A file the user could not
// have written in place (read-only, another user's) is never replaced. Returns false, with the
// file as it was, when any step fails; only a save in place that fails midway (an I/O error
// despite the room reserved, or the process killed) leaves a file that no load takes instead,
// marked as such: it begins with kSavingMark (only its NUL where the content is shorter).
bool replaceFile(const std::string& path, std::string_view content);

// What a save in place puts at the head of the file until the new content is whole: a NUL, which
// no load takes for text, then words that no other program puts there, so that a file left so by
// a save cut short is told apart from a foreign binary file and known for this program's own.
// It lies within the first sector, which the disk writes whole, as the new head that ends it does.
inline constexpr char kSavingMarkText[] =
    "\0morvent is saving this file in place; if this line stays, that save was cut short\r\n";
inline constexpr std::string_view kSavingMark(kSavingMarkText, sizeof kSavingMarkText - 1);

// Whether content is what a save in place of this program left when it was cut short.
inline bool isCutShortSave(std::string_view content) {
    return content.starts_with(kSavingMark);
}

// For tests: called with a step's name after each step of replaceFile ("temporary written",
// and in place "reserved", "marked", "written", "cut to size"). What it throws ends the save
// right there, as a process killed at that moment would; an empty hook, the default, does
// nothing.
void setSaveStepHook(std::function<void(std::string_view)> hook);

} // namespace morvent
