// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "FieldStore.h"

#include <algorithm>

namespace morvent {

const FieldStore::Control* FieldStore::find(std::string_view name) const {
    const auto it = m_controls.find(name);
    return it == m_controls.end() ? nullptr : &it->second;
}

FieldStore::Control& FieldStore::at(std::string_view name) {
    auto it = m_controls.find(name);
    if (it == m_controls.end()) {
        it = m_controls.emplace(std::string(name), Control{}).first;
    }
    return it->second;
}

std::string FieldStore::text(std::string_view name) const {
    const Control* c = find(name);
    return c ? c->text : std::string();
}

void FieldStore::setText(std::string_view name, std::string_view text) {
    Control& c = at(name);
    c.text = text;
    const auto it = std::find(c.items.begin(), c.items.end(), c.text);
    c.index = it == c.items.end() ? -1 : static_cast<int>(it - c.items.begin());
}

int FieldStore::selectedIndex(std::string_view name) const {
    const Control* c = find(name);
    return c ? c->index : -1;
}

void FieldStore::setSelectedIndex(std::string_view name, int index) {
    Control& c = at(name);
    if (index >= 0 && index < static_cast<int>(c.items.size())) {
        c.index = index;
        c.text = c.items[static_cast<size_t>(index)];
    } else {
        c.index = -1;
        c.text.clear();
    }
}

int FieldStore::itemCount(std::string_view name) const {
    const Control* c = find(name);
    return c ? static_cast<int>(c->items.size()) : 0;
}

void FieldStore::setItems(std::string_view name, const std::vector<std::string>& items) {
    Control& c = at(name);
    c.items = items;
    c.index = -1;
    c.text.clear();
}

void FieldStore::set(std::string_view name, std::string text, int index) {
    Control& c = at(name);
    c.text = std::move(text);
    c.index = index;
}

const std::vector<std::string>& FieldStore::items(std::string_view name) const {
    static const std::vector<std::string> none;
    const Control* c = find(name);
    return c ? c->items : none;
}

} // namespace morvent
