// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Boxes.h"

#include <cstdio>

namespace morvent::test {

void ProgramBoxes::information(const QString& text) {
    keep("info", text);
    ++informationCount;
}

void ProgramBoxes::plain(const QString& text) {
    keep("plain", text);
}

void ProgramBoxes::generalError(const QString& text) {
    keep("error", withFullStop(text));
}

bool ProgramBoxes::proceed(const QString& text, const QString&) {
    keep("question", text);
    return true;
}

void ProgramBoxes::keep(const char* kind, const QString& text) {
    last = text;
    if (m_print) {
        std::printf("%s: %s\n", kind, qPrintable(text));
    }
}

} // namespace morvent::test
