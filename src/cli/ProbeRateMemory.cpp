// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ProbeRateMemory.h"

#include "RateStore.h"

#include <chrono>
#include <sstream>

namespace morvent {

namespace {

// Enough for a shop's rack of adapters; beyond it one name is let go for each new one.
constexpr std::size_t kMaxPorts = 256;
// Far beyond what kMaxPorts lines take; a larger file is read this far only.
constexpr std::size_t kReadLimit = std::size_t{1} << 20;
// Another run holds the lock only while it merges a few lines; one that holds it longer is
// hung, and a cache is not worth waiting on.
constexpr auto kLockWait = std::chrono::seconds(2);

// One port a line: the rate, a tab, the device's path. A line cut by the read limit is left out.
void readRates(const RateStore& store, std::map<std::string, std::uint32_t>& rates) {
    std::string text = store.read(kReadLimit);
    if (text.size() == kReadLimit) {
        text.resize(text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n') + 1);
    }
    std::istringstream in(text);
    std::string line;
    while (rates.size() < kMaxPorts && std::getline(in, line)) {
        std::istringstream fields(line);
        std::uint32_t rate = 0;
        std::string device;
        if (fields >> rate && fields.get() == '\t' && std::getline(fields, device) &&
            !device.empty()) {
            rates[device] = rate;
        }
    }
}

} // namespace

ProbeRateMemory::ProbeRateMemory() : m_folder(RateStore::location()) {
    if (m_folder.empty()) {
        return;
    }
    if (const RateStore store(m_folder, false); store.valid()) {
        readRates(store, m_rates);
    }
}

std::optional<std::uint32_t> ProbeRateMemory::rateOf(const std::string& device) const {
    const auto found = m_rates.find(device);
    return found == m_rates.end() ? std::nullopt : std::optional(found->second);
}

void ProbeRateMemory::remember(const std::string& device, std::uint32_t rate) {
    if (rate == 0 || device.find('\n') != std::string::npos || rateOf(device) == rate) {
        return;
    }
    m_rates[device] = rate;
    m_learnt[device] = rate;
}

void ProbeRateMemory::save() const {
    if (m_learnt.empty() || m_folder.empty()) {
        return;
    }
    RateStore store(m_folder, true);
    if (!store.valid() || !store.lock(kLockWait)) {
        return;
    }
    // Anything but the user's own regular file there (a link, a pipe, a device, another user's
    // file) is let be, and with it the rates.
    if (!store.mayReplace()) {
        return;
    }
    // What other runs saved since this one read the file, with this run's rates over it.
    std::map<std::string, std::uint32_t> rates;
    readRates(store, rates);
    for (const auto& [device, rate] : m_learnt) {
        if (rates.size() >= kMaxPorts && !rates.contains(device)) {
            rates.erase(rates.begin());
        }
        rates[device] = rate;
    }
    std::string text;
    for (const auto& [device, rate] : rates) {
        text += std::to_string(rate) + '\t' + device + '\n';
    }
    store.replace(text);
}

} // namespace morvent
