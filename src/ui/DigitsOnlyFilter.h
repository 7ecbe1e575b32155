// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QObject>

class QKeyEvent;
class QLineEdit;

namespace morvent {

// The typing rule of every parameter field: a typed character reaches the field only if it is a
// digit or backspace. Keys that type nothing (arrows, Home/End, Delete, Tab) and shortcuts (copy,
// paste, select all) pass, so a field can still be edited and pasted into; text put in by the
// program or by pasting is not looked at, and there is no length limit.
class DigitsOnlyFilter final : public QObject {
    Q_OBJECT
public:
    explicit DigitsOnlyFilter(QObject* parent = nullptr);

    // Filters the edit's key presses. The input method is switched off for it, so that composed
    // text, too, arrives as key presses this filter sees.
    void attach(QLineEdit* edit);

    // Whether the key press may reach the field.
    static bool passes(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace morvent
