// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ReplacedFiles.h"

#include "FileIo.h"
#include "FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <tuple>
#include <vector>

namespace morvent {

namespace {

// More copies than this in one second means something else is filling the folder.
constexpr int kNamesPerSecond = 1000;
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

std::string stampOf(std::time_t now) {
    const std::tm local = localTimeOf(now);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d_%H-%M-%S", &local);
    return text;
}

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Where a copy's name puts it among its name's copies, oldest first: its time, then its number
// within that second; nothing for a name that is no copy's.
std::optional<std::pair<std::string, long>> copyOrder(std::string_view name,
                                                      std::string_view extension) {
    if (!name.ends_with(extension) || name.size() < kStampLength + extension.size()) {
        return std::nullopt;
    }
    name.remove_suffix(extension.size());
    const std::string_view stamp = name.substr(0, kStampLength);
    for (std::size_t i = 0; i < kStampLength; ++i) {
        const bool separator = i == 4 || i == 7 || i == 10 || i == 13 || i == 16;
        const char expected = i == 10 ? '_' : '-';
        if (separator ? stamp[i] != expected : !allDigits(stamp.substr(i, 1))) {
            return std::nullopt;
        }
    }
    const std::string_view rest = name.substr(kStampLength);
    if (rest.empty()) {
        return std::pair{std::string(stamp), 1L};
    }
    if (rest[0] != '_' || !allDigits(rest.substr(1)) || rest.size() > 8) {
        return std::nullopt;
    }
    return std::pair{std::string(stamp), std::stol(std::string(rest.substr(1)))};
}

// Removes the oldest copies of one name beyond the number kept.
void prune(const std::string& folder, const std::string& extension) {
    std::vector<std::tuple<std::string, long, std::string>> copies;
    for (const std::string& name : namesIn(folder)) {
        if (const auto order = copyOrder(name, extension)) {
            copies.emplace_back(order->first, order->second, name);
        }
    }
    if (copies.size() <= ReplacedFiles::kKeptPerName) {
        return;
    }
    std::sort(copies.begin(), copies.end());
    for (std::size_t i = 0; i + ReplacedFiles::kKeptPerName < copies.size(); ++i) {
        removeFile(folder + "/" + std::get<2>(copies[i]));
    }
}

} // namespace

ReplacedFiles::Outcome ReplacedFiles::keep(const std::string& originalPath,
                                           std::string_view content, std::time_t now) const {
    const std::string name = baseNameOf(originalPath);
    const std::string folder = m_folder + "/" + name;
    const auto failed = [](const std::string& what, int error) {
        return Outcome{false, {}, "Unable to keep a copy in " + what + ": " + fileErrorText(error)};
    };
    if (name.empty() || name == "." || name == "..") {
        return failed(m_folder, EISDIR);
    }
    if (const int error = makeFolders(folder); error != 0) {
        return failed(folder, error);
    }
    const std::string extension = extensionOf(name);
    const std::string stamp = stampOf(now);
    for (int n = 1; n <= kNamesPerSecond; ++n) {
        const std::string path =
            folder + "/" + stamp + (n == 1 ? std::string() : "_" + std::to_string(n)) + extension;
        // Created, never opened as it is: a copy already there is another's, and is left alone.
        if (const int error = writeNewFile(path, content); error == EEXIST) {
            continue;
        } else if (error != 0) {
            return failed(folder, error);
        }
        syncFolder(folder);
        prune(folder, extension);
        return {true, path, {}};
    }
    return failed(folder, EEXIST);
}

} // namespace morvent
