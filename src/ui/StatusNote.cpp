// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "StatusNote.h"

#include <QStatusBar>

namespace morvent {

StatusNote::StatusNote(const QString& name, QStatusBar* bar) : ElidedLabel(bar) {
    setObjectName(name);
    // Apart from its neighbour, so two notes do not read as one.
    setContentsMargins(16, 0, 4, 0);
    bar->addPermanentWidget(this);
}

void StatusNote::say(const QString& text, const QString& detail) {
    present(text, detail, false);
}

void StatusNote::warn(const QString& text, const QString& detail) {
    present(text, detail, true);
}

void StatusNote::clearNote() {
    present({}, {}, false);
}

void StatusNote::present(const QString& text, const QString& detail, bool problem) {
    m_problem = problem;
    setText(text);
    setToolTip(detail.isEmpty() ? text : detail);
    QPalette colours = parentWidget()->palette();
    if (problem) {
        colours.setColor(QPalette::WindowText, QColor(0xb7, 0x1c, 0x1c));
    }
    setPalette(colours);
}

} // namespace morvent
