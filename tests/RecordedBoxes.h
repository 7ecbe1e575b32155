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
    std::vector<QString> shown;
};

} // namespace morvent::test
