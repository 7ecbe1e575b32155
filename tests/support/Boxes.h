// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "MessageBoxes.h"

#include <QString>

#include <vector>

namespace morvent::test {

// Message boxes as texts, in the order shown, so no test ever waits on a modal box; the general
// error display's text is recorded as the box would show it, full stop included.
class RecordedBoxes final : public MessageBoxes {
public:
    void information(const QString& text) override { shown.push_back("info: " + text); }
    void plain(const QString& text) override { shown.push_back("plain: " + text); }
    void generalError(const QString& text) override {
        shown.push_back("error: " + withFullStop(text));
    }
    // Recorded as "question: TEXT [PROCEED/Stay]", answered with `goAhead`.
    bool proceed(const QString& text, const QString& proceed) override {
        shown.push_back("question: " + text + " [" + proceed + "/Stay]");
        return goAhead;
    }
    std::vector<QString> shown;
    bool goAhead = true;
};

// Message boxes for programs that run unattended (benchmarks, picture programs): the last text
// is kept (general errors as the box would show them), information boxes are counted, and every
// text is printed when asked.
class ProgramBoxes final : public MessageBoxes {
public:
    explicit ProgramBoxes(bool print = false) : m_print(print) {}
    void information(const QString& text) override;
    void plain(const QString& text) override;
    void generalError(const QString& text) override;
    // Unattended: goes ahead.
    bool proceed(const QString& text, const QString& proceed) override;

    QString last;
    int informationCount = 0;

private:
    void keep(const char* kind, const QString& text);
    bool m_print;
};

} // namespace morvent::test
