// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <string>
#include <vector>

class QWidget;

namespace morvent::test {

// Lets every pending layout request run: a widget whose size changes asks its parent to lay out
// again by a posted request, one level at a time.
void settle();

// The visible widgets inside `area` that reach past it or are squeezed below the size they need
// to show their text, each described by its class and its text or name. Empty when all is well.
std::vector<std::string> clippedWidgets(QWidget& area);

} // namespace morvent::test
