// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "LoadWindow.h"

#include <QLineEdit>

namespace morvent {

TForm5::TForm5(QWidget* parent)
    : FileChoiceWindow(QStringLiteral("Form5"), tr("Load"), tr("Load"), kWidth, kHeight, parent) {
    Edit1->setReadOnly(true);
}

} // namespace morvent
