// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "Fields.h"

#include <map>

namespace morvent {

// Fields without widgets. A combo box behaves as the window's do: selecting an item puts the
// item's text into its edit line, and setting the text selects the item that matches it, if any.
class FieldStore final : public Fields {
public:
    std::string text(std::string_view name) const override;
    void setText(std::string_view name, std::string_view text) override;
    int selectedIndex(std::string_view name) const override;
    void setSelectedIndex(std::string_view name, int index) override;
    int itemCount(std::string_view name) const override;
    void setItems(std::string_view name, const std::vector<std::string>& items) override;

    const std::vector<std::string>& items(std::string_view name) const;
    // Both at once, as a widget shows them, whatever the list says.
    void set(std::string_view name, std::string text, int index);

private:
    struct Control {
        std::string text;
        int index = -1;
        std::vector<std::string> items;
    };
    const Control* find(std::string_view name) const;
    Control& at(std::string_view name);

    std::map<std::string, Control, std::less<>> m_controls;
};

} // namespace morvent
