// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QDir>
#include <QString>

#include <cstdio>

namespace morvent::tools {

// Where a picture program saves its PNG files: the folder named first on its command line, or
// `fallback`, made if it is missing. Empty, after a line on standard error, when it cannot be.
inline QString pictureFolder(int argc, char** argv, const char* fallback) {
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString::fromLatin1(fallback);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return {};
    }
    return folder;
}

} // namespace morvent::tools
