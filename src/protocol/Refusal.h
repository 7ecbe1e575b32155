// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "Wording.h"

#include <string>

namespace morvent {

// Why a write does not go ahead, or which field the controller refused: the information box's
// text, the control that should get the focus and the notebook page that holds it.
struct Refusal {
    std::string message;
    std::string control;
    int page = 0;
    // The message as it was made, for the window to translate.
    WordedText wording{};

    bool operator==(const Refusal& other) const {
        return message == other.message && control == other.control && page == other.page;
    }
};

} // namespace morvent
