#include "ProbeRateMemory.h"

#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>

#include <fstream>
#include <sstream>

namespace morvent {

namespace {

// Enough for a shop's rack of adapters; beyond it one name is let go for each new one.
constexpr std::size_t kMaxPorts = 256;

} // namespace

ProbeRateMemory::ProbeRateMemory() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (folder.isEmpty()) {
        return;
    }
    m_path = QDir(folder).filePath(QStringLiteral("morvent/probe-rates")).toStdString();
    // One port a line: the rate, a tab, the device's path.
    std::ifstream in(m_path);
    std::string line;
    while (m_rates.size() < kMaxPorts && std::getline(in, line)) {
        std::istringstream fields(line);
        std::uint32_t rate = 0;
        std::string device;
        if (fields >> rate && fields.get() == '\t' && std::getline(fields, device) &&
            !device.empty()) {
            m_rates[device] = rate;
        }
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
    if (m_rates.size() >= kMaxPorts && !m_rates.contains(device)) {
        m_rates.erase(m_rates.begin());
    }
    m_rates[device] = rate;
    m_changed = true;
}

void ProbeRateMemory::save() const {
    if (!m_changed || m_path.empty()) {
        return;
    }
    QDir().mkpath(QString::fromStdString(m_path.substr(0, m_path.rfind('/'))));
    // Written aside under a name of its own and renamed over, so a run that ends half way, or
    // another run saving at the same moment, leaves whole rates behind.
    QSaveFile out(QString::fromStdString(m_path));
    if (!out.open(QIODevice::WriteOnly)) {
        return;
    }
    for (const auto& [device, rate] : m_rates) {
        const std::string line = std::to_string(rate) + '\t' + device + '\n';
        out.write(line.data(), static_cast<qint64>(line.size()));
    }
    out.commit();
}

} // namespace morvent
