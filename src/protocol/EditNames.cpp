// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "EditNames.h"

namespace morvent {

std::string editName(int n) {
    return (n == 2 ? "edit" : "Edit") + std::to_string(n);
}

} // namespace morvent
