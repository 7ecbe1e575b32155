// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "FileIo.h"
#include "FileSystem.h"

#include <algorithm>
#include <functional>
#include <random>

namespace morvent {

namespace {

std::function<void(std::string_view)>& stepHook() {
    static std::function<void(std::string_view)> hook;
    return hook;
}

constexpr std::string_view kLetters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::size_t kSuffixLength = 6;

} // namespace

void setSaveStepHook(std::function<void(std::string_view)> hook) {
    stepHook() = std::move(hook);
}

void saveStepDone(std::string_view step) {
    if (const auto& hook = stepHook()) {
        hook(step);
    }
}

std::string temporaryStem(const std::string& base) {
    // Cut between characters, so that the stem of a UTF-8 name is UTF-8 too.
    std::size_t cut = std::min<std::size_t>(base.size(), 200);
    while (cut > 0 && cut < base.size() && (static_cast<unsigned char>(base[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return "." + base.substr(0, cut) + ".saving-";
}

std::string temporaryName(const std::string& stem) {
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    std::string name = stem;
    for (std::size_t i = 0; i < kSuffixLength; ++i) {
        name += kLetters[pick(random)];
    }
    return name;
}

bool isTemporaryName(std::string_view name, const std::string& stem) {
    return name.size() == stem.size() + kSuffixLength && name.starts_with(stem) &&
           name.find_first_not_of(kLetters, stem.size()) == std::string_view::npos;
}

std::string_view markFor(std::string_view content) {
    return content.size() >= kSavingMark.size() ? kSavingMark : kSavingMark.substr(0, 1);
}

} // namespace morvent
