// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "SaveWindow.h"

namespace morvent {

TForm4::TForm4(QWidget* parent)
    : FileChoiceWindow(QStringLiteral("Form4"), tr("Save"), tr("Save"), kWidth, kHeight, parent) {}

} // namespace morvent
