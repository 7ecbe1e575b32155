// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ReplacedFiles.h"

#include "FileIo.h"
#include "FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

namespace morvent {

namespace {

// More names than this taken past the highest copy means something else is filling the folder.
constexpr int kNamesTried = 1000;
// A copy larger than this is no parameter file's, and is not read to find a save's mark in it.
constexpr std::size_t kCopyReadLimit = std::size_t{1} << 20;
// "2026-12-07_08-15-30"
constexpr std::size_t kStampLength = 19;

std::string baseNameOf(const std::string& path) {
    return path.substr(nameStart(path));
}

// ".el" of "bike2.el"; nothing for a name without one, a hidden name's leading dot, or a
// "extension" too long to be one.
std::string extensionOf(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0 || name.size() - dot > 16) {
        return {};
    }
    return name.substr(dot);
}

// "2026-12-07_08-15-30Z": in UTC, so that copies named on either side of a change of time zone
// or summer time still read in the order they were made.
std::string stampOf(std::time_t now) {
    const std::tm utc = utcTimeOf(now);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d_%H-%M-%SZ", &utc);
    return text;
}

// Eight hex digits that tell one folder's path from another's (FNV-1a).
std::string shortHash(std::string_view text) {
    std::uint32_t hash = 2166136261U;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619U;
    }
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(hash));
    return digits;
}

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isStamp(std::string_view stamp) {
    if (stamp.size() < kStampLength) {
        return false;
    }
    for (std::size_t i = 0; i < kStampLength; ++i) {
        const bool separator = i == 4 || i == 7 || i == 10 || i == 13 || i == 16;
        const char expected = i == 10 ? '_' : '-';
        if (separator ? stamp[i] != expected : !allDigits(stamp.substr(i, 1))) {
            return false;
        }
    }
    return true;
}

// Where a copy's name puts it among its name's copies, oldest first; nothing for a name that is
// no copy's. A copy is numbered past every one before it, "0042_2026-12-07_08-15-30.el", so the
// number orders them whatever the clock said. Copies named by their time alone,
// "2026-12-07_08-15-30_2.el", were made before any numbered one, in the order of their names.
struct CopyOrder {
    long number = 0; // 0 for a copy named by its time alone
    std::string stamp;
    long withinSecond = 0;
    auto operator<=>(const CopyOrder&) const = default;
};

std::optional<CopyOrder> copyOrder(std::string_view name, std::string_view extension) {
    if (!name.ends_with(extension)) {
        return std::nullopt;
    }
    name.remove_suffix(extension.size());
    const std::size_t digits = name.find_first_not_of("0123456789");
    if (digits != std::string_view::npos && digits > 0 && digits <= 9 && name[digits] == '_' &&
        (name.size() == digits + 1 + kStampLength ||
         (name.size() == digits + 2 + kStampLength && name.back() == 'Z')) &&
        isStamp(name.substr(digits + 1))) {
        return CopyOrder{std::stol(std::string(name.substr(0, digits))), {}, 0};
    }
    if (!isStamp(name)) {
        return std::nullopt;
    }
    const std::string_view rest = name.substr(kStampLength);
    if (rest.empty()) {
        return CopyOrder{0, std::string(name), 1};
    }
    if (rest[0] != '_' || !allDigits(rest.substr(1)) || rest.size() > 8) {
        return std::nullopt;
    }
    return CopyOrder{0, std::string(name.substr(0, kStampLength)),
                     std::stol(std::string(rest.substr(1)))};
}

// The copies of one name in folder, oldest first: regular files of a copy's name only, so that
// nothing this program did not make, and no link, is ever counted or removed.
std::vector<std::pair<CopyOrder, std::string>> copiesIn(const std::string& folder,
                                                        const std::string& extension) {
    std::vector<std::pair<CopyOrder, std::string>> copies;
    for (std::string& name : plainFilesIn(folder)) {
        if (auto order = copyOrder(name, extension)) {
            copies.emplace_back(std::move(*order), std::move(name));
        }
    }
    std::sort(copies.begin(), copies.end());
    return copies;
}

// Removes the oldest copies of one name beyond the number kept, never the one just made.
void prune(const std::string& folder, const std::string& extension, const std::string& made) {
    auto copies = copiesIn(folder, extension);
    std::erase_if(copies, [&made](const auto& copy) { return copy.second == made; });
    for (std::size_t i = 0; i + ReplacedFiles::kKeptPerName < copies.size() + 1; ++i) {
        removeFile(folder + "/" + copies[i].second);
    }
}

} // namespace

std::string ReplacedFiles::folderFor(const std::string& originalPath) const {
    const std::string absolute = absolutePath(originalPath);
    const std::size_t start = nameStart(absolute);
    return m_folder + "/" + absolute.substr(start) + "-" + shortHash(absolute.substr(0, start));
}

std::string ReplacedFiles::newestWholeCopy(const std::string& originalPath) const {
    const std::string folder = folderFor(originalPath);
    const auto copies = copiesIn(folder, extensionOf(baseNameOf(originalPath)));
    for (auto copy = copies.rbegin(); copy != copies.rend(); ++copy) {
        const std::string path = folder + "/" + copy->second;
        // Only the head tells, so a copy too large to read whole is taken as it is.
        ReadRefusal why = ReadRefusal::Unreadable;
        const std::optional<std::string> content = readFile(path, kCopyReadLimit, &why);
        if (content ? !isCutShortSave(*content) : why == ReadRefusal::TooLarge) {
            return path;
        }
    }
    return {};
}

ReplacedFiles::Outcome ReplacedFiles::keep(const std::string& originalPath,
                                           std::string_view content, std::time_t now) const {
    const std::string name = baseNameOf(originalPath);
    const std::string folder = folderFor(originalPath);
    const auto failed = [](const std::string& what, int error) {
        return Outcome{false, {}, "Unable to keep a copy in " + what + ": " + fileErrorText(error)};
    };
    if (name.empty() || name == "." || name == "..") {
        return failed(m_folder, EISDIR);
    }
    if (const int error = makeFolders(folder); error != 0) {
        return failed(folder, error);
    }
    // A link in the copies' place could lead pruning out of this folder.
    if (!isPlainFolder(folder)) {
        return failed(folder, ENOTDIR);
    }
    // Where the copies came from, for whoever looks for a file's copies among the folders. An
    // existing record is the same, since the folder's name comes from it.
    if (const int error =
            writeNewFile(folder + "/" + kSourceName, absolutePath(originalPath) + "\n");
        error != 0 && error != EEXIST) {
        return failed(folder, error);
    }
    const std::string extension = extensionOf(name);
    const std::string stamp = stampOf(now);
    const auto copies = copiesIn(folder, extension);
    long number = copies.empty() ? 1 : copies.back().first.number + 1;
    for (int attempt = 0; attempt < kNamesTried; ++attempt, ++number) {
        std::string numbered = std::to_string(number);
        numbered.insert(0, numbered.size() < 4 ? 4 - numbered.size() : 0, '0');
        const std::string copyName = numbered + "_" + stamp + extension;
        const std::string path = folder + "/" + copyName;
        // Created, never opened as it is: a copy already there is another's, and is left alone.
        if (const int error = writeNewFile(path, content); error == EEXIST) {
            continue;
        } else if (error != 0) {
            return failed(folder, error);
        }
        syncFolder(folder);
        prune(folder, extension, copyName);
        // Said to be kept only when it is there to be found.
        if (const auto there = plainFilesIn(folder);
            std::find(there.begin(), there.end(), copyName) == there.end()) {
            return failed(path, ENOENT);
        }
        return {true, path, {}};
    }
    return failed(folder, EEXIST);
}

} // namespace morvent
