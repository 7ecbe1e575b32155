// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "FileSystem.h"
#include "FileIo.h"

#include "SignalUndo.h"
#include "SystemErrors.h"
#include "WideText.h"
#include "WinHandle.h"

#include <windows.h>
#include <winioctl.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <ctime>

namespace morvent {

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// For a step that failed: errno from the system's error, and false.
bool failed() {
    lastErrorAsErrno();
    return false;
}

// A full path in the form every *W call takes, also beyond MAX_PATH.
std::wstring fullPath(const std::string& path) {
    const std::wstring wide = wideText(path);
    DWORD size = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0) {
        return wide;
    }
    std::wstring full(size, L'\0');
    size = ::GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
    full.resize(size);
    if (full.size() < MAX_PATH - 12 || full.starts_with(L"\\\\?\\") ||
        full.starts_with(L"\\\\.\\")) {
        return full;
    }
    return full.starts_with(L"\\\\") ? L"\\\\?\\UNC\\" + full.substr(2) : L"\\\\?\\" + full;
}

std::wstring folderOf(const std::wstring& full) {
    const std::size_t slash = full.rfind(L'\\');
    if (slash == std::wstring::npos) {
        return L".";
    }
    // The root of a drive keeps its backslash: "C:" alone is the drive's current folder.
    return full.substr(0, slash > 0 && full[slash - 1] == L':' ? slash + 1 : slash);
}

std::wstring withName(const std::wstring& folder, const std::wstring& name) {
    return folder.ends_with(L'\\') ? folder + name : folder + L'\\' + name;
}

// Opens what path names, following links, only to ask about it.
WinHandle openToAsk(const std::wstring& path) {
    return WinHandle(::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                                   OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

// Whether the last name of path is a symbolic link or a junction; other reparse points (files
// that live in the cloud, deduplicated files) are the files they stand for.
bool isLink(const std::wstring& path) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    ::FindClose(search);
    return (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
           (found.dwReserved0 == IO_REPARSE_TAG_SYMLINK ||
            found.dwReserved0 == IO_REPARSE_TAG_MOUNT_POINT);
}

bool isDangling(const std::wstring& path) {
    return isLink(path) && !openToAsk(path).valid();
}

// The file a path ends at once a link at its end is followed; the full path itself otherwise.
// Links in the folders above are followed by the system alike for the file and its temporary.
std::wstring resolved(const std::wstring& path) {
    if (!isLink(path)) {
        return path;
    }
    const WinHandle file = openToAsk(path);
    std::wstring target(32768, L'\0');
    const DWORD length = file.valid()
                             ? ::GetFinalPathNameByHandleW(file.get(), target.data(),
                                                           static_cast<DWORD>(target.size()),
                                                           FILE_NAME_NORMALIZED | VOLUME_NAME_DOS)
                             : 0;
    if (length == 0 || length >= target.size()) {
        return path;
    }
    target.resize(length);
    return target;
}

bool writeAll(HANDLE file, std::string_view content, std::uint64_t at) {
    while (!content.empty()) {
        OVERLAPPED where{};
        where.Offset = static_cast<DWORD>(at);
        where.OffsetHigh = static_cast<DWORD>(at >> 32);
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size(), 1 << 20));
        if (!::WriteFile(file, content.data(), chunk, &written, &where) || written == 0) {
            return false;
        }
        content.remove_prefix(written);
        at += written;
    }
    return true;
}

bool cutAt(HANDLE file, std::uint64_t size) {
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = static_cast<LONGLONG>(size);
    return ::SetFileInformationByHandle(file, FileEndOfFileInfo, &end, sizeof end) != 0;
}

// Held by a save on its temporary from creation until it is closed before taking the file's
// name: the byte locked lies far beyond any content, so the lock keeps nothing from reading or
// renaming the file, and a temporary that is not locked is one whose save has gone.
constexpr DWORD kLockOffsetHigh = 0x7FFFFFFF;

bool lockFarByte(HANDLE file, DWORD flags) {
    OVERLAPPED where{};
    where.Offset = 0xFFFFFFFE;
    where.OffsetHigh = kLockOffsetHigh;
    return ::LockFileEx(file, flags, 0, 1, 0, &where) != 0;
}

// The temporary being written, for the undo step that removes it when Ctrl+C, Ctrl+Break or a
// closed console end the process midway. The name is set only while exists is false, so the
// step never reads it half changed. The temporary is open with FILE_SHARE_DELETE, so the step's
// DeleteFileW takes it even while it is being written; the name goes when the process ends.
struct Temporary {
    std::wstring name;
    std::atomic<bool> exists{false};
};

void removeTemporary(const void* data) {
    const auto* temporary = static_cast<const Temporary*>(data);
    if (temporary->exists.load()) {
        ::DeleteFileW(temporary->name.c_str());
    }
}

// Creates a temporary of a name no other file has (CREATE_NEW, so a name taken in the meantime is
// never reused) and locks it at once.
WinHandle createTemporary(const std::wstring& folder, const std::string& stem,
                          Temporary& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary.exists = false;
        temporary.name = withName(folder, wideText(temporaryName(stem)));
        // The undo steps wait until the file is made and marked, so they remove it; and once
        // they have begun no file is made that they would miss.
        const UndoGuard creating;
        temporary.exists = true;
        WinHandle file(::CreateFileW(temporary.name.c_str(), GENERIC_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.valid()) {
            lockFarByte(file.get(), LOCKFILE_EXCLUSIVE_LOCK);
            return file;
        }
        temporary.exists = false;
        if (lastErrorAsErrno() != EEXIST) {
            return {};
        }
    }
    return {};
}

// Removes the temporaries of this file that a killed save left behind: ours, and unlocked. Each
// goes by its name once its handle is closed, never through the handle: a live save may rename
// its temporary over the file the moment it lets the lock go, and then the name no longer
// leads to it.
void removeLeftTemporaries(const std::wstring& folder, const std::string& stem) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW(withName(folder, wideText(stem) + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        if (!isTemporaryName(utf8Text(found.cFileName), stem) ||
            (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) {
            continue;
        }
        const std::wstring path = withName(folder, found.cFileName);
        WinHandle file(::CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        if (file.valid() && ::GetFileType(file.get()) == FILE_TYPE_DISK &&
            lockFarByte(file.get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY)) {
            file.close();
            ::DeleteFileW(path.c_str());
        }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

// Whether a refusal of the file at path comes from another program holding it open: asked by
// opening it as a save must, for writing and for taking its name.
bool heldOpen(const std::wstring& path) {
    const WinHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, kShareAll, nullptr,
                                       OPEN_EXISTING, 0, nullptr));
    const DWORD error = file.valid() ? ERROR_SUCCESS : ::GetLastError();
    return errnoOf(error) == EBUSY;
}

// Sets errno for a refusal of the file at path: EBUSY when another program holds it open, else
// what the failed call said.
bool refused(const std::wstring& path, DWORD error) {
    errno = heldOpen(path) ? EBUSY : errnoOf(error);
    return false;
}

// Writes the content over the file's own, as the POSIX save does where a new file could not be
// the old one's equal (here: a second hard link, or a folder that takes no new file). The room
// is reserved first where the file system reserves any, so a full disk fails before a byte
// changes; while the rest is written the file begins with kSavingMark, and the content's own
// head goes in last.
bool writeInPlace(const std::wstring& path, std::string_view content) {
    const WinHandle file(
        ::CreateFileW(path.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr));
    LARGE_INTEGER size{};
    if (!file.valid() || !::GetFileSizeEx(file.get(), &size)) {
        return refused(path, ::GetLastError());
    }
    // Never below the present size: an allocation under the end of the file cuts it there.
    FILE_ALLOCATION_INFO room{};
    room.AllocationSize.QuadPart =
        std::max<LONGLONG>(size.QuadPart, static_cast<LONGLONG>(content.size()));
    if (!::SetFileInformationByHandle(file.get(), FileAllocationInfo, &room, sizeof room) &&
        errnoOf(::GetLastError()) != ENOSYS && ::GetLastError() != ERROR_INVALID_PARAMETER) {
        return failed();
    }
    saveStepDone("reserved");
    if (content.empty()) {
        return (cutAt(file.get(), 0) && ::FlushFileBuffers(file.get())) || failed();
    }
    const std::string_view mark = markFor(content);
    if (!writeAll(file.get(), mark, 0) || !::FlushFileBuffers(file.get())) {
        return failed();
    }
    saveStepDone("marked");
    if (!writeAll(file.get(), content.substr(mark.size()), mark.size())) {
        return failed();
    }
    saveStepDone("written");
    if (!cutAt(file.get(), content.size()) || !::FlushFileBuffers(file.get())) {
        return failed();
    }
    saveStepDone("cut to size");
    return (writeAll(file.get(), content.substr(0, mark.size()), 0) &&
            ::FlushFileBuffers(file.get())) ||
           failed();
}

enum class Taken { Yes, Vanished, No };

// Gives the temporary the file's name. An existing file is replaced by ReplaceFileW, which
// keeps its attributes, access list and creation time; what it held stands aside under a
// second temporary name meanwhile, so that a replacement that fails half way can be put back.
Taken takeName(const std::wstring& temporary, const std::wstring& target, bool replacing,
               const std::wstring& folder, const std::string& stem) {
    // An ending waits until the names are settled: never a file under a temporary's name only.
    const UndoGuard renaming;
    if (!replacing) {
        if (::MoveFileExW(temporary.c_str(), target.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return Taken::Yes;
        }
    } else {
        const std::wstring aside = withName(folder, wideText(temporaryName(stem)));
        if (::ReplaceFileW(target.c_str(), temporary.c_str(), aside.c_str(), 0, nullptr, nullptr)) {
            ::DeleteFileW(aside.c_str());
            return Taken::Yes;
        }
        if (::GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
            ::MoveFileExW(aside.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
            ::SetLastError(ERROR_UNABLE_TO_MOVE_REPLACEMENT_2);
        }
    }
    const DWORD error = ::GetLastError();
    if (::GetFileAttributesW(temporary.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return Taken::Vanished;
    }
    ::SetLastError(error);
    return Taken::No;
}

} // namespace

std::size_t nameStart(std::string_view path) {
    const std::size_t separator = path.find_last_of("/\\:");
    return separator == std::string_view::npos ? 0 : separator + 1;
}

std::tm utcTimeOf(std::time_t moment) {
    std::tm utc{};
    ::gmtime_s(&utc, &moment);
    return utc;
}

std::string absolutePath(const std::string& path) {
    return utf8Text(fullPath(path));
}

int makeFolders(const std::string& folder) {
    const std::wstring full = fullPath(folder);
    const DWORD attributes = ::GetFileAttributesW(full.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : ENOTDIR;
    }
    const std::wstring parent = folderOf(full);
    if (parent.size() < full.size()) {
        if (const int error = makeFolders(utf8Text(parent)); error != 0) {
            return error;
        }
    }
    if (::CreateDirectoryW(full.c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS) {
        return 0;
    }
    return lastErrorAsErrno();
}

int writeNewFile(const std::string& path, std::string_view content) {
    const std::wstring wide = fullPath(path);
    WinHandle file(::CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        return lastErrorAsErrno();
    }
    if (!writeAll(file.get(), content, 0) || !::FlushFileBuffers(file.get()) || !file.close()) {
        const int why = lastErrorAsErrno();
        file.close();
        ::DeleteFileW(wide.c_str());
        return why;
    }
    return 0;
}

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW(withName(fullPath(folder), L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        names.push_back(utf8Text(found.cFileName));
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return names;
}

std::vector<std::string> plainFilesIn(const std::string& folder) {
    std::vector<std::string> names;
    if (!isPlainFolder(folder)) {
        return names;
    }
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW(withName(fullPath(folder), L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
            !((found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
              found.dwReserved0 == IO_REPARSE_TAG_SYMLINK)) {
            names.push_back(utf8Text(found.cFileName));
        }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return names;
}

bool isPlainFolder(const std::string& path) {
    const std::wstring full = fullPath(path);
    const DWORD attributes = ::GetFileAttributesW(full.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
           !isLink(full);
}

FileLock::FileLock(const std::string& path) : m_handle(-1) {
    const std::wstring full = fullPath(path);
    if (isLink(full)) {
        return;
    }
    const HANDLE file = ::CreateFileW(full.c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    OVERLAPPED where{};
    if (!::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &where)) {
        ::CloseHandle(file);
        return;
    }
    m_handle = reinterpret_cast<std::intptr_t>(file);
}

FileLock::~FileLock() {
    if (m_handle != -1) {
        ::CloseHandle(reinterpret_cast<HANDLE>(m_handle)); // which ends the hold
    }
}

void removeFile(const std::string& path) {
    ::DeleteFileW(fullPath(path).c_str());
}

// A new name is on the disk with the file it names once the file's own buffers are: NTFS logs
// the folder's change with it.
void syncFolder(const std::string&) {}

std::optional<std::string> readFile(const std::string& path, std::size_t limit, ReadRefusal* why) {
    const auto refuse = [why](ReadRefusal reason) -> std::optional<std::string> {
        if (why) {
            *why = reason;
        }
        return std::nullopt;
    };
    // Shared in every way, so that reading never stands in another program's way; only a
    // file on a disk is one (not a device such as NUL or COM1, nor a pipe).
    const WinHandle file(::CreateFileW(fullPath(path).c_str(), GENERIC_READ, kShareAll, nullptr,
                                       OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size{};
    if (!file.valid() || ::GetFileType(file.get()) != FILE_TYPE_DISK ||
        !::GetFileSizeEx(file.get(), &size)) {
        lastErrorAsErrno();
        return refuse(ReadRefusal::Unreadable);
    }
    if (static_cast<std::uint64_t>(size.QuadPart) > limit) {
        return refuse(ReadRefusal::TooLarge);
    }
    std::string content;
    char buffer[16384];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
            lastErrorAsErrno();
            return refuse(ReadRefusal::Unreadable);
        }
        if (got == 0) {
            return content;
        }
        content.append(buffer, got);
        if (content.size() > limit) {
            return refuse(ReadRefusal::TooLarge);
        }
    }
}

bool isMissing(const std::string& path) {
    const std::wstring full = fullPath(path);
    if (::GetFileAttributesW(full.c_str()) != INVALID_FILE_ATTRIBUTES) {
        // A link to nothing names nothing, as POSIX's stat() sees it.
        return isDangling(full);
    }
    const int error = lastErrorAsErrno();
    return error == ENOENT || error == ENOTDIR;
}

bool isDanglingLink(const std::string& path) {
    return isDangling(fullPath(path));
}

std::string linkTarget(const std::string& path) {
    const WinHandle link(::CreateFileW(
        fullPath(path).c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    // REPARSE_DATA_BUFFER: its tag, then for a link the offsets and lengths of the name the
    // system follows and of the one to print, then (for a symbolic link) flags, then the names.
    alignas(8) unsigned char data[16 * 1024];
    DWORD got = 0;
    if (!link.valid() ||
        !::DeviceIoControl(link.get(), FSCTL_GET_REPARSE_POINT, nullptr, 0, data, sizeof data, &got,
                           nullptr) ||
        got < 16) {
        return {};
    }
    DWORD tag = 0;
    std::memcpy(&tag, data, sizeof tag);
    USHORT names[4] = {};
    std::memcpy(names, data + 8, sizeof names);
    const std::size_t start = tag == IO_REPARSE_TAG_SYMLINK ? 20 : 16;
    // The name to print where there is one; else the one followed, without its "\??\".
    const bool printed = names[3] > 0;
    const std::size_t offset = start + (printed ? names[2] : names[0]);
    const std::size_t length = printed ? names[3] : names[1];
    if (offset + length > got) {
        return {};
    }
    std::wstring target(length / sizeof(wchar_t), L'\0');
    std::memcpy(target.data(), data + offset, length);
    if (!printed && target.starts_with(L"\\??\\")) {
        target.erase(0, 4);
    }
    return utf8Text(target);
}

int whyNotWritable(const std::string& path) {
    const std::wstring full = fullPath(path);
    // Asked for what a save needs: writing, and taking the name. A user who may write the file
    // but not remove it has it written in place, so writing alone is asked again.
    WinHandle file(::CreateFileW(full.c_str(), GENERIC_WRITE | DELETE, kShareAll, nullptr,
                                 OPEN_EXISTING, 0, nullptr));
    if (!file.valid() && ::GetLastError() == ERROR_ACCESS_DENIED) {
        file = WinHandle(::CreateFileW(full.c_str(), GENERIC_WRITE, kShareAll, nullptr,
                                       OPEN_EXISTING, 0, nullptr));
    }
    if (!file.valid()) {
        const DWORD attributes = ::GetFileAttributesW(full.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)
                   ? EISDIR
                   : lastErrorAsErrno();
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(file.get()) != FILE_TYPE_DISK ||
        !::GetFileInformationByHandle(file.get(), &info)) {
        return kNotARegularFile;
    }
    // Windows refuses to open a read-only file for writing, but not to an administrator under
    // every system that runs these programs: the mark is what counts.
    return (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) ? EACCES : 0;
}

int whyNoNewFile(const std::string& path) {
    // Access lists decide, and only making a file asks them all: one is made, and goes with its
    // handle.
    const std::wstring folder = folderOf(fullPath(path));
    const std::wstring probe =
        withName(folder, wideText(temporaryName(temporaryStem("morvent-probe"))));
    const WinHandle file(::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE,
                                       nullptr));
    return file.valid() ? 0 : lastErrorAsErrno();
}

std::string fileErrorText(int error) {
    return error == EBUSY ? heldOpenReason(error) : std::strerror(error);
}

std::string heldOpenReason(int error) {
    return error == EBUSY ? "another program has it open" : std::string();
}

bool replaceFile(const std::string& path, std::string_view content) {
    const std::wstring given = fullPath(path);
    // Replacing a link that leads nowhere would put a plain file in the link's place.
    if (isDangling(given)) {
        errno = ENOENT;
        return false;
    }
    const std::wstring target = resolved(given);
    const std::wstring folder = folderOf(target);
    const std::string stem = temporaryStem(utf8Text(target.substr(target.rfind(L'\\') + 1)));

    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    const bool replacing = attributes != INVALID_FILE_ATTRIBUTES;
    bool renameKeepsIt = true;
    if (replacing) {
        // Asks whether the user may change the file at all, and whether another program holds
        // it; the handle is closed again, as a handle of our own would stand in the
        // replacement's way.
        const int refusal = whyNotWritable(utf8Text(target));
        if (refusal != 0) {
            errno = refusal > 0 ? refusal : EINVAL;
            return false;
        }
        const WinHandle file = openToAsk(target);
        BY_HANDLE_FILE_INFORMATION info{};
        if (!file.valid() || !::GetFileInformationByHandle(file.get(), &info)) {
            return failed();
        }
        // A second hard link would be split from the new file.
        renameKeepsIt = info.nNumberOfLinks == 1;
    }

    removeLeftTemporaries(folder, stem);
    Temporary temporary;
    const SignalUndo undo(removeTemporary, &temporary);
    // Another save's clean-up may take a temporary for a left one in the moment between its
    // lock and its new name; the replacement then finds it gone, and a new one is tried.
    for (int attempt = 0; renameKeepsIt && attempt < 3; ++attempt) {
        WinHandle file = createTemporary(folder, stem, temporary);
        if (!file.valid()) {
            break;
        }
        const auto discard = [&temporary] {
            ::DeleteFileW(temporary.name.c_str());
            temporary.exists = false;
        };
        const bool written = writeAll(file.get(), content, 0) && ::FlushFileBuffers(file.get());
        const int why = written ? 0 : lastErrorAsErrno();
        if (!file.close() || !written) {
            discard();
            errno = why != 0 ? why : EIO;
            return false;
        }
        saveStepDone("temporary written");
        const Taken taken = takeName(temporary.name, target, replacing, folder, stem);
        if (taken == Taken::Yes) {
            temporary.exists = false;
            return true;
        }
        const DWORD error = ::GetLastError();
        discard();
        if (taken == Taken::Vanished) {
            continue;
        }
        if (heldOpen(target)) {
            errno = EBUSY;
            return false;
        }
        // Anything else that keeps the new file from taking the name (an access list that
        // could not be merged, a user who may write the file but not replace it) has the file
        // written in place, as on POSIX.
        errno = errnoOf(error);
        break;
    }
    // The folder takes no new file, or the new one could not be the old one's equal.
    if (!replacing) {
        return false;
    }
    return writeInPlace(target, content);
}

} // namespace morvent
