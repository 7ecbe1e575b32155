// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace morvent {

// The About box: the product line and the maker. It is a window of its own, shown beside the
// main window without blocking it. Create it outside the main window's object tree: its Label1
// and Label2 would otherwise make those names ambiguous for a lookup among the main window's
// controls. Below the two lines, the way to the first steps for whoever opens Help to learn how
// to begin.
class TForm3 final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 636;
    static constexpr int kHeight = 212;

    explicit TForm3(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* GettingStartedButton = nullptr;
};

} // namespace morvent
