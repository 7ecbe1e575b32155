// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ConnectionHelp.h"

#include "ConnectionHelpTexts.h"

#include <windows.h>

namespace morvent {

namespace {

// The port as the user named it: COM7 for \\.\COM7.
QString portName(const std::string& devicePath) {
    QString port = QString::fromStdString(devicePath);
    const QString prefix = QStringLiteral("\\\\.\\");
    return port.startsWith(prefix) ? port.mid(prefix.size()) : port;
}

// Windows' own words for an error, in the user's language.
QString systemText(int systemError) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(systemError), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const QString words = length > 0 ? QString::fromWCharArray(text, length)
                                     : QStringLiteral("Windows error %1").arg(systemError);
    ::LocalFree(text);
    return words;
}

} // namespace

QString openFailureHelp(const std::string& devicePath, int systemError) {
    const QString port = portName(devicePath);
    switch (systemError) {
    // Windows' serial drivers let one program at a time open a port and refuse the next.
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_BUSY:
        return connectionHelp::portInUse(port);
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_BAD_UNIT:
        return connectionHelp::noSuchPort(port);
    case ERROR_GEN_FAILURE:
    case ERROR_NOT_READY:
    case ERROR_DEVICE_NOT_CONNECTED:
    case ERROR_DEVICE_REMOVED:
        return connectionHelp::notAnswering(port);
    case ERROR_INVALID_PARAMETER:
        return connectionHelp::lineSettings(port);
    case ERROR_INVALID_FUNCTION:
        return connectionHelp::notASerialPort(port);
    case ERROR_SUCCESS:
        return {};
    default:
        return connectionHelp::systemWords(systemText(systemError));
    }
}

} // namespace morvent
