#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvent {

// The whole content of the regular file at path, or nullopt when it cannot be opened or read
// (missing, a directory, no permission, an I/O error).
std::optional<std::string> readFile(const std::string& path);

// Whether a path names nothing at all, so that a file there would be a new one. A path whose
// directory part names a regular file names nothing either.
bool isMissing(const std::string& path);

// Replaces the file at path by one holding exactly content, or creates it. The content goes to a
// new file beside the old one, reaches the disk, and only then takes the old one's name, so the
// file is never seen half written: after a failure, a crash or a full disk it is either the old
// file or the new one. A replaced file keeps its permissions (and, where allowed, its owner);
// a link is followed, so the file it names is replaced and the link stays. Returns false, with
// the file as it was, when any step fails.
bool replaceFile(const std::string& path, std::string_view content);

} // namespace morvent
