// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "CsvFile.h"

#include "FileIo.h"
#include "LiveReadingsReply.h"
#include "SystemErrors.h"
#include "WideText.h"
#include "WinHandle.h"

#include <windows.h>

#include <cerrno>

namespace morvent {

Outcome writeErrorOutcome(int error) {
    // Windows' full disk and exceeded quota both arrive as ENOSPC (SystemErrors.h).
    switch (error) {
    case ENOSPC:
    case EIO:
    case EFBIG:
    case ENOMEM:
    case EMFILE:
    case ENFILE:
    case EPIPE:
        return Outcome::Failure;
    default:
        return Outcome::InvalidInput;
    }
}

// Shared for reading, so that a viewer may follow the readings as they come; a program that
// holds the file without sharing it refuses it from the start.
struct CsvFile::Handle {
    WinHandle file;
    std::wstring path;
};

CsvFile::CsvFile(std::string path) : m_path(std::move(path)), m_file(std::make_unique<Handle>()) {
    m_file->path = wideText(m_path);
    m_file->file = WinHandle(::CreateFileW(m_file->path.c_str(), GENERIC_WRITE,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (m_file->file.valid()) {
        // The read-only mark refuses writing, also where the system lets an administrator open
        // the file for it.
        if (::GetFileInformationByHandle(m_file->file.get(), &info) &&
            (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY)) {
            errno = EACCES;
            fail();
        }
        return;
    }
    if (lastErrorAsErrno() != ENOENT) {
        fail();
    }
    // A new file is made with the first reading; until then its folder must take it.
    if (const int refused = whyNoNewFile(m_path); refused != 0) {
        errno = refused;
        fail();
    }
}

CsvFile::~CsvFile() = default;

void CsvFile::write(std::string_view line) {
    WinHandle& file = m_file->file;
    if (!m_started) {
        m_started = true;
        if (!file.valid()) {
            file = WinHandle(::CreateFileW(m_file->path.c_str(), GENERIC_WRITE,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
            if (!file.valid()) {
                lastErrorAsErrno();
                fail();
            }
        } else if (::GetFileType(file.get()) == FILE_TYPE_DISK && !::SetEndOfFile(file.get())) {
            lastErrorAsErrno();
            fail();
        }
        write(liveReadingsCsvHeader());
    }
    while (!line.empty()) {
        DWORD written = 0;
        if (!::WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written,
                         nullptr)) {
            lastErrorAsErrno();
            fail();
        }
        line.remove_prefix(written);
    }
}

void CsvFile::fail() const {
    const int error = errno;
    throw SessionError(writeErrorOutcome(error),
                       "Unable to write to " + m_path + ": " + fileErrorText(error));
}

} // namespace morvent
