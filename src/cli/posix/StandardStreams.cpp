// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "StandardStreams.h"

#include "ArgumentText.h"

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

StreamLock::StreamLock(std::FILE* stream) : m_stream(stream) {
    ::flockfile(m_stream);
}

StreamLock::~StreamLock() {
    ::funlockfile(m_stream);
}

} // namespace morvent
