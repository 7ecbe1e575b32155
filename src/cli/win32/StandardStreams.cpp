// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "StandardStreams.h"

#include "ArgumentText.h"
#include "SignalUndo.h"
#include "WideText.h"

#include <windows.h>

#include <shellapi.h>

#include <io.h>

#include <cerrno>
#include <cstdlib>

namespace morvent {

namespace {

// The console's own code page, put back when the tool ends: the console outlives it.
UINT g_consolePage = 0;

void restoreConsolePage(const void* = nullptr) {
    ::SetConsoleOutputCP(g_consolePage);
}

} // namespace

QStringList commandArguments(int argc, char* argv[]) {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!wide) {
        QStringList arguments;
        for (int i = 1; i < argc; ++i) {
            arguments.append(argumentText(argv[i]));
        }
        return arguments;
    }
    QStringList arguments;
    for (int i = 1; i < count; ++i) {
        arguments.append(argumentText(utf8Text(wide[i])));
    }
    ::LocalFree(wide);
    return arguments;
}

void prepareStandardStreams() {
    // Only a console has a code page; a pipe or a file takes the bytes as they are.
    g_consolePage = ::GetConsoleOutputCP();
    if (g_consolePage == 0 || g_consolePage == CP_UTF8 || !::SetConsoleOutputCP(CP_UTF8)) {
        return;
    }
    std::atexit([] { restoreConsolePage(); });
    // Ctrl+C, Ctrl+Break and a closed console end the process without atexit's functions.
    static const SignalUndo restore(restoreConsolePage, nullptr);
}

int streamWriteError(int error) {
    if (error == 0 || error == EINVAL) {
        switch (::GetLastError()) {
        case ERROR_NO_DATA:
        case ERROR_BROKEN_PIPE:
        case ERROR_PIPE_NOT_CONNECTED:
            return EPIPE;
        default:
            break;
        }
    }
    return error == 0 ? EIO : error;
}

int streamDescriptor(std::FILE* stream) {
    return ::_fileno(stream);
}

void writeAtOnce(int descriptor, const char* bytes, std::size_t size) {
    while (size > 0) {
        const int written = ::_write(descriptor, bytes, static_cast<unsigned>(size));
        if (written <= 0) {
            return;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
}

StreamLock::StreamLock(std::FILE* stream) : m_stream(stream) {
    ::_lock_file(m_stream);
}

StreamLock::~StreamLock() {
    ::_unlock_file(m_stream);
}

} // namespace morvent
