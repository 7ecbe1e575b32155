// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ParameterModel.h"

#include "BlockCodec.h"

#include <algorithm>

namespace morvent {

namespace {

// What a value would go to the controller as: nothing for a text that is no number, which
// differs from every value.
std::optional<std::int64_t> sent(const Parameter& p, const ShownValue& v) {
    return wireValue(p, v.text, v.index);
}

} // namespace

ParameterModel::ParameterModel() {
    fillParameterCombos(m_shown);
}

void ParameterModel::setText(std::string_view name, std::string_view text) {
    const ShownValue before{m_shown.text(name), m_shown.selectedIndex(name)};
    m_shown.setText(name, text);
    touched(name, before);
}

void ParameterModel::setWording(std::string_view name, const WordedText& text) {
    const ShownValue before{m_shown.text(name), m_shown.selectedIndex(name)};
    m_shown.setWording(name, text);
    touched(name, before);
}

void ParameterModel::setSelectedIndex(std::string_view name, int index) {
    const ShownValue before{m_shown.text(name), m_shown.selectedIndex(name)};
    m_shown.setSelectedIndex(name, index);
    touched(name, before);
}

void ParameterModel::setItems(std::string_view name, const std::vector<std::string>& items) {
    const bool refilled = m_shown.items(name) != items;
    const ShownValue before{m_shown.text(name), m_shown.selectedIndex(name)};
    m_shown.setItems(name, items);
    if (refilled) {
        // A list refilled with the same value shown still has other items to offer.
        if (const Parameter* p = parameter(name)) {
            tell(p);
        }
    } else {
        touched(name, before);
    }
}

void ParameterModel::show(std::string_view control, std::string text, int index) {
    const ShownValue before{m_shown.text(control), m_shown.selectedIndex(control)};
    m_shown.set(control, std::move(text), index);
    touched(control, before);
}

void ParameterModel::touched(std::string_view control, const ShownValue& before) {
    if (before != ShownValue{m_shown.text(control), m_shown.selectedIndex(control)}) {
        if (const Parameter* p = parameter(control)) {
            tell(p);
        }
    }
}

ParameterModel::Listening ParameterModel::listen(Listener listener) {
    m_listeners.emplace_back(++m_lastListening, std::move(listener));
    return m_lastListening;
}

void ParameterModel::stopListening(Listening listening) {
    std::erase_if(m_listeners, [listening](const auto& l) { return l.first == listening; });
}

void ParameterModel::tell(const Parameter* p) {
    // A copy: a listener may start or stop listening while it is told.
    const auto listeners = m_listeners;
    for (const auto& [listening, listener] : listeners) {
        listener(p);
    }
}

ShownValue ParameterModel::shown(const Parameter& p) const {
    return {m_shown.text(p.control), m_shown.selectedIndex(p.control)};
}

ParameterModel::Values ParameterModel::values(Block block) const {
    Values values;
    for (const Parameter* p : pageParameters(block)) {
        values.push_back(shown(*p));
    }
    return values;
}

void ParameterModel::put(Block block, const Values& values, Fields& into) {
    const auto rows = pageParameters(block);
    for (std::size_t i = 0; i < rows.size() && i < values.size(); ++i) {
        if (rows[i]->kind == ParameterKind::SelectedIndex) {
            into.setSelectedIndex(rows[i]->control, values[i].index);
        } else {
            into.setText(rows[i]->control, values[i].text);
        }
    }
}

void ParameterModel::learn(Block block) {
    learn(block, values(block));
}

void ParameterModel::learn(Block block, const Values& values) {
    m_held[slot(block)] = values;
    if (!m_first[slot(block)]) {
        m_first[slot(block)] = values;
    }
    m_learnedAt[slot(block)] = std::chrono::system_clock::now();
    m_unread[slot(block)] = false;
    m_loadedWith[slot(block)].reset();
    tell(nullptr);
}

void ParameterModel::learnFrom(Block block, const Fields& held) {
    Values values;
    for (const Parameter* p : pageParameters(block)) {
        values.push_back({held.text(p->control), held.selectedIndex(p->control)});
    }
    learn(block, values);
}

void ParameterModel::forget() {
    m_held = {};
    m_answeredWith = {};
    m_first = {};
    m_learnedAt = {};
    tell(nullptr);
}

void ParameterModel::connected() {
    m_unread.fill(true);
    for (const Block block : kAllBlocks) {
        m_answeredWith[slot(block)] = values(block);
    }
    tell(nullptr);
}

void ParameterModel::loaded() {
    m_unread.fill(false);
    for (const Block block : kAllBlocks) {
        m_loadedWith[slot(block)] = values(block);
    }
    // The file's values are where telling typing apart starts again, not changes themselves.
    if (m_answeredWith.front()) {
        for (const Block block : kAllBlocks) {
            m_answeredWith[slot(block)] = values(block);
        }
    }
    tell(nullptr);
}

std::optional<ShownValue> ParameterModel::held(const Parameter& p) const {
    const auto& values = m_held[slot(p.block)];
    if (!values) {
        return std::nullopt;
    }
    const auto rows = pageParameters(p.block);
    const auto at = std::find(rows.begin(), rows.end(), &p) - rows.begin();
    return values->at(static_cast<std::size_t>(at));
}

bool ParameterModel::isChanged(const Parameter& p) const {
    auto h = held(p);
    if (!h && m_answeredWith[slot(p.block)]) {
        const auto rows = pageParameters(p.block);
        const auto at = std::find(rows.begin(), rows.end(), &p) - rows.begin();
        h = m_answeredWith[slot(p.block)]->at(static_cast<std::size_t>(at));
        // Untouched since: not typed, even where the text stands for no value (a blank list).
        if (*h == shown(p)) {
            return false;
        }
    }
    if (!h) {
        return false;
    }
    const auto a = sent(p, shown(p));
    const auto b = sent(p, *h);
    return !a || !b || *a != *b;
}

bool ParameterModel::isAsLoaded(const Parameter& p) const {
    const auto& loaded = m_loadedWith[slot(p.block)];
    if (!loaded) {
        return false;
    }
    const auto rows = pageParameters(p.block);
    const auto at = std::find(rows.begin(), rows.end(), &p) - rows.begin();
    return loaded->at(static_cast<std::size_t>(at)) == shown(p);
}

std::vector<const Parameter*> ParameterModel::changes() const {
    std::vector<const Parameter*> rows;
    for (const Parameter& p : parameterTable()) {
        if (isChanged(p)) {
            rows.push_back(&p);
        }
    }
    return rows;
}

std::vector<const Parameter*> ParameterModel::visitChanges() const {
    std::vector<const Parameter*> rows;
    for (const Parameter& p : parameterTable()) {
        const auto& first = m_first[slot(p.block)];
        const auto now = held(p);
        if (first && now) {
            const auto pageRows = pageParameters(p.block);
            const auto at = std::find(pageRows.begin(), pageRows.end(), &p) - pageRows.begin();
            const auto a = sent(p, first->at(static_cast<std::size_t>(at)));
            const auto b = sent(p, *now);
            if (!a || !b || *a != *b) {
                rows.push_back(&p);
            }
        }
    }
    return rows;
}

std::string ParameterModel::firstHeldText(const Parameter& p) const {
    const auto& first = m_first[slot(p.block)];
    if (!first) {
        return {};
    }
    const auto rows = pageParameters(p.block);
    const auto at = std::find(rows.begin(), rows.end(), &p) - rows.begin();
    const std::string& text = first->at(static_cast<std::size_t>(at)).text;
    return text.empty() ? "nothing" : text;
}

std::string ParameterModel::heldText(const Parameter& p) const {
    const auto h = held(p);
    if (!h) {
        return {};
    }
    return h->text.empty() ? "nothing" : h->text;
}

void ParameterModel::putBack(const Parameter& p, Fields& into) const {
    if (const auto h = held(p)) {
        if (p.kind == ParameterKind::SelectedIndex) {
            into.setSelectedIndex(p.control, h->index);
        } else {
            into.setText(p.control, h->text);
        }
    }
}

} // namespace morvent
