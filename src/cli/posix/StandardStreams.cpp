// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "StandardStreams.h"

#include "ArgumentText.h"

#include <unistd.h>

#include <cerrno>

namespace morvent {

QStringList commandArguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(argumentText(argv[i]));
    }
    return arguments;
}

void prepareStandardStreams() {}

int streamWriteError(int error) {
    return error == 0 ? EIO : error;
}

int streamDescriptor(std::FILE* stream) {
    return ::fileno(stream);
}

void writeAtOnce(int descriptor, const char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(descriptor, bytes, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
}

StreamLock::StreamLock(std::FILE* stream) : m_stream(stream) {
    ::flockfile(m_stream);
}

StreamLock::~StreamLock() {
    ::funlockfile(m_stream);
}

} // namespace morvent
