#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace morvent {

// The rate each port's controller last answered the connect request at, kept between runs so
// that probing a known bike starts where it will succeed. Kept in the user's cache folder; a
// file that is missing or unreadable only means no rate is known.
class ProbeRateMemory {
public:
    // Reads what earlier runs kept.
    ProbeRateMemory();

    std::optional<std::uint32_t> rateOf(const std::string& device) const;
    void remember(const std::string& device, std::uint32_t rate);
    // Writes the rates back if any changed; a cache that cannot be written is let be.
    void save() const;

private:
    std::string m_path;
    std::map<std::string, std::uint32_t> m_rates;
    bool m_changed = false;
};

} // namespace morvent
