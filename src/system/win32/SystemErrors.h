// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

namespace morvent {

// Windows' error codes as the errno values that the program's messages and exit codes go by on
// every system: a full disk is ENOSPC, a missing file ENOENT, a file the user may not change
// EACCES. A file that another program holds open without sharing it (a sharing or lock
// violation, a file mapped into memory), which POSIX systems never refuse, is EBUSY. What the
// table does not know is EIO, an error of the system.
int errnoOf(unsigned long error);

// errnoOf(GetLastError()), also set as errno, for the caller of a call that failed.
int lastErrorAsErrno();

} // namespace morvent
