// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "ElidedLabel.h"

class QStatusBar;

namespace morvent {

// A note at the right of the status bar on what the tool did by itself or at the user's
// request (a backup kept, a comparison made). It stays until replaced or cleared. A problem is
// shown in the error colour; the whole story, a long path say, is in its tooltip.
class StatusNote : public ElidedLabel {
    Q_OBJECT
public:
    StatusNote(const QString& name, QStatusBar* bar);

    void say(const QString& text, const QString& detail = {});
    void warn(const QString& text, const QString& detail = {});
    void clearNote();

    bool isProblem() const { return m_problem; }

private:
    void present(const QString& text, const QString& detail, bool problem);

    bool m_problem = false;
};

} // namespace morvent
