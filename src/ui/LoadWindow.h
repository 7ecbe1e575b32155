// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "FileChoiceWindow.h"

namespace morvent {

// The Load window: the Save window's twin, a few pixels taller. Its name field only shows the
// file chosen in the list; a file is picked by double-clicking it.
class TForm5 final : public FileChoiceWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 540;
    static constexpr int kHeight = 370;

    explicit TForm5(QWidget* parent = nullptr);
};

} // namespace morvent
