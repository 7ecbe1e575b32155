// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QKeySequence>
#include <QList>

class QTabWidget;
class QWidget;

namespace morvent {

// The keys that turn the pages of `notebook` from anywhere in its window: Ctrl+Tab and
// Ctrl+PgDown to the next page, Ctrl+Shift+Tab and Ctrl+PgUp to the one before, round from the
// last to the first. A page turned away from while it held the keyboard leaves it on the tabs,
// so Tab goes on into the fields of the page now shown.
void turnPagesByKeyboard(QTabWidget& notebook);

// The keys of turnPagesByKeyboard: the first to the next page, the second to the one before.
QList<QKeySequence> nextPageKeys();
QList<QKeySequence> previousPageKeys();

// Tab walks `order` in the order given, each one's inner stops (a notebook's tabs and pages)
// following it, and the keyboard starts at the first.
void walkFirst(const QList<QWidget*>& order);

} // namespace morvent
