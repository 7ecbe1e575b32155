// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "Wording.h"

#include <string>
#include <string_view>
#include <vector>

namespace morvent {

// The parameter values live in the controls of whatever front end is running: the main window's
// widgets, or a plain store for the command-line tool and the tests. Codecs reach them only
// through this interface, by the control's component name (Edit23, ComboBox5, Label9).
//
// Texts are UTF-8. A combo box has both a text (what its edit line shows) and a selected index
// (-1 when no item is selected); an edit field or a label has only a text.
class Fields {
public:
    virtual ~Fields() = default;

    virtual std::string text(std::string_view name) const = 0;
    virtual void setText(std::string_view name, std::string_view text) = 0;
    // A label's text as it was made: the window shows it translated, the rest its English.
    virtual void setWording(std::string_view name, const WordedText& text) {
        setText(name, text.english());
    }

    virtual int selectedIndex(std::string_view name) const = 0;
    // An index outside 0 .. itemCount-1 leaves no item selected.
    virtual void setSelectedIndex(std::string_view name, int index) = 0;

    virtual int itemCount(std::string_view name) const = 0;
    virtual void setItems(std::string_view name, const std::vector<std::string>& items) = 0;
};

} // namespace morvent
