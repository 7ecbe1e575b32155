// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QWidget>

class QLabel;

namespace morvent {

// The About box: the product line and the maker. It is a window of its own, shown beside the
// main window without blocking it. Create it outside the main window's object tree: its Label1
// and Label2 would otherwise make those names ambiguous for a lookup among the main window's
// controls.
class TForm3 final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 636;
    static constexpr int kHeight = 212;

    explicit TForm3(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
};

} // namespace morvent
