// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "FileSystem.h"
#include "FileIo.h"

#include "Descriptor.h"
#include "SignalUndo.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <system_error>
#include <unistd.h>

namespace morvent {

namespace {

bool writeAll(int fd, std::string_view content, off_t at = 0) {
    while (!content.empty()) {
        const ssize_t written = ::pwrite(fd, content.data(), content.size(), at);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
        at += written;
    }
    return true;
}

// The file a path ends at once links are followed; the path itself when it names nothing yet.
std::string resolved(const std::string& path) {
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) {
        return path;
    }
    std::string result(real);
    std::free(real);
    return result;
}

std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string fileNameOf(const std::string& path) {
    return path.substr(nameStart(path));
}

// The temporary being written, for the undo step that removes it when a signal ends the process
// midway. The name is set only while exists is false, so the step never reads it half changed.
struct Temporary {
    std::string name;
    std::atomic<bool> exists{false};
};

void removeTemporary(const void* data) {
    const auto* temporary = static_cast<const Temporary*>(data);
    if (temporary->exists.load()) {
        ::unlink(temporary->name.c_str());
    }
}

// Creates a temporary of a name no other file has (O_EXCL, so a name taken in the meantime is
// never reused) and locks it at once: an unlocked temporary is one whose process has gone.
// Returns the descriptor, or -1.
int createTemporary(const std::string& directory, const std::string& stem, mode_t mode,
                    Temporary& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary.exists = false;
        temporary.name = directory + "/" + temporaryName(stem);
        // The signal's undo steps wait until the file is made and marked, so they remove it;
        // and once they have begun no file is made that they would miss.
        const UndoGuard creating;
        temporary.exists = true;
        const int fd =
            ::open(temporary.name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX);
            return fd;
        }
        temporary.exists = false;
        if (errno != EEXIST) {
            return -1;
        }
    }
    return -1;
}

// Removes the temporaries of this file that a killed save left behind: ours, and unlocked.
void removeLeftTemporaries(const std::string& directory, const std::string& stem) {
    DIR* folder = ::opendir(directory.c_str());
    if (!folder) {
        return;
    }
    while (const dirent* entry = ::readdir(folder)) {
        const std::string_view name = entry->d_name;
        if (!isTemporaryName(name, stem)) {
            continue;
        }
        const std::string path = directory + "/" + std::string(name);
        Descriptor fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat opened {};
        struct stat named {};
        // Still under the same name once locked: not one that a live save renamed meanwhile.
        if (fd.get() >= 0 && ::fstat(fd.get(), &opened) == 0 && S_ISREG(opened.st_mode) &&
            opened.st_uid == ::geteuid() && ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0 &&
            ::lstat(path.c_str(), &named) == 0 && named.st_dev == opened.st_dev &&
            named.st_ino == opened.st_ino) {
            ::unlink(path.c_str());
        }
    }
    ::closedir(folder);
}

// Gives the temporary the replaced file's owner, group and mode; false where the user may not,
// so that renaming it would change them.
bool takeOver(int fd, const struct stat& old) {
    // The owner first: changing it may clear set-id bits that the mode then puts back.
    [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
    struct stat now {};
    return ::fchmod(fd, old.st_mode & 07777) == 0 && ::fstat(fd, &now) == 0 &&
           now.st_uid == old.st_uid && now.st_gid == old.st_gid &&
           (now.st_mode & 07777) == (old.st_mode & 07777);
}

// Writes the content over the file's own. The room is reserved first, so a full disk fails
// before a byte changes. While the rest is written the file begins with kSavingMark, which no
// load takes for parameters but knows for a save of this program's cut short, so a save cut
// short leaves a file that is refused for what it is rather than the new content's head over the
// old one's tail, which might load; the content's own head goes in last.
bool writeInPlace(int fd, std::string_view content) {
    const auto size = static_cast<off_t>(content.size());
    if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) != 0 && errno != EOPNOTSUPP &&
        errno != ENOSYS) {
        return false;
    }
    saveStepDone("reserved");
    if (content.empty()) {
        return ::ftruncate(fd, 0) == 0 && ::fsync(fd) == 0;
    }
    const std::string_view mark = markFor(content);
    if (!writeAll(fd, mark) || ::fdatasync(fd) != 0) {
        return false;
    }
    saveStepDone("marked");
    if (!writeAll(fd, content.substr(mark.size()), static_cast<off_t>(mark.size()))) {
        return false;
    }
    saveStepDone("written");
    if (::ftruncate(fd, size) != 0 || ::fsync(fd) != 0) {
        return false;
    }
    saveStepDone("cut to size");
    return writeAll(fd, content.substr(0, mark.size())) && ::fsync(fd) == 0;
}

} // namespace

std::size_t nameStart(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? 0 : slash + 1;
}

std::tm utcTimeOf(std::time_t moment) {
    std::tm utc{};
    ::gmtime_r(&moment, &utc);
    return utc;
}

std::string absolutePath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

int makeFolders(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return error.value();
}

int writeNewFile(const std::string& path, std::string_view content) {
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (fd.get() < 0) {
        return errno;
    }
    if (!writeAll(fd.get(), content) || ::fsync(fd.get()) != 0 || !fd.close()) {
        const int why = errno;
        ::unlink(path.c_str());
        return why;
    }
    return 0;
}

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    DIR* listing = ::opendir(folder.c_str());
    if (!listing) {
        return names;
    }
    while (const dirent* entry = ::readdir(listing)) {
        names.emplace_back(entry->d_name);
    }
    ::closedir(listing);
    return names;
}

std::vector<std::string> plainFilesIn(const std::string& folder) {
    std::vector<std::string> names;
    const Descriptor directory(
        ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    for (std::string& name : namesIn(folder)) {
        struct stat info {};
        if (directory.get() >= 0 &&
            ::fstatat(directory.get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode)) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

bool isPlainFolder(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

FileLock::FileLock(const std::string& path)
    : m_handle(::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0600)) {
    while (m_handle >= 0 && ::flock(static_cast<int>(m_handle), LOCK_EX) != 0 && errno == EINTR) {
    }
}

FileLock::~FileLock() {
    if (m_handle >= 0) {
        ::close(static_cast<int>(m_handle)); // which ends the hold
    }
}

void removeFile(const std::string& path) {
    ::unlink(path.c_str());
}

void syncFolder(const std::string& folder) {
    const Descriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0) {
        ::fsync(directory.get());
    }
}

std::optional<std::string> readFile(const std::string& path, std::size_t limit, ReadRefusal* why) {
    const auto refuse = [why](ReadRefusal reason) -> std::optional<std::string> {
        if (why) {
            *why = reason;
        }
        return std::nullopt;
    };
    // Not blocking, so that a named pipe given as a parameter file is refused, not waited on.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return refuse(ReadRefusal::Unreadable);
    }
    if (static_cast<std::size_t>(info.st_size) > limit) {
        return refuse(ReadRefusal::TooLarge);
    }
    std::string content;
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return refuse(ReadRefusal::Unreadable);
        }
        if (got == 0) {
            return content;
        }
        content.append(buffer, static_cast<std::size_t>(got));
        if (content.size() > limit) {
            return refuse(ReadRefusal::TooLarge);
        }
    }
}

bool isMissing(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

bool isDanglingLink(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode) &&
           ::stat(path.c_str(), &info) != 0;
}

std::string linkTarget(const std::string& path) {
    std::string target(4096, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    target.resize(length < 0 ? 0 : static_cast<std::size_t>(length));
    return target;
}

int whyNotWritable(const std::string& path) {
    const Descriptor existing(::open(path.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!existing.valid()) {
        return errno;
    }
    struct stat info {};
    return ::fstat(existing.get(), &info) == 0 && S_ISREG(info.st_mode) ? 0 : kNotARegularFile;
}

int whyNoNewFile(const std::string& path) {
    return ::access(directoryOf(path).c_str(), W_OK | X_OK) == 0 ? 0 : errno;
}

std::string fileErrorText(int error) {
    return std::strerror(error);
}

std::string heldOpenReason(int) {
    return {};
}

bool replaceFile(const std::string& path, std::string_view content) {
    // Renaming over a link that leads nowhere would put a plain file in the link's place.
    if (isDanglingLink(path)) {
        return false;
    }
    const std::string target = resolved(path);
    const std::string directory = directoryOf(target);
    const std::string stem = temporaryStem(fileNameOf(target));

    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    // Opening the file for writing, truncating nothing, asks the system whether the user may
    // change it at all; it is also the way in should the file have to be written in place.
    Descriptor existing(
        replacing ? ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC) : -1);
    if (replacing &&
        (existing.get() < 0 || ::fstat(existing.get(), &old) != 0 || !S_ISREG(old.st_mode))) {
        return false;
    }
    // A second link would be split from the new file, and an access list would not follow it.
    const bool renameKeepsIt =
        !replacing || (old.st_nlink == 1 &&
                       ::fgetxattr(existing.get(), "system.posix_acl_access", nullptr, 0) < 0);

    removeLeftTemporaries(directory, stem);
    Temporary temporary;
    const SignalUndo undo(removeTemporary, &temporary);
    // Another save's clean-up may take a temporary for a left one in the moment between its
    // creation and its lock; the rename then finds it gone, and a new one is tried.
    for (int attempt = 0; renameKeepsIt && attempt < 3; ++attempt) {
        // A new file gets the usual permissions less the umask; a replaced one gets its own.
        Descriptor fd(createTemporary(directory, stem, replacing ? 0600 : 0666, temporary));
        if (fd.get() < 0) {
            break;
        }
        const auto discard = [&temporary] {
            ::unlink(temporary.name.c_str());
            temporary.exists = false;
        };
        if (replacing && !takeOver(fd.get(), old)) {
            discard();
            break;
        }
        bool written = writeAll(fd.get(), content) && ::fsync(fd.get()) == 0;
        // The lock stays on this second descriptor until the temporary has taken the file's
        // name, so no clean-up takes it for a left one meanwhile.
        const Descriptor lock(::dup(fd.get()));
        written = fd.close() && written;
        if (!written) {
            discard();
            return false;
        }
        saveStepDone("temporary written");
        if (::rename(temporary.name.c_str(), target.c_str()) == 0) {
            temporary.exists = false;
            // The new name itself is on disk only once the directory is; the file is whole
            // either way.
            syncFolder(directory);
            return true;
        }
        const bool vanished = errno == ENOENT;
        discard();
        if (!vanished) {
            break;
        }
    }
    // The folder takes no new file, or the new one could not be the old one's equal.
    return replacing && writeInPlace(existing.get(), content);
}

} // namespace morvent
