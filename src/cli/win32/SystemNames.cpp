// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "SystemNames.h"

#include "WideText.h"
#include "WinHandle.h"

#include <windows.h>

#include <QRegularExpression>

namespace morvent {

namespace {

// "\\.\COM7", "//./COM7" and "COM7" name one device, in any case; so do the other names of the
// device namespace (NUL, a named pipe's \\.\pipe\...).
QString deviceName(QString path) {
    for (const QString& prefix : {QStringLiteral("\\\\.\\"), QStringLiteral("//./")}) {
        if (path.startsWith(prefix)) {
            return path.mid(prefix.size()).toUpper();
        }
    }
    static const QRegularExpression comPort(QStringLiteral("^COM[0-9]+$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return comPort.match(path).hasMatch() ? path.toUpper() : QString();
}

// The full path, with case folded as the file systems Windows names files on compare it.
std::wstring foldedFullPath(const std::wstring& path) {
    DWORD size = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    size = size == 0 ? 0 : ::GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    full.resize(size);
    if (full.empty()) {
        full = path;
    }
    ::CharUpperBuffW(full.data(), static_cast<DWORD>(full.size()));
    return full;
}

} // namespace

std::string identityOf(const std::string& path) {
    if (const QString device = deviceName(QString::fromStdString(path)); !device.isEmpty()) {
        return "c" + device.toStdString();
    }
    const std::wstring wide = wideText(path);
    // A file that exists is its volume and its index there, whatever names lead to it.
    const WinHandle file(::CreateFileW(
        wide.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (file.valid() && ::GetFileInformationByHandle(file.get(), &info)) {
        return "f" + std::to_string(info.dwVolumeSerialNumber) + ":" +
               std::to_string((std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow);
    }
    return "p" + utf8Text(foldedFullPath(wide));
}

std::string specialFileKind(const std::string& path) {
    if (!deviceName(QString::fromStdString(path)).isEmpty()) {
        return "a device";
    }
    const DWORD attributes = ::GetFileAttributesW(wideText(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0
               ? "a folder"
               : std::string();
}

QString portInFileName(const QString& port) {
    const QString device = deviceName(port);
    QString name = device.isEmpty() ? port : device;
    static const QRegularExpression separators(QStringLiteral("[/\\\\:]"));
    return name.replace(separators, QStringLiteral("-"));
}

qsizetype nameStartOf(const QString& path) {
    static const QRegularExpression separator(QStringLiteral("[/\\\\:][^/\\\\:]*$"));
    const qsizetype at = path.indexOf(separator);
    return at < 0 ? 0 : at + 1;
}

QString portOptionHelp() {
    return QStringLiteral(
        "The serial port, as Windows names it: COM7 (or \\\\.\\COM7). Given several times, the "
        "controllers on all of them are served at once and the run ends with the highest exit "
        "code of all; all takes every port of the Port list. Two names of one port (COM7, com7 "
        "and \\\\.\\COM7), or ports whose files would share a name, are refused with exit 2.");
}

} // namespace morvent
