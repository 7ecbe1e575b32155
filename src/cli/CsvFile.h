// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "ControllerSession.h"

#include <memory>
#include <string>
#include <string_view>

namespace morvent {

// How a file that could not be written ends the run: a full disk, a quota, a failing disk or a
// file grown beyond what the system allows are errors of the system; anything else (no such
// folder, no permission, a name that is no file, a file another program holds open) is a name
// the user should not have given. Takes errno values.
Outcome writeErrorOutcome(int error);

// The CSV file watch records to. Checked before connecting, so a name that cannot be written
// costs no probing, but left as it is until the first reading arrives, so a run that never gets
// one (a port that will not open) costs an existing file nothing. A failed write (a full disk, a
// reader gone) ends the run: every failure throws SessionError "Unable to write to FILE: why".
// One implementation per system (posix/CsvFile.cpp, win32/CsvFile.cpp).
class CsvFile {
public:
    explicit CsvFile(std::string path);
    ~CsvFile();
    CsvFile(const CsvFile&) = delete;
    CsvFile& operator=(const CsvFile&) = delete;

    void write(std::string_view line);

private:
    struct Handle;
    [[noreturn]] void fail() const;

    std::string m_path;
    std::unique_ptr<Handle> m_file;
    bool m_started = false;
};

} // namespace morvent
