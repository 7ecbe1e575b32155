// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <string>

namespace morvent::test {

// What this process holds, read from /proc, to show that nothing is left behind or grows.
int openDescriptorCount();
int threadCount();
// Threads of this process with the given name ("comm-reader").
int threadsNamed(const std::string& name);
long residentKiB();

} // namespace morvent::test
