// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QStringList>

#include <cstdio>

namespace morvent {

// The command line and the standard streams as each system gives them
// (posix/StandardStreams.cpp, win32/StandardStreams.cpp).

// The arguments after the program's name, taken as argumentText takes bytes. On Windows they
// are read from the command line in UTF-16, so that any name survives, not only those of the
// ANSI code page.
QStringList commandArguments(int argc, char* argv[]);

// Readies the standard streams for the tool's UTF-8 text: on Windows a console shows it as UTF-8.
void prepareStandardStreams();

// Why a write to a standard stream failed, as an errno value, given errno after it: EIO where the
// C library said nothing; on Windows EPIPE for a pipe whose reader has gone, which the C runtime
// reports as EINVAL.
int streamWriteError(int error);

// The descriptor under a stream, taken while the run goes on, for writeAtOnce.
int streamDescriptor(std::FILE* stream);

// Writes bytes straight to a descriptor, past any stream's buffer and lock: what an undo step
// says while the process ends on a signal, when no lock may be taken and nothing allocated.
void writeAtOnce(int descriptor, const char* bytes, std::size_t size);

// Holds a stream for one thread, so that lines that several sessions print at once stay whole.
class StreamLock {
public:
    explicit StreamLock(std::FILE* stream);
    ~StreamLock();
    StreamLock(const StreamLock&) = delete;
    StreamLock& operator=(const StreamLock&) = delete;

private:
    std::FILE* m_stream;
};

} // namespace morvent
