#pragma once

#include <QString>

#include <optional>
#include <string>
#include <sys/types.h>

namespace morvent {

// A process that has a device open.
struct DeviceHolder {
    pid_t pid = 0;
    std::string name; // the process's command name, as /proc shows it
};

// The first process found that has the device open, if any can be seen.
std::optional<DeviceHolder> findDeviceHolder(const std::string& devicePath);

// Why a port could not be opened, and what to do about it, in plain words for a technician:
// permission (the device's group and how to join it), in use (by whom, if it can be found;
// ModemManager named as the usual suspect), or no such device. Empty where there is nothing
// useful to add.
QString openFailureHelp(const std::string& devicePath, int systemError);

} // namespace morvent
