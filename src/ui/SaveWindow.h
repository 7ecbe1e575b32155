// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "FileChoiceWindow.h"

namespace morvent {

// The Save window: a name typed or picked in Edit1 is saved in the directory shown.
class TForm4 final : public FileChoiceWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 540;
    static constexpr int kHeight = 362;

    explicit TForm4(QWidget* parent = nullptr);
};

} // namespace morvent
