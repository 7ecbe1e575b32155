// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "PortList.h"

#include <QHash>

#include <windows.h>
// After windows.h: defines the device class GUIDs here rather than only declaring them.
#include <initguid.h>

#include <devguid.h>
#include <setupapi.h>

#include <algorithm>
#include <array>

namespace morvent {

namespace {

// A string value of an open key; empty when it is missing or no string.
QString stringValue(HKEY key, const wchar_t* name) {
    std::array<wchar_t, 256> data{};
    DWORD type = 0;
    // One character short, so the text always ends even when the stored one does not.
    auto size = static_cast<DWORD>((data.size() - 1) * sizeof(wchar_t));
    if (::RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                           &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return {};
    }
    return QString::fromWCharArray(data.data());
}

// The friendly names of the ports present ("USB Serial Port (COM7)"), by port name in capitals.
QHash<QString, QString> friendlyNames() {
    QHash<QString, QString> names;
    const HDEVINFO devices =
        ::SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (devices == INVALID_HANDLE_VALUE) {
        return names;
    }
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD i = 0; ::SetupDiEnumDeviceInfo(devices, i, &device); ++i) {
        const HKEY key =
            ::SetupDiOpenDevRegKey(devices, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
        if (key == INVALID_HANDLE_VALUE) {
            continue;
        }
        const QString port = stringValue(key, L"PortName");
        ::RegCloseKey(key);
        std::array<wchar_t, 256> friendly{};
        DWORD type = 0;
        if (!port.isEmpty() &&
            ::SetupDiGetDeviceRegistryPropertyW(
                devices, &device, SPDRP_FRIENDLYNAME, &type,
                reinterpret_cast<BYTE*>(friendly.data()),
                static_cast<DWORD>((friendly.size() - 1) * sizeof(wchar_t)), nullptr) &&
            type == REG_SZ) {
            names.insert(port.toUpper(), QString::fromWCharArray(friendly.data()));
        }
    }
    ::SetupDiDestroyDeviceInfoList(devices);
    return names;
}

// COM2 before COM10: runs of digits compare by their value, the rest without regard to case.
bool naturalLess(const QString& a, const QString& b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const qsizetype startA = i;
            const qsizetype startB = j;
            while (i < a.size() && a[i].isDigit()) {
                ++i;
            }
            while (j < b.size() && b[j].isDigit()) {
                ++j;
            }
            const qulonglong valueA = a.mid(startA, i - startA).toULongLong();
            const qulonglong valueB = b.mid(startB, j - startB).toULongLong();
            if (valueA != valueB) {
                return valueA < valueB;
            }
            continue;
        }
        const QChar x = a[i].toUpper();
        const QChar y = b[j].toUpper();
        if (x != y) {
            return x < y;
        }
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

} // namespace

std::vector<PortEntry> systemSerialPorts() {
    std::vector<PortEntry> ports;
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ,
                        &key) != ERROR_SUCCESS) {
        return ports;
    }
    const QHash<QString, QString> friendly = friendlyNames();
    // Each value is one serial device; its data is the port's name.
    for (DWORD i = 0;; ++i) {
        std::array<wchar_t, 256> name{};
        auto nameSize = static_cast<DWORD>(name.size());
        const LONG result =
            ::RegEnumValueW(key, i, name.data(), &nameSize, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS) {
            break;
        }
        if (result != ERROR_SUCCESS) {
            continue;
        }
        const QString port = stringValue(key, name.data()).trimmed();
        if (!port.isEmpty()) {
            ports.push_back(
                {port, QStringLiteral("\\\\.\\") + port, friendly.value(port.toUpper())});
        }
    }
    ::RegCloseKey(key);
    std::sort(ports.begin(), ports.end(),
              [](const PortEntry& a, const PortEntry& b) { return naturalLess(a.name, b.name); });
    return ports;
}

} // namespace morvent
