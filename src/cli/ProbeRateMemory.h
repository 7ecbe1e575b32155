// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace morvent {

// The rate each port's controller last answered the connect request at, kept between runs so
// that probing a known bike starts where it will succeed. Kept in the user's cache folder
// ($XDG_CACHE_HOME when it is an absolute path, else ~/.cache), in morvent/probe-rates, on
// Windows in %LOCALAPPDATA%\morvent\cache\probe-rates; a file that is missing or unreadable
// only means no rate is known.
//
// The folder may be shared with other programs and other users may run the tool with this
// user's HOME (root, through sudo), so the file is read and written only as a regular file that
// the user running the tool owns, in a folder of his, never through a link and never waited on
// (a named pipe or a device there is let be), and at most its first MiB is read. Runs that save
// at the same time merge their rates under a lock instead of keeping only the last one's.
class ProbeRateMemory {
public:
    // Reads what earlier runs kept.
    ProbeRateMemory();

    std::optional<std::uint32_t> rateOf(const std::string& device) const;
    void remember(const std::string& device, std::uint32_t rate);
    // Writes the rates learnt in this run into what the file holds now, if any changed; a cache
    // that cannot be written is let be.
    void save() const;

    // The folder the file is kept in; empty when the user has none.
    const std::string& folder() const { return m_folder; }

private:
    std::string m_folder;
    std::map<std::string, std::uint32_t> m_rates;
    std::map<std::string, std::uint32_t> m_learnt;
};

} // namespace morvent
