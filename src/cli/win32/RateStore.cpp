// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "RateStore.h"

#include "WideText.h"
#include "WinHandle.h"

#include <windows.h>

#include <QStandardPaths>

#include <thread>

namespace morvent {

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr DWORD kNotPlain =
    FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE;

// A file of the folder as a plain file of its own: no link or junction (a reparse point is not
// followed), no folder, no device, no second hard link. Looked at before it is opened, and again
// once open, so that nothing put there in between is used. The folder lies in the user's own
// %LOCALAPPDATA%, whose access list lets no other user in, so the owner needs no asking here.
WinHandle openOwnFile(const std::wstring& path, DWORD access, DWORD disposition) {
    const DWORD before = ::GetFileAttributesW(path.c_str());
    if (before == INVALID_FILE_ATTRIBUTES ? disposition == OPEN_EXISTING
                                          : (before & kNotPlain) != 0) {
        return {};
    }
    WinHandle file(::CreateFileW(path.c_str(), access, kShareAll, nullptr, disposition,
                                 FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file.valid() || ::GetFileType(file.get()) != FILE_TYPE_DISK ||
        !::GetFileInformationByHandle(file.get(), &info) ||
        (info.dwFileAttributes & kNotPlain) != 0 || info.nNumberOfLinks != 1) {
        return {};
    }
    return file;
}

bool writeAll(HANDLE file, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        DWORD written = 0;
        if (!::WriteFile(file, text.data() + done, static_cast<DWORD>(text.size() - done), &written,
                         nullptr) ||
            written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

} // namespace

struct RateStore::Handles {
    std::wstring folder;
    // Held while the store is in use, without FILE_SHARE_DELETE: the folder cannot be renamed or
    // swapped for a junction meanwhile, as a POSIX descriptor of it would pin it.
    WinHandle dir;
    WinHandle lock;

    std::wstring path(const char* name) const { return folder + L'\\' + wideText(name); }
};

std::string RateStore::location() {
    // %LOCALAPPDATA%: a cache stays on the machine it was learnt on, as its adapters do.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? std::string() : (data + QStringLiteral("/morvent/cache")).toStdString();
}

RateStore::RateStore(const std::string& folder, bool create)
    : m_handles(std::make_unique<Handles>()) {
    std::wstring wide = wideText(folder);
    DWORD size = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    size = size == 0 ? 0 : ::GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
    full.resize(size);
    if (full.empty()) {
        return;
    }
    if (create) {
        // Each folder from the top, so that a missing parent (a fresh profile's cache) is made
        // too; those already there are left as they are.
        for (std::size_t slash = full.find(L'\\', 3); slash != std::wstring::npos;
             slash = full.find(L'\\', slash + 1)) {
            ::CreateDirectoryW(full.substr(0, slash).c_str(), nullptr);
        }
        ::CreateDirectoryW(full.c_str(), nullptr);
    }
    const DWORD attributes = ::GetFileAttributesW(full.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY) ||
        (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        return;
    }
    WinHandle dir(::CreateFileW(
        full.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!dir.valid() || !::GetFileInformationByHandle(dir.get(), &info) ||
        !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        return;
    }
    m_handles->folder = std::move(full);
    m_handles->dir = std::move(dir);
}

RateStore::~RateStore() = default;

bool RateStore::valid() const {
    return m_handles->dir.valid();
}

std::string RateStore::read(std::size_t limit) const {
    const WinHandle file = openOwnFile(m_handles->path(kFileName), GENERIC_READ, OPEN_EXISTING);
    if (!file.valid()) {
        return {};
    }
    std::string text(limit, '\0');
    std::size_t got = 0;
    while (got < text.size()) {
        DWORD n = 0;
        if (!::ReadFile(file.get(), text.data() + got, static_cast<DWORD>(text.size() - got), &n,
                        nullptr) ||
            n == 0) {
            break;
        }
        got += n;
    }
    text.resize(got);
    return text;
}

bool RateStore::lock(std::chrono::milliseconds wait) {
    WinHandle lock =
        openOwnFile(m_handles->path(kLockName), GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS);
    if (!lock.valid()) {
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        OVERLAPPED whole{};
        if (::LockFileEx(lock.get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                         &whole)) {
            break;
        }
        if (::GetLastError() != ERROR_LOCK_VIOLATION ||
            std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    // Closing the handle, also at the end of a process however it ends, lets the lock go.
    m_handles->lock = std::move(lock);
    return true;
}

bool RateStore::mayReplace() const {
    const std::wstring path = m_handles->path(kFileName);
    return ::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES ||
           openOwnFile(path, GENERIC_READ, OPEN_EXISTING).valid();
}

void RateStore::replace(const std::string& text) const {
    const std::wstring aside = m_handles->path(kNewName);
    // The name aside is removed first, never followed: DeleteFileW takes a link itself.
    ::DeleteFileW(aside.c_str());
    WinHandle out(::CreateFileW(aside.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out.valid()) {
        return;
    }
    if (!writeAll(out.get(), text) || !out.close() ||
        !::MoveFileExW(aside.c_str(), m_handles->path(kFileName).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        out.close();
        ::DeleteFileW(aside.c_str());
    }
}

} // namespace morvent
